// The launcher's icon on a dialog's caption.
#ifndef TUMBLERIDGE_DIALOGICON_H
#define TUMBLERIDGE_DIALOGICON_H

#include <windows.h>

// Makes the icon "ICON" of the module the dialog's big icon; nothing when it does not load.
void SetLauncherIcon(HWND dialog, HINSTANCE module);

#endif
