// Runs a program (the real launcher, usually) and drives its windows from this test process.
#ifndef TUMBLERIDGE_PROCESSDRIVER_H
#define TUMBLERIDGE_PROCESSDRIVER_H

#include <windows.h>

#include <functional>
#include <string>

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

// Waits until the condition holds, checking every 20 ms; false after timeoutMs.
bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs);

#endif
