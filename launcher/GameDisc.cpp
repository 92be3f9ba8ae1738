// The game disc: finding its drive, starting its set-up program, and opening shell targets.
#include "launcher/GameDisc.h"

#include <shellapi.h>

#include <cstdio>
#include <cstring>

#include "launcher/CommandLine.h"
#include "launcher/EngineLaunch.h"
#include "launcher/LauncherMessages.h"
#include "launcher/LauncherState.h"
#include "launcher/RegistryStore.h"

namespace {

char foundDiscLetter = 0;

// The platform's existence test. An empty removable or CD-ROM drive must answer "no" quietly, not with the
// system's "no disk in drive" box, so critical errors go to the caller while the test runs.
bool PathExists(const char* path)
{
    UINT previousMode = SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    OFSTRUCT info;
    ZeroMemory(&info, sizeof info);
    info.cBytes = sizeof info;
    bool exists = OpenFile(path, &info, OF_EXIST) != HFILE_ERROR;
    SetErrorMode(previousMode);
    return exists;
}

// A letter qualifies when its drive is a CD-ROM drive that holds the marker file.
bool DiscInDrive(char letter)
{
    char root[8];
    std::snprintf(root, sizeof root, "%c:\\", letter);
    if (GetDriveTypeA(root) != DRIVE_CDROM) return false;
    char marker[MAX_PATH];
    int written = std::snprintf(marker, sizeof marker, "%c:%s", letter, discMarkerPath);
    if (written < 0 || static_cast<size_t>(written) >= sizeof marker) return false;
    return PathExists(marker);
}

}  // namespace

char FindGameDisc()
{
    if (foundDiscLetter) return foundDiscLetter;
    if (theRegistryStore) {
        char hint[30];
        DWORD size = sizeof hint;
        if (theRegistryStore->ReadString("CdRom Drive", hint, &size, NULL) && static_cast<signed char>(hint[0]) > 20 &&
            DiscInDrive(hint[0])) {
            foundDiscLetter = hint[0];
            return foundDiscLetter;
        }
    }
    // A letter that names no drive cannot hold the disc; asking its type would cost a query of the system's
    // mount manager for each of them. No answer at all (0) leaves every letter to be tested.
    DWORD drives = GetLogicalDrives();
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        if (drives != 0 && !(drives & (1u << (letter - 'A')))) continue;
        if (DiscInDrive(letter)) {
            foundDiscLetter = letter;
            return foundDiscLetter;
        }
    }
    return 0;
}

BOOL FileExistsIn(const char* folder, const char* file)
{
    if (!folder || !file || file[0] == '\0') return FALSE;
    if (folder[0] == '\0') return PathExists(file);
    char path[256];
    // A folder longer than the buffer is refused, not cut: a cut folder is some other folder.
    if (std::strlen(folder) >= sizeof path) return FALSE;
    lstrcpynA(path, folder, sizeof path);
    size_t length = std::strlen(path);
    if (length > 0 && path[length - 1] == '\\') path[length - 1] = '\0';
    length = std::strlen(path);
    int written = std::snprintf(path + length, sizeof path - length, "\\%s", file);
    if (written < 0 || static_cast<size_t>(written) >= sizeof path - length) return FALSE;
    return PathExists(path);
}

BOOL RunSetupFromDisc()
{
    if (!FileExistsIn(discRoot, setupProgramName)) return FALSE;
    return RunProgram(discRoot, setupProgramName);
}

BOOL OpenTableTarget(HWND owner, UINT stringId, UINT errorStringId)
{
    char target[512];
    if (!LoadTableString(stringId, target, sizeof target)) return FALSE;
    HINSTANCE answer = ShellExecuteA(owner, NULL, target, NULL, NULL, SW_SHOWNORMAL);
    if (reinterpret_cast<INT_PTR>(answer) > 32) return TRUE;
    if (errorStringId > 0) ShowTableMessage(owner, errorStringId, captionText, MB_ICONEXCLAMATION);
    return FALSE;
}
