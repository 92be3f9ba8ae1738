// The multimedia library, the common controls and the shell, loaded on first use.
#include "launcher/SystemLibraries.h"

#include <shellapi.h>

#include "launcher/ProcLookup.h"
#include "utils/PathJoin.h"

namespace {

// One lock for the three loads, made before WinMain runs (static initialisation is single-threaded).
struct LoadLock {
    CRITICAL_SECTION section;
    LoadLock() { InitializeCriticalSection(&section); }
    ~LoadLock() { DeleteCriticalSection(&section); }
};
LoadLock loadLock;

// Set once a library's calls are filled in; read with a full barrier, so a thread that sees it set sees the
// calls too.
struct LoadedFlag {
    volatile LONG value = 0;
    bool IsSet() { return InterlockedCompareExchange(&value, 0, 0) != 0; }
    void Set() { InterlockedExchange(&value, 1); }
};

// The export, or the stand-in when the module or the export is missing.
template <typename F>
F CallOrStandIn(HMODULE module, const char* name, F standIn)
{
    F call = LookupProc<F>(module, name);
    return call ? call : standIn;
}

// A library from the Windows system folder by its full path, so that a file of the same name in the game
// folder or the current folder is never taken in its place.
HMODULE LoadFromSystemFolder(const char* fileName)
{
    char folder[MAX_PATH], path[MAX_PATH];
    UINT length = GetSystemDirectoryA(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return nullptr;
    if (!JoinPath(folder, fileName, PathSeparator::UnlessPresent, path, sizeof path)) return nullptr;
    return LoadLibraryA(path);
}

BOOL WINAPI NoSound(LPCSTR, HMODULE, DWORD)
{
    return FALSE;
}

BOOL WINAPI NoDragList(HWND)
{
    return FALSE;
}

int WINAPI NoItemAtPoint(HWND, POINT, BOOL)
{
    return -1;
}

BOOL WINAPI NoSubclass(HWND, SUBCLASSPROC, UINT_PTR, DWORD_PTR)
{
    return FALSE;
}

BOOL WINAPI NoSubclassRemoved(HWND, SUBCLASSPROC, UINT_PTR)
{
    return FALSE;
}

LRESULT WINAPI PlainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProcA(window, message, wParam, lParam);
}

HINSTANCE WINAPI NoShell(HWND, LPCSTR, LPCSTR, LPCSTR, LPCSTR, INT)
{
    return reinterpret_cast<HINSTANCE>(static_cast<INT_PTR>(SE_ERR_DLLNOTFOUND));
}

// Runs fill once under the lock; later calls return at once.
template <typename Fill>
void LoadOnce(LoadedFlag* loaded, Fill fill)
{
    if (loaded->IsSet()) return;
    EnterCriticalSection(&loadLock.section);
    if (!loaded->IsSet()) {
        fill();
        loaded->Set();
    }
    LeaveCriticalSection(&loadLock.section);
}

MultimediaCalls multimedia;
LoadedFlag multimediaLoaded;
CommonControlCalls commonControls;
LoadedFlag commonControlsLoaded;
ShellCalls shell;
LoadedFlag shellLoaded;

}  // namespace

const MultimediaCalls& Multimedia()
{
    LoadOnce(&multimediaLoaded, [] {
        HMODULE library = LoadFromSystemFolder("winmm.dll");
        multimedia.PlaySoundA = CallOrStandIn(library, "PlaySoundA", &NoSound);
    });
    return multimedia;
}

const CommonControlCalls& CommonControls()
{
    LoadOnce(&commonControlsLoaded, [] {
        // By name, not by path: the manifest's request for version 6 is honoured only for a load by name.
        HMODULE library = LoadLibraryA("comctl32.dll");
        typedef BOOL(WINAPI * Initialise)(const INITCOMMONCONTROLSEX*);
        Initialise initialise = LookupProc<Initialise>(library, "InitCommonControlsEx");
        if (initialise) {
            INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES};
            initialise(&controls);
        }
        commonControls.MakeDragList = CallOrStandIn(library, "MakeDragList", &NoDragList);
        commonControls.LBItemFromPt = CallOrStandIn(library, "LBItemFromPt", &NoItemAtPoint);
        commonControls.SetWindowSubclass = CallOrStandIn(library, "SetWindowSubclass", &NoSubclass);
        commonControls.RemoveWindowSubclass = CallOrStandIn(library, "RemoveWindowSubclass", &NoSubclassRemoved);
        commonControls.DefSubclassProc = CallOrStandIn(library, "DefSubclassProc", &PlainWindowProc);
    });
    return commonControls;
}

const ShellCalls& Shell()
{
    LoadOnce(&shellLoaded, [] {
        HMODULE library = LoadFromSystemFolder("shell32.dll");
        shell.ShellExecuteA = CallOrStandIn(library, "ShellExecuteA", &NoShell);
    });
    return shell;
}
