// The engine console commands typed by the player and whether they are kept between runs.
#ifndef TUMBLERIDGE_CONSOLECOMMANDS_H
#define TUMBLERIDGE_CONSOLECOMMANDS_H

#include <windows.h>

const int commandTextCapacity = 255;  // 254 characters and the NUL, as the dialog's OK stores them

extern DWORD saveCommands;  // "Save Commands": nonzero keeps the text in "Commands"
extern char commandText[commandTextCapacity];
extern DWORD restoreDefaults;  // memory only, for this run

// Loads "Save Commands" and, when it is set, "Commands". Nothing without a settings store.
void LoadConsoleCommands();
// Sets saveCommands to 1 or 0 and writes "Save Commands"; when it is 1, writes commandText to "Commands".
// With saving off the text stored earlier stays in the registry. Nothing is written without a settings store.
void StoreConsoleCommands(bool keepText);

#endif
