// Whether a program runs, by tool-help snapshots of the processes and their modules.
#include "launcher/InstanceCheck.h"

#include "launcher/CommandLine.h"
#include "launcher/ProcLookup.h"

namespace {

typedef HANDLE(WINAPI* SnapshotFunction)(DWORD, DWORD);
typedef BOOL(WINAPI* ProcessWalkFunction)(HANDLE, PROCESSENTRY32*);
typedef BOOL(WINAPI* ModuleWalkFunction)(HANDLE, MODULEENTRY32*);

HMODULE Kernel32()
{
    return GetModuleHandleA("KERNEL32.DLL");
}

// Compares two texts ignoring the case of ASCII letters only.
bool EqualIgnoringAsciiCase(const char* a, const char* b)
{
    for (;; ++a, ++b) {
        char x = *a >= 'a' && *a <= 'z' ? static_cast<char>(*a - 'a' + 'A') : *a;
        char y = *b >= 'a' && *b <= 'z' ? static_cast<char>(*b - 'a' + 'A') : *b;
        if (x != y) return false;
        if (x == '\0') return true;
    }
}

// Whether a process can be the program at all. A module snapshot of another process is slow (milliseconds
// each under Wine), and the module that a match needs, the executable, bears the same file name as the
// process entry, so only a process whose executable has the program's file name is worth one.
bool MayRunProgram(const PROCESSENTRY32& process, const char* name)
{
    return EqualIgnoringAsciiCase(FileNamePart(process.szExeFile), FileNamePart(name));
}

}  // namespace

BOOL FindProcessModule(DWORD processId, DWORD moduleId, MODULEENTRY32* entry)
{
    HMODULE kernel = Kernel32();
    SnapshotFunction snapshot = LookupProc<SnapshotFunction>(kernel, "CreateToolhelp32Snapshot");
    ModuleWalkFunction first = LookupProc<ModuleWalkFunction>(kernel, "Module32First");
    ModuleWalkFunction next = LookupProc<ModuleWalkFunction>(kernel, "Module32Next");
    if (!snapshot || !first || !next || !entry) return FALSE;

    HANDLE modules = snapshot(TH32CS_SNAPMODULE, processId);
    if (modules == INVALID_HANDLE_VALUE) return FALSE;
    BOOL found = FALSE;
    MODULEENTRY32 module;
    module.dwSize = sizeof module;
    for (BOOL more = first(modules, &module); more; more = next(modules, &module)) {
        if (moduleId == 0 || module.th32ModuleID == moduleId) {
            *entry = module;
            found = TRUE;
            break;
        }
    }
    CloseHandle(modules);
    return found;
}

BOOL IsProgramRunning(const char* name, int minimumCount)
{
    if (!name || name[0] == '\0') return FALSE;
    bool fullPath = false;
    for (const char* p = name; *p; ++p) {
        if (*p == '\\') fullPath = true;
    }

    HMODULE kernel = Kernel32();
    SnapshotFunction snapshot = LookupProc<SnapshotFunction>(kernel, "CreateToolhelp32Snapshot");
    ProcessWalkFunction first = LookupProc<ProcessWalkFunction>(kernel, "Process32First");
    ProcessWalkFunction next = LookupProc<ProcessWalkFunction>(kernel, "Process32Next");
    if (!snapshot || !first || !next) return FALSE;

    HANDLE processes = snapshot(TH32CS_SNAPPROCESS, 0);
    if (processes == INVALID_HANDLE_VALUE) return FALSE;
    // Matches are found among the candidates only: with fewer candidates than asked for (the common case,
    // this launcher alone), the answer is no without a single module snapshot.
    int candidates = 0;
    PROCESSENTRY32 process;
    process.dwSize = sizeof process;
    for (BOOL more = first(processes, &process); more; more = next(processes, &process)) {
        if (process.th32ProcessID != 0 && MayRunProgram(process, name)) ++candidates;
    }
    int matches = 0;
    for (BOOL more = candidates >= minimumCount && first(processes, &process); more; more = next(processes, &process)) {
        if (process.th32ProcessID == 0 || !MayRunProgram(process, name)) continue;
        MODULEENTRY32 module;
        if (!FindProcessModule(process.th32ProcessID, process.th32ModuleID, &module)) continue;
        const char* candidate = fullPath ? module.szExePath : module.szModule;
        if (EqualIgnoringAsciiCase(name, candidate) && ++matches >= minimumCount) {
            CloseHandle(processes);
            return TRUE;
        }
    }
    CloseHandle(processes);
    return FALSE;
}
