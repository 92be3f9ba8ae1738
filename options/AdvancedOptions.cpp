// The advanced options dialog. Placeholder until the advanced options land.
#include "options/AdvancedOptions.h"

int ShowAdvancedOptions(HWND) { return 0; }
