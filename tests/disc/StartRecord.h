// What the disc's stand-in programs (SETUP.EXE, the preview demos) recorded about how they were started.
#ifndef TUMBLERIDGE_STARTRECORD_H
#define TUMBLERIDGE_STARTRECORD_H

#include <windows.h>

#include <string>

extern const char* const setupRecordVariable;  // TUMBLERIDGE_SETUP_RECORD
extern const char* const demoRecordVariable;   // TUMBLERIDGE_DEMO_RECORD

struct StartRecord {
    bool written;
    std::string command;  // the program's command line
    std::string folder;   // its working folder
};

// Points the stand-in's record variable (inherited by programs started from now on) at folder\<file> and
// deletes an old record there; the record's path.
std::string ExpectStart(const char* variable, const std::string& folder, const std::string& file);
// The record once the stand-in has written it; written is false when none came within timeoutMs.
StartRecord WaitForStartRecord(const std::string& path, DWORD timeoutMs = 5000);

// Copies a folder with everything below it; false when anything failed.
bool CopyTree(const std::string& source, const std::string& destination);

#endif
