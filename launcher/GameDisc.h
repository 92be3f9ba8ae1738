// The game disc: finding its drive, starting its set-up program, and opening shell targets.
#ifndef TUMBLERIDGE_GAMEDISC_H
#define TUMBLERIDGE_GAMEDISC_H

#include <windows.h>

// The drive letter of the game disc, or 0. A letter once found is kept for the run; while none was found,
// every call searches again ("CdRom Drive" first, then A to Z).
char FindGameDisc();

// Whether folder\file exists (file alone, searched the platform's way, for an empty folder).
BOOL FileExistsIn(const char* folder, const char* file);

// Starts the set-up program from discRoot; false when it is missing or could not be started.
BOOL RunSetupFromDisc();

// Opens the text of a string through the shell; on refusal shows errorStringId (when above 0). False
// without a message when the string is missing.
BOOL OpenTableTarget(HWND owner, UINT stringId, UINT errorStringId);

#endif
