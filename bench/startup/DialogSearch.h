// Finds a visible dialog of another process (the launcher's), for the start-up benchmark and the screenshot
// tour. Header-only: both are small programs of their own.
#ifndef TUMBLERIDGE_DIALOGSEARCH_H
#define TUMBLERIDGE_DIALOGSEARCH_H

#include <windows.h>

#include <functional>

struct ProcessDialogSearch {
    DWORD processId;
    const std::function<bool(HWND)>* match;
    HWND found;
};

inline BOOL CALLBACK VisitProcessDialog(HWND window, LPARAM context)
{
    ProcessDialogSearch* search = reinterpret_cast<ProcessDialogSearch*>(context);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    char className[16];
    if (owner == search->processId && IsWindowVisible(window) && GetClassNameA(window, className, sizeof className) &&
        lstrcmpA(className, "#32770") == 0 && (*search->match)(window)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

// The first visible top-level dialog (class "#32770") of the process that satisfies match, or null.
inline HWND FindProcessDialog(DWORD processId, const std::function<bool(HWND)>& match)
{
    ProcessDialogSearch search = {processId, &match, NULL};
    EnumWindows(VisitProcessDialog, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

#endif
