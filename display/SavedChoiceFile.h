// Writing the display choice back into "autoexec.cfg", replacing the file in one step.
#ifndef TUMBLERIDGE_SAVEDCHOICEFILE_H
#define TUMBLERIDGE_SAVEDCHOICEFILE_H

#include <string>

class DisplayCatalogue;

// Replaces the file with `bytes` through a temporary file in the same folder, so the old file stays whole
// when anything fails. False when nothing was replaced (the temporary file is removed again); a read-only
// file is never replaced.
bool ReplaceFileContents(const char* path, const std::string& bytes);

// Writes the catalogue's renderer, device and mode into the script, keeping its other lines; a missing
// script is made. Writes nothing, and answers false, when the choice is incomplete, the old script
// cannot be read, or the new one cannot be put in its place.
bool WriteSavedChoice(const char* fileName, const DisplayCatalogue& catalogue);

#endif
