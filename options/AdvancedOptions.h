// The advanced options dialog "ADVANCED".
#ifndef TUMBLERIDGE_ADVANCEDOPTIONS_H
#define TUMBLERIDGE_ADVANCEDOPTIONS_H

#include <windows.h>

// Warns once ("AdvWarning"), then shows "ADVANCED" over owner. The dialog's end code, or 0 when declined.
int ShowAdvancedOptions(HWND owner);

#endif
