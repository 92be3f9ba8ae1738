// The display dialog "DISPLAY" and the run's display catalogue.
#ifndef TUMBLERIDGE_DISPLAYDIALOG_H
#define TUMBLERIDGE_DISPLAYDIALOG_H

#include <windows.h>

// The display button's action: warns once, builds the catalogue once, shows "DISPLAY" over mainWindow.
int OpenDisplayDialog(HWND mainWindow);

// Frees theDisplayCatalogue (at shutdown).
void DestroyDisplayCatalogue();

#endif
