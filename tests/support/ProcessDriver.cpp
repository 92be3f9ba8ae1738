// Runs a program and drives its windows from the test process.
#include "ProcessDriver.h"

#include <tlhelp32.h>

#include <vector>

#include "DialogDriver.h"

RunningProgram::RunningProgram() : process(NULL), processId(0) {}

RunningProgram::~RunningProgram()
{
    if (process) {
        if (IsRunning()) TerminateProcess(process, 99);
        CloseHandle(process);
    }
}

bool RunningProgram::Start(const std::string& exe, const std::string& arguments, const std::string& folder,
                           const std::string& extraEnvironment)
{
    std::string commandLine = "\"" + exe + "\"" + (arguments.empty() ? "" : " " + arguments);
    std::vector<char> line(commandLine.begin(), commandLine.end());
    line.push_back('\0');

    std::vector<char> environment;
    if (!extraEnvironment.empty()) {
        char* block = GetEnvironmentStringsA();
        const char* p = block;
        while (*p) {
            size_t length = lstrlenA(p);
            environment.insert(environment.end(), p, p + length + 1);
            p += length + 1;
        }
        FreeEnvironmentStringsA(block);
        size_t start = 0;
        while (start < extraEnvironment.size()) {
            size_t end = extraEnvironment.find('\n', start);
            if (end == std::string::npos) end = extraEnvironment.size();
            environment.insert(environment.end(), extraEnvironment.begin() + static_cast<long>(start),
                               extraEnvironment.begin() + static_cast<long>(end));
            environment.push_back('\0');
            start = end + 1;
        }
        environment.push_back('\0');
    }

    STARTUPINFOA startup;
    ZeroMemory(&startup, sizeof startup);
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info;
    ZeroMemory(&info, sizeof info);
    if (!CreateProcessA(exe.c_str(), &line[0], NULL, NULL, FALSE, 0,
                        environment.empty() ? NULL : &environment[0], folder.empty() ? NULL : folder.c_str(),
                        &startup, &info))
        return false;
    CloseHandle(info.hThread);
    process = info.hProcess;
    processId = info.dwProcessId;
    return true;
}

long RunningProgram::WaitForExit(DWORD timeoutMs)
{
    if (!process) return -1;
    if (WaitForSingleObject(process, timeoutMs) != WAIT_OBJECT_0) {
        TerminateProcess(process, 99);
        WaitForSingleObject(process, 5000);
        return -1;
    }
    DWORD code = 0;
    GetExitCodeProcess(process, &code);
    return static_cast<long>(code);
}

bool RunningProgram::IsRunning() const { return process && WaitForSingleObject(process, 0) == WAIT_TIMEOUT; }

namespace {

struct DialogSearch {
    DWORD processId;
    const std::function<bool(HWND)>* match;
    HWND found;
};

BOOL CALLBACK VisitWindow(HWND window, LPARAM context)
{
    DialogSearch* search = reinterpret_cast<DialogSearch*>(context);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search->processId || !IsWindowVisible(window)) return TRUE;
    char className[64];
    if (GetClassNameA(window, className, sizeof className) == 0 || lstrcmpA(className, "#32770") != 0) return TRUE;
    if ((*search->match)(window)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

HWND FindProcessDialog(DWORD processId, const std::function<bool(HWND)>& match)
{
    DialogSearch search = {processId, &match, NULL};
    EnumWindows(VisitWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND RunningProgram::WaitForDialog(const std::function<bool(HWND)>& match, DWORD timeoutMs) const
{
    HWND found = NULL;
    WaitUntil([&]() { return (found = FindProcessDialog(processId, match)) != NULL; }, timeoutMs);
    return found;
}

HWND RunningProgram::WaitForDialogTitled(const std::string& title, DWORD timeoutMs) const
{
    return WaitForDialog([&](HWND window) { return WindowText(window) == title; }, timeoutMs);
}

bool ProcessModuleNames(DWORD processId, std::vector<std::string>* names)
{
    names->clear();
    HANDLE snapshot = INVALID_HANDLE_VALUE;
    // A snapshot taken while the process loads a module can fail with ERROR_BAD_LENGTH; a second one works.
    for (int attempt = 0; attempt < 5 && snapshot == INVALID_HANDLE_VALUE; ++attempt)
        snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, processId);
    if (snapshot == INVALID_HANDLE_VALUE) return false;
    MODULEENTRY32 module;
    module.dwSize = sizeof module;
    for (BOOL more = Module32First(snapshot, &module); more; more = Module32Next(snapshot, &module)) {
        CharLowerA(module.szModule);
        names->push_back(module.szModule);
    }
    CloseHandle(snapshot);
    return !names->empty();
}

std::string LoadedModulePath(const char* module)
{
    HMODULE loaded = GetModuleHandleA(module);
    char path[MAX_PATH] = "";
    if (!loaded || GetModuleFileNameA(loaded, path, MAX_PATH) == 0) return "";
    CharLowerA(path);
    return path;
}

bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs)
{
    DWORD start = GetTickCount();
    for (;;) {
        if (condition()) return true;
        if (GetTickCount() - start >= timeoutMs) return false;
        Sleep(20);
    }
}
