// The chosen add-on archives and their registry values "Save Rez Files" and "Rez Files".
#ifndef TUMBLERIDGE_CHOSENARCHIVES_H
#define TUMBLERIDGE_CHOSENARCHIVES_H

#include <windows.h>

extern int keepChoice;  // "Save Rez Files" as last loaded: 0 or 1

// Loads chosenArchives from the registry (empty unless "Save Rez Files" is set). Without a store the
// list keeps what it holds.
void LoadChosenArchives();

// Stores chosenArchives as the dialog's keep box says: "Save Rez Files" always, "Rez Files" only when the
// box is checked. A list too long to read back whole is stored up to the last name that fits, and the
// player is told, with the dialog as owner, how many names were left out.
void SaveChosenArchives(HWND dialog);

#endif
