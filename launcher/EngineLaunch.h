// Starting the engine and other programs as separate processes.
#ifndef TUMBLERIDGE_ENGINELAUNCH_H
#define TUMBLERIDGE_ENGINELAUNCH_H

#include <windows.h>

// Starts STRATHEX.EXE with the window title and the numbered archives of the current folder. False after
// showing string 17 (no main archive) or string 6 (the process could not be made).
BOOL LaunchEngine();

// Starts folder\file (or file alone for an empty folder) with the folder as working folder. Shows nothing;
// false when the process could not be made or the command is longer than 255 characters.
BOOL RunProgram(const char* folder, const char* file);

#endif
