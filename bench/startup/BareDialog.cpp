// The yardstick of the start-up benchmark: a bare Win32 program that shows one empty dialog. Its timed build
// (TR_STARTUP_STEPS) marks the same points as the launcher's: entry and dialog created.
#include <windows.h>

#include "launcher/StartupSteps.h"

static INT_PTR CALLBACK BareProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
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
    return static_cast<int>(DialogBoxParamA(instance, "BARE", NULL, BareProc, 0));
}
