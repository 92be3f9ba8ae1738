// The game disc: finding its drive and starting its set-up program.
#include "launcher/GameDisc.h"

#include <cstdio>

#include "launcher/EngineLaunch.h"
#include "launcher/LauncherState.h"
#include "launcher/RegistryStore.h"
#include "utils/FileExists.h"
#include "utils/PathJoin.h"

namespace {

char foundDiscLetter = 0;

// A letter qualifies when its drive is a CD-ROM drive that holds the marker file.
bool DiscInDrive(char letter)
{
    char root[8];
    std::snprintf(root, sizeof root, "%c:\\", letter);
    if (GetDriveTypeA(root) != DRIVE_CDROM) return false;
    char marker[MAX_PATH];
    int written = std::snprintf(marker, sizeof marker, "%c:%s", letter, discMarkerPath);
    if (written < 0 || static_cast<size_t>(written) >= sizeof marker) return false;
    return ExistsByOpenFile(marker);
}

}  // namespace

char FindGameDisc()
{
    if (foundDiscLetter) return foundDiscLetter;
    if (theRegistryStore) {
        char hint[30];
        DWORD size = sizeof hint;
        if (theRegistryStore->ReadString("CdRom Drive", hint, &size, nullptr) &&
            static_cast<signed char>(hint[0]) > 20 && DiscInDrive(hint[0])) {
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
    // A path that does not fit is refused, not cut: a cut folder is some other folder.
    char path[fileExistsPathCapacity];
    if (!JoinPath(folder, file, PathSeparator::UnlessPresent, path, sizeof path)) return FALSE;
    return ExistsByOpenFile(path) ? TRUE : FALSE;
}

BOOL RunSetupFromDisc()
{
    if (!FileExistsIn(discRoot, setupProgramName)) return FALSE;
    return RunProgram(discRoot, setupProgramName);
}
