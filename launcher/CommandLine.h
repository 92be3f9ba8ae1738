// Launcher switches, the engine's command line and other program commands: text work without Win32.
#ifndef TUMBLERIDGE_COMMANDLINE_H
#define TUMBLERIDGE_COMMANDLINE_H

#include <cstddef>

// Capacity of the upper-case copy of the launcher's arguments, NUL included (255 characters).
const size_t switchCopyCapacity = 256;
// Capacity of the engine command line, NUL included (1023 characters).
const size_t engineCommandCapacity = 1024;
// Capacity of a program command started by RunProgram, NUL included (255 characters).
const size_t programCommandCapacity = 256;

struct LauncherSwitches {
    bool playMulti;   // "-GOMULTI" or "CONNECT": act as if the main dialog ended with 5
    bool play;        // "-GOGAME": act as if it ended with 1
};

// Searches an upper-case copy of at most 255 bytes of the arguments for the three switches, anywhere in
// the text and without separators (but never from the second byte of a two-byte character).
LauncherSwitches ScanLauncherSwitches(const char* arguments);

// Tells whether a numbered archive file exists in the current folder.
typedef bool (*ArchiveExistsFunction)(const char* fileName, void* context);

// Composes: STRATHEX.EXE -windowtitle "<title>" -rez tumbleridge.rez [-rez tumbleridgeN.rez ...], the
// numbered archives from 2 up to the first gap. An archive whose switch would not fit the capacity ends the
// list. False when even the fixed part does not fit (the output is then empty).
bool ComposeEngineCommandLine(const char* windowTitle, ArchiveExistsFunction exists, void* context, char* output,
                              size_t capacity);

// folder + "\" (unless it ends with one) + file, or the file alone for an empty folder. False when the
// command would not fit the capacity: a cut command would start the wrong program.
bool ComposeProgramCommand(const char* folder, const char* file, char* output, size_t capacity);

// The engine's full path: the folder, "\" when the folder is longer than 3 characters, and the program.
bool ComposeEnginePath(const char* currentFolder, const char* program, char* output, size_t capacity);

// The file name and extension of a full path (the text after the last "\" or "/" character).
const char* FileNamePart(const char* path);

#endif
