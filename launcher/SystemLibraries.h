// The Windows libraries that only part of the launcher's work needs, loaded when first used.
#ifndef TUMBLERIDGE_SYSTEMLIBRARIES_H
#define TUMBLERIDGE_SYSTEMLIBRARIES_H

#include <windows.h>

#include <commctrl.h>

// The exe does not import the multimedia library, the common controls or the shell, so the loader does not
// load them before the launcher's first instruction. Each accessor loads its library on the first call, from
// any thread (a call made while another thread loads it waits for that load), and returns the calls the
// launcher makes into it (the multimedia library, for one, loads when a dialog first plays or stops a sound).
// A library or call that is missing gets a stand-in with the failure answer of the real call, so a caller
// never finds a null pointer.

struct MultimediaCalls {
    BOOL(WINAPI* PlaySoundA)(LPCSTR sound, HMODULE module, DWORD flags);
};
const MultimediaCalls& Multimedia();

// Loading the common controls also initialises them (InitCommonControlsEx with ICC_WIN95_CLASSES): with the
// manifest's version 6 they draw every button and list of the launcher's dialogs.
struct CommonControlCalls {
    BOOL(WINAPI* MakeDragList)(HWND list);
    int(WINAPI* LBItemFromPt)(HWND list, POINT point, BOOL autoScroll);
    BOOL(WINAPI* SetWindowSubclass)(HWND window, SUBCLASSPROC procedure, UINT_PTR id, DWORD_PTR data);
    BOOL(WINAPI* RemoveWindowSubclass)(HWND window, SUBCLASSPROC procedure, UINT_PTR id);
    LRESULT(WINAPI* DefSubclassProc)(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
};
const CommonControlCalls& CommonControls();

struct ShellCalls {
    HINSTANCE(WINAPI* ShellExecuteA)(HWND owner, LPCSTR verb, LPCSTR file, LPCSTR parameters, LPCSTR folder,
                                     INT show);
};
const ShellCalls& Shell();

#endif
