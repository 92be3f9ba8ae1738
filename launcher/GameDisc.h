// The game disc: finding its drive and starting its set-up program.
#ifndef TUMBLERIDGE_GAMEDISC_H
#define TUMBLERIDGE_GAMEDISC_H

#include <windows.h>

// The drive letter of the game disc, or 0. A letter once found is kept for the run; while none was found,
// every call searches again ("CdRom Drive" first, then A to Z).
char FindGameDisc();

// Room for the path FileExistsIn tests: 255 characters and the NUL.
const int fileExistsPathCapacity = 256;

// Whether folder\file exists (file alone, searched the platform's way, for an empty folder).
BOOL FileExistsIn(const char* folder, const char* file);

// Starts the set-up program from discRoot; false when it is missing or could not be started.
BOOL RunSetupFromDisc();

#endif
