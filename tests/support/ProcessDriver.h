// Runs a program (the real launcher, usually) and drives its windows from this test process; the modules of
// a process.
#ifndef TUMBLERIDGE_PROCESSDRIVER_H
#define TUMBLERIDGE_PROCESSDRIVER_H

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

class RunningProgram {
public:
    RunningProgram();
    ~RunningProgram();   // ends the program when it still runs

    // Starts "exe" arguments in folder, with extra "NAME=value" environment entries when given.
    bool Start(const std::string& exe, const std::string& arguments, const std::string& folder,
               const std::string& extraEnvironment = "");
    // The exit code, or -1 when the program still runs after timeoutMs (it is then ended).
    long WaitForExit(DWORD timeoutMs);
    bool IsRunning() const;
    DWORD Id() const { return processId; }

    // A visible top-level dialog (class #32770) of the program that satisfies match, within timeoutMs.
    HWND WaitForDialog(const std::function<bool(HWND)>& match, DWORD timeoutMs) const;
    HWND WaitForDialogTitled(const std::string& title, DWORD timeoutMs) const;

private:
    HANDLE process;
    DWORD processId;
};

// The first visible top-level dialog (class #32770) of the process that satisfies match, or null; no wait.
HWND FindProcessDialog(DWORD processId, const std::function<bool(HWND)>& match);

// The file names of the modules that the process has loaded, in lower case ("comctl32.dll"); false when no
// module snapshot of it can be taken.
bool ProcessModuleNames(DWORD processId, std::vector<std::string>* names);

// The full path of a module loaded into this process, in lower case; "" when it is not loaded.
std::string LoadedModulePath(const char* module);

// Whether call is the export of that name of the module loaded into this process, not a stand-in for it.
template <typename F>
bool IsExport(F call, const char* module, const char* name)
{
    HMODULE loaded = GetModuleHandleA(module);
    return loaded && reinterpret_cast<void*>(call) == reinterpret_cast<void*>(GetProcAddress(loaded, name));
}

// Waits until the condition holds, checking every 20 ms; false after timeoutMs.
bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs);

#endif
