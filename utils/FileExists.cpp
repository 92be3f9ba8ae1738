// Whether a file or folder exists, by each of the tests the launcher's callers rely on.
#include "utils/FileExists.h"

#include <windows.h>

#include <cstdio>

namespace {

bool AttributesMatch(const char* path, bool folder)
{
    if (!path || path[0] == '\0') return false;
    DWORD attributes = GetFileAttributesA(path);
    if (attributes == INVALID_FILE_ATTRIBUTES) return false;
    return ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) == folder;
}

}  // namespace

bool ExistsByOpenFile(const char* path)
{
    if (!path) return false;
    // Critical errors go to the caller while the test runs: a drive without its disc is simply "no".
    UINT previousMode = SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    OFSTRUCT info;
    ZeroMemory(&info, sizeof info);
    info.cBytes = sizeof info;
    bool exists = OpenFile(path, &info, OF_EXIST) != HFILE_ERROR;
    SetErrorMode(previousMode);
    return exists;
}

bool IsExistingFile(const char* path)
{
    return AttributesMatch(path, false);
}

bool IsExistingFolder(const char* path)
{
    return AttributesMatch(path, true);
}

bool OpensForReading(const char* path)
{
    if (!path) return false;
    std::FILE* file = std::fopen(path, "r");
    if (!file) return false;
    std::fclose(file);
    return true;
}
