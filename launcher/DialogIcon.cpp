// The launcher's icon on a dialog's caption.
#include "launcher/DialogIcon.h"

void SetLauncherIcon(HWND dialog, HINSTANCE module)
{
    HICON icon = LoadIconA(module, "ICON");
    if (icon) SendMessageA(dialog, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
}
