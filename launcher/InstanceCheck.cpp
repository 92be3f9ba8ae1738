// Whether a program runs, by tool-help snapshots of the processes and their modules.
#include "launcher/InstanceCheck.h"

#include <cstddef>

#include "launcher/CommandLine.h"
#include "launcher/ProcLookup.h"
#include "utils/CharacterWalk.h"

namespace {

typedef HANDLE(WINAPI* SnapshotFunction)(DWORD, DWORD);
typedef BOOL(WINAPI* ProcessWalkFunction)(HANDLE, PROCESSENTRY32*);
typedef BOOL(WINAPI* ModuleWalkFunction)(HANDLE, MODULEENTRY32*);

// The records kernel32 fills in, as this build lays them out: the 32-bit one is the players' build,
// where a wrong layout would go unseen (emulated test runs cannot take module snapshots).
#if defined(__i386__) || defined(_M_IX86)
static_assert(sizeof(PROCESSENTRY32) == 296, "PROCESSENTRY32 layout");
static_assert(offsetof(PROCESSENTRY32, th32ProcessID) == 8, "PROCESSENTRY32 layout");
static_assert(offsetof(PROCESSENTRY32, th32ModuleID) == 16, "PROCESSENTRY32 layout");
static_assert(offsetof(PROCESSENTRY32, szExeFile) == 36, "PROCESSENTRY32 layout");
static_assert(sizeof(MODULEENTRY32) == 548, "MODULEENTRY32 layout");
static_assert(offsetof(MODULEENTRY32, th32ModuleID) == 4, "MODULEENTRY32 layout");
static_assert(offsetof(MODULEENTRY32, modBaseAddr) == 20, "MODULEENTRY32 layout");
static_assert(offsetof(MODULEENTRY32, hModule) == 28, "MODULEENTRY32 layout");
static_assert(offsetof(MODULEENTRY32, szModule) == 32, "MODULEENTRY32 layout");
static_assert(offsetof(MODULEENTRY32, szExePath) == 288, "MODULEENTRY32 layout");
#elif defined(__x86_64__) || defined(_M_X64)
static_assert(sizeof(PROCESSENTRY32) == 304, "PROCESSENTRY32 layout");
static_assert(offsetof(PROCESSENTRY32, th32ModuleID) == 24, "PROCESSENTRY32 layout");
static_assert(offsetof(PROCESSENTRY32, szExeFile) == 44, "PROCESSENTRY32 layout");
static_assert(sizeof(MODULEENTRY32) == 568, "MODULEENTRY32 layout");
static_assert(offsetof(MODULEENTRY32, szModule) == 48, "MODULEENTRY32 layout");
static_assert(offsetof(MODULEENTRY32, szExePath) == 304, "MODULEENTRY32 layout");
#endif

HMODULE Kernel32()
{
    return GetModuleHandleA("KERNEL32.DLL");
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

void AnswerProgramQueries(ProgramQuery* queries, int count)
{
    bool asked = false;
    for (int i = 0; i < count; ++i) {
        queries[i].running = FALSE;
        queries[i].candidates = 0;
        queries[i].matches = 0;
        if (queries[i].name && queries[i].name[0] != '\0') asked = true;
    }
    if (!asked) return;

    HMODULE kernel = Kernel32();
    SnapshotFunction snapshot = LookupProc<SnapshotFunction>(kernel, "CreateToolhelp32Snapshot");
    ProcessWalkFunction first = LookupProc<ProcessWalkFunction>(kernel, "Process32First");
    ProcessWalkFunction next = LookupProc<ProcessWalkFunction>(kernel, "Process32Next");
    if (!snapshot || !first || !next) return;

    HANDLE processes = snapshot(TH32CS_SNAPPROCESS, 0);
    if (processes == INVALID_HANDLE_VALUE) return;
    PROCESSENTRY32 process;
    process.dwSize = sizeof process;
    for (BOOL more = first(processes, &process); more; more = next(processes, &process)) {
        if (process.th32ProcessID == 0) continue;
        for (int i = 0; i < count; ++i) {
            if (queries[i].name && queries[i].name[0] != '\0' && MayRunProgram(process, queries[i].name))
                ++queries[i].candidates;
        }
    }
    // Matches are found among the candidates only: a query with fewer candidates than it asks for (the
    // common case, this launcher alone) is answered no without a single module snapshot.
    int open = 0;
    for (int i = 0; i < count; ++i) {
        if (queries[i].candidates > 0 && queries[i].candidates >= queries[i].minimumCount) ++open;
    }
    for (BOOL more = open > 0 && first(processes, &process); more && open > 0; more = next(processes, &process)) {
        if (process.th32ProcessID == 0) continue;
        MODULEENTRY32 module;
        int moduleState = 0;  // 0 not asked yet, 1 found, -1 not found
        for (int i = 0; i < count; ++i) {
            ProgramQuery& query = queries[i];
            if (query.running || query.candidates == 0 || query.candidates < query.minimumCount ||
                !MayRunProgram(process, query.name))
                continue;
            if (moduleState == 0)
                moduleState = FindProcessModule(process.th32ProcessID, process.th32ModuleID, &module) ? 1 : -1;
            if (moduleState < 0) break;
            const char* candidate = FindLastOf(query.name, "\\") ? module.szExePath : module.szModule;
            if (EqualIgnoringAsciiCase(query.name, candidate) && ++query.matches >= query.minimumCount) {
                query.running = TRUE;
                --open;
            }
        }
    }
    CloseHandle(processes);
}

BOOL IsProgramRunning(const char* name, int minimumCount)
{
    ProgramQuery query = {name, minimumCount, FALSE, 0, 0};
    AnswerProgramQueries(&query, 1);
    return query.running;
}
