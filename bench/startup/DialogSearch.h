// Finds a visible dialog of another process (the launcher's), for the start-up benchmark and the screenshot
// tour. Header-only: both are small programs of their own.
#ifndef TUMBLERIDGE_DIALOGSEARCH_H
#define TUMBLERIDGE_DIALOGSEARCH_H

#include <windows.h>

#include <functional>

// The first visible top-level dialog (class "#32770") of the process that satisfies match, or null.
inline HWND FindProcessDialog(DWORD processId, const std::function<bool(HWND)>& match)
{
    struct Search {
        DWORD processId;
        const std::function<bool(HWND)>* match;
        HWND found;
    } search = {processId, &match, NULL};
    EnumWindows(
        [](HWND window, LPARAM context) -> BOOL {
            Search* s = reinterpret_cast<Search*>(context);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            char className[16];
            if (owner == s->processId && IsWindowVisible(window) &&
                GetClassNameA(window, className, sizeof className) && lstrcmpA(className, "#32770") == 0 &&
                (*s->match)(window)) {
                s->found = window;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

#endif
