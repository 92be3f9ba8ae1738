// The main window: the modal dialog "GAME". Launch and Quit only, until the picture and commands land.
#include "mainwindow/MainDialog.h"

#include "launcher/LauncherState.h"

INT_PTR CALLBACK MainDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        SetWindowTextA(dialog, "Tumbleridge");
        return TRUE;
    case WM_COMMAND:
        if (wParam == IDOK) {
            EndDialog(dialog, MainResultPlay);
            return TRUE;
        }
        if (wParam == IDCANCEL) {
            EndDialog(dialog, MainResultQuit);
            return TRUE;
        }
        return FALSE;
    default:
        return FALSE;
    }
}

void DestroyPictureSet() {}
