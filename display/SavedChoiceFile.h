// Writing the display choice back into "autoexec.cfg" in one step, and telling the player when it fails.
#ifndef TUMBLERIDGE_SAVEDCHOICEFILE_H
#define TUMBLERIDGE_SAVEDCHOICEFILE_H

#include <windows.h>

#include <string>

#include "display/SavedChoice.h"

class DisplayCatalogue;

// Replaces the file with `bytes` through a temporary file in the same folder, so the old file stays whole
// when anything fails. False when nothing was replaced (the temporary file is removed again), with the
// system's error number of the failed step in *error; a read-only file is never replaced
// (ERROR_FILE_READ_ONLY).
bool ReplaceFileContents(const char* path, const std::string& bytes, DWORD* error = nullptr);

// Writes the catalogue's renderer, device and mode into the script, keeping its other lines; a missing
// script is made. Writes nothing, and answers false, when the choice is incomplete, the old script
// cannot be read, the choice cannot be put into it, or the new one cannot be put in its place; *outcome
// says which.
bool WriteSavedChoice(const char* fileName, const DisplayCatalogue& catalogue, SavedChoiceWrite* outcome = nullptr);

// Tells the player, in a message box over owner, that the choice was not saved and why. Nothing for
// SaveDone and SaveNothingChosen.
void ShowSaveFailure(HWND owner, const SavedChoiceWrite& outcome);

#endif
