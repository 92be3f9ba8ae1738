// Where the main and the sound archive were found.
#include "launcher/ArchiveLocation.h"

#include <windows.h>

#include <cstdio>

#include "launcher/LauncherState.h"
#include "utils/FileExists.h"

namespace {

char mainArchivePath[128];
char soundArchivePath[128];

// Copies the path when it fits whole; a longer one would name another file.
bool Remember(char* field, size_t capacity, const char* path)
{
    int written = std::snprintf(field, capacity, "%s", path);
    if (written < 0 || static_cast<size_t>(written) >= capacity) {
        field[0] = '\0';
        return false;
    }
    return true;
}

}  // namespace

int LocateArchives(char discLetter)
{
    mainArchivePath[0] = '\0';
    soundArchivePath[0] = '\0';

    char candidate[MAX_PATH];
    std::snprintf(candidate, sizeof candidate, "%s.rez", archiveStem);
    if (IsExistingFile(candidate)) {
        Remember(mainArchivePath, sizeof mainArchivePath, candidate);
    } else if (IsExistingFolder(archiveStem)) {
        Remember(mainArchivePath, sizeof mainArchivePath, archiveStem);
    } else if (static_cast<signed char>(discLetter) > 0) {
        std::snprintf(candidate, sizeof candidate, "%c:\\data\\%s.rez", discLetter, archiveStem);
        if (IsExistingFile(candidate)) Remember(mainArchivePath, sizeof mainArchivePath, candidate);
    }

    if (IsExistingFile("sound.rez")) {
        Remember(soundArchivePath, sizeof soundArchivePath, "sound.rez");
    } else if (IsExistingFolder("sound")) {
        Remember(soundArchivePath, sizeof soundArchivePath, "sound");
    }
    return mainArchivePath[0] != '\0' && soundArchivePath[0] != '\0';
}

const char* MainArchivePath()
{
    return mainArchivePath;
}

const char* SoundArchivePath()
{
    return soundArchivePath;
}
