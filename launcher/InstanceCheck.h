// Whether a program runs: process and module snapshots, looked up by name at each use.
#ifndef TUMBLERIDGE_INSTANCECHECK_H
#define TUMBLERIDGE_INSTANCECHECK_H

#include <windows.h>
#include <tlhelp32.h>

// True when at least minimumCount running processes were started from name: a bare file name is compared
// with module names, a name with a backslash character with full paths, ignoring ASCII case (the names are
// walked by character in the ANSI code page). False when the check cannot be made.
BOOL IsProgramRunning(const char* name, int minimumCount);

// One question of AnswerProgramQueries: name and minimumCount as for IsProgramRunning; the walk fills in
// the answer, the processes whose executable bears the name's file name, and how many of those matched.
struct ProgramQuery {
    const char* name;
    int minimumCount;
    BOOL running;
    int candidates;
    int matches;
};

// Answers each query as IsProgramRunning would, from one walk over one process snapshot: every process
// that a walk passes costs time, so questions asked together share it.
void AnswerProgramQueries(ProgramQuery* queries, int count);

// The module of a process whose module id is moduleId, copied into *entry. A module id of 0 (what
// NT-family systems give every process entry) stands for the process's first module, its executable.
BOOL FindProcessModule(DWORD processId, DWORD moduleId, MODULEENTRY32* entry);

#endif
