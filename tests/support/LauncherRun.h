// The real Tumbleridge.exe run from a test: a fresh game folder for it, the waits for its main dialog and
// its message boxes, its answers and its exit code. Every wait has the same patience.
#ifndef TUMBLERIDGE_LAUNCHERRUN_H
#define TUMBLERIDGE_LAUNCHERRUN_H

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "ProcessDriver.h"
#include "TestFiles.h"

// Generous: Wine starts programs slowly on a loaded machine; a passing test never waits this long.
const DWORD launcherPatience = 40000;

struct GameFolder {
    std::string path;

    // A fresh folder <tests>\work\<name> holding Tumbleridge.exe (under launcherName), the stand-in engine
    // STRATHEX.EXE when withEngine is set, and the archives (small files of those names).
    explicit GameFolder(const std::string& name, const std::vector<std::string>& archives = {}, bool withEngine = true,
                        const std::string& launcherName = "Tumbleridge.exe");
    std::string Launcher() const { return JoinPath(path, launcherName); }
    std::string Engine() const { return JoinPath(path, "STRATHEX.EXE"); }
    // The stand-in engine's record: its command line and working folder ("" until it has run).
    std::string EngineCommand() const;
    std::string EngineFolder() const;
    bool WaitForEngineRecord() const;

    std::string launcherName;
};

// The launcher started in a game folder with the arguments given; when it cannot start, the test case ends
// there as at a failed REQUIRE.
class LauncherRun {
public:
    explicit LauncherRun(const GameFolder& game, const std::string& arguments = "");

    // The main dialog (also when it is shown again), kept in main; null when it does not come.
    HWND WaitForMain();
    // A message box of the launcher that shows the string id, or null.
    HWND WaitForBox(UINT stringId) const;
    HWND WaitForDialog(const std::function<bool(HWND)>& match) const;
    // Presses a button of the main dialog as a click does, without waiting for what it opens.
    void Press(int id) const;
    // Closes the main dialog (shown again or still shown) and returns the exit code, -1 when it did not end.
    long Quit();
    long WaitForExit() { return program.WaitForExit(launcherPatience); }

    RunningProgram program;
    HWND main;
};

// Waits until the window is gone.
bool WaitUntilClosed(HWND window);

// With a launcher running in first, one of the same file name started with -gogame in second ends at once and
// silently (exit code 0, no engine, no run counted), while one of another file name in renamed starts the
// engine; the first then still runs and quits as usual. Settings must be clean before.
void CheckSecondStartEndsSilently(const GameFolder& first, const GameFolder& second, const GameFolder& renamed);

#endif
