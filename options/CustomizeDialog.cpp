// The add-on archive dialog. Placeholder until the add-on archives land.
#include "options/CustomizeDialog.h"

INT_PTR CALLBACK CustomizeDialogProc(HWND dialog, UINT message, WPARAM, LPARAM)
{
    if (message == WM_INITDIALOG) EndDialog(dialog, 0);
    return FALSE;
}
