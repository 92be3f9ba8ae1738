// Joining a folder and a file name into one path, in a buffer of fixed capacity.
#include "utils/PathJoin.h"

#include <cstdio>
#include <cstring>

#include "utils/CharacterWalk.h"

namespace {

const char* SeparatorAfter(const char* folder, size_t length, PathSeparator separator, const LeadBytes& leadBytes)
{
    switch (separator) {
        case PathSeparator::UnlessPresent:
            return length == 0 || EndsInCharacter(folder, length, '\\', leadBytes) ? "" : "\\";
        case PathSeparator::UnlessPresentRooted:
            return length > 0 && EndsInCharacter(folder, length, '\\', leadBytes) ? "" : "\\";
        case PathSeparator::AfterLongerThanDriveRoot:
            return length > 3 ? "\\" : "";
    }
    return "";
}

}  // namespace

bool JoinPath(const char* folder, const char* name, PathSeparator separator, char* output, size_t capacity,
              const LeadBytes& leadBytes)
{
    if (!output || capacity == 0) return false;
    output[0] = '\0';
    if (!name) return false;
    if (!folder) folder = "";
    const char* between = SeparatorAfter(folder, std::strlen(folder), separator, leadBytes);
    int written = std::snprintf(output, capacity, "%s%s%s", folder, between, name);
    if (written < 0 || static_cast<size_t>(written) >= capacity) {
        output[0] = '\0';
        return false;
    }
    return true;
}
