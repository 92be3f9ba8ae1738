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
    void(WINAPI* DrawInsert)(HWND parent, HWND list, int item);
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

// Loads the common controls on a thread of its own, so that the loader's work overlaps the start-up checks.
// When no thread can be made, they are loaded at once on the caller's thread instead, so that either way
// they are loaded and initialised before the first dialog.
class LibraryPreload {
public:
    // Starts the routine on a new thread and returns its handle, or null when no thread can be made.
    typedef HANDLE (*ThreadStarter)(LPTHREAD_START_ROUTINE routine);
    static HANDLE StartThread(LPTHREAD_START_ROUTINE routine);  // CreateThread with the default stack

    explicit LibraryPreload(ThreadStarter start = StartThread);
    ~LibraryPreload();  // Finish
    LibraryPreload(const LibraryPreload&) = delete;
    LibraryPreload& operator=(const LibraryPreload&) = delete;

    // Waits until the thread has ended. Until then the caller makes no call that draws or makes a window:
    // under Wine such a call can load the display driver, and a load on two threads at once can stop both.
    // The launcher finishes the preload on every way out, as a process that ends while another of its
    // threads is inside the loader can hang in the loader's lock.
    void Finish();

private:
    HANDLE thread;
};

#endif
