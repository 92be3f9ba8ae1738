// The advanced options dialog "ADVANCED".
#ifndef TUMBLERIDGE_ADVANCEDOPTIONS_H
#define TUMBLERIDGE_ADVANCEDOPTIONS_H

#include <windows.h>

// Warns once ("AdvWarning"), then shows "ADVANCED" over owner. The dialog's end code (1 after OK, 0 after
// Cancel), or 0 when the player declined the warning.
int ShowAdvancedOptions(HWND owner);

#endif
