// The chosen add-on archives and their registry values "Save Rez Files" and "Rez Files".
#ifndef TUMBLERIDGE_CHOSENARCHIVES_H
#define TUMBLERIDGE_CHOSENARCHIVES_H

#include <windows.h>

extern int keepChoice;   // "Save Rez Files" as last loaded: 0 or 1

// Loads chosenArchives from the registry (empty unless "Save Rez Files" is set).
void LoadChosenArchives();

#endif
