// Starting the engine and other programs as separate processes.
#include "launcher/EngineLaunch.h"

#include "launcher/ArchiveLocation.h"
#include "launcher/CommandLine.h"
#include "launcher/LauncherMessages.h"
#include "launcher/LauncherState.h"
#include "resource.h"
#include "utils/FileExists.h"

namespace {

// Numbered archives are looked for by opening them for reading in text mode.
bool ArchiveFileExists(const char* fileName, void*)
{
    return OpensForReading(fileName);
}

}  // namespace

BOOL LaunchEngine()
{
    if (MainArchivePath()[0] == '\0') {
        ShowLauncherMessage(nullptr, IDS_NO_MAIN_ARCHIVE, MB_ICONEXCLAMATION);
        return FALSE;
    }
    SoundArchivePath();  // asked, not used: the engine finds its sound archive itself

    char commandLine[engineCommandCapacity];
    bool composed =
        ComposeEngineCommandLine(engineWindowTitle, ArchiveFileExists, nullptr, commandLine, sizeof commandLine);

    STARTUPINFOA startup;
    ZeroMemory(&startup, sizeof startup);
    startup.cb = sizeof startup;
    GetStartupInfoA(&startup);

    PROCESS_INFORMATION process;
    ZeroMemory(&process, sizeof process);
    BOOL created = composed && CreateProcessA(nullptr, commandLine, nullptr, nullptr, FALSE,
                                              CREATE_NEW_PROCESS_GROUP | CREATE_DEFAULT_ERROR_MODE, nullptr, nullptr,
                                              &startup, &process);
    if (!created) {
        ShowLauncherMessage(nullptr, IDS_ENGINE_FAILED, MB_ICONEXCLAMATION);
        return FALSE;
    }
    // The engine runs on its own; the launcher keeps no handle to it.
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return TRUE;
}

BOOL RunProgram(const char* folder, const char* file)
{
    char command[programCommandCapacity];
    if (!ComposeProgramCommand(folder, file, command, sizeof command)) return FALSE;

    STARTUPINFOA startup;
    ZeroMemory(&startup, sizeof startup);
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process;
    ZeroMemory(&process, sizeof process);
    const char* workingFolder = folder && folder[0] != '\0' ? folder : nullptr;
    if (!CreateProcessA(nullptr, command, nullptr, nullptr, FALSE, 0, nullptr, workingFolder, &startup, &process))
        return FALSE;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return TRUE;
}
