// The add-on archive dialog "CUSTOMIZE".
#ifndef TUMBLERIDGE_CUSTOMIZEDIALOG_H
#define TUMBLERIDGE_CUSTOMIZEDIALOG_H

#include <windows.h>

INT_PTR CALLBACK CustomizeDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

#endif
