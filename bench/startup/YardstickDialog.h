// The dialog procedure of the start-up benchmark's yardsticks: it marks the dialog's creation and ends the
// dialog on OK or Cancel, and does nothing else.
#ifndef TUMBLERIDGE_YARDSTICKDIALOG_H
#define TUMBLERIDGE_YARDSTICKDIALOG_H

#include <windows.h>

#include "launcher/StartupSteps.h"

inline INT_PTR CALLBACK YardstickDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
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

#endif
