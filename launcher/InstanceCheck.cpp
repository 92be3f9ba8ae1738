// Whether a program runs, by tool-help snapshots of the processes and their modules.
#include "launcher/InstanceCheck.h"

#include "launcher/ProcLookup.h"

#include <cstddef>

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

HMODULE Kernel32() { return GetModuleHandleA("KERNEL32.DLL"); }

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
    int matches = 0;
    PROCESSENTRY32 process;
    process.dwSize = sizeof process;
    for (BOOL more = first(processes, &process); more; more = next(processes, &process)) {
        if (process.th32ProcessID == 0) continue;
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
