// The start-up benchmark's second yardstick: the launcher's own window "GAME", from the launcher's own
// resources and manifest, shown by a program that initialises the common controls and does nothing else.
// Its timed build (TR_STARTUP_STEPS) marks the same points as the launcher's.
#include <windows.h>

#include <commctrl.h>

#include "launcher/StartupSteps.h"

static INT_PTR CALLBACK SameWindowProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    if (message == WM_INITDIALOG) {
        STARTUP_STEP("main dialog created");
        return TRUE;
    }
    if (message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
        EndDialog(dialog, 0);
        return TRUE;
    }
    return FALSE;
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    STARTUP_STEP("loader, to the entry point");
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    STARTUP_STEP("common controls");
    return static_cast<int>(DialogBoxParamA(instance, "GAME", NULL, SameWindowProc, 0));
}
