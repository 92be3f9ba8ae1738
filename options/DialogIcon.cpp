// The launcher's icon on a dialog's caption.
#include "options/DialogIcon.h"

#include "launcher/LauncherState.h"

void SetLauncherIcon(HWND dialog)
{
    HICON icon = LoadIconA(launcherModule, "ICON");
    if (icon) SendMessageA(dialog, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
}
