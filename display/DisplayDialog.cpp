// The display dialog. Placeholder until the display configuration lands.
#include "display/DisplayDialog.h"

int OpenDisplayDialog(HWND) { return 0; }

void DestroyDisplayCatalogue() {}
