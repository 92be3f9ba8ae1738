// The main window: the modal dialog "GAME".
#ifndef TUMBLERIDGE_MAINDIALOG_H
#define TUMBLERIDGE_MAINDIALOG_H

#include <windows.h>

INT_PTR CALLBACK MainDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Frees the main window's picture set (at shutdown).
void DestroyPictureSet();

#endif
