// The folder "Custom" of the game folder, where the add-on archives lie.
#ifndef TUMBLERIDGE_CUSTOMFOLDER_H
#define TUMBLERIDGE_CUSTOMFOLDER_H

#include <windows.h>

// Fills the list with the "*.rez" entries of the folder "Custom" below the current folder, in the order the
// file system gives them; the count added (0 when "Custom" cannot be entered). The current folder is the
// one it was before on every path.
int ScanCustomFolder(HWND list);

#endif
