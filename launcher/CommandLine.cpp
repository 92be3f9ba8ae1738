// Launcher switches, the engine's command line and program commands.
#include "launcher/CommandLine.h"

#include <cstdio>
#include <cstring>

#include "utils/CharacterWalk.h"
#include "utils/PathJoin.h"

LauncherSwitches ScanLauncherSwitches(const char* arguments)
{
    char upper[switchCopyCapacity];
    size_t length = 0;
    if (arguments) {
        for (; arguments[length] != '\0' && length < switchCopyCapacity - 1; ++length)
            upper[length] = arguments[length];
    }
    upper[length] = '\0';
    // By characters: the second byte of a two-byte character is neither upper-cased nor the start of a switch.
    UpperAsciiLetters(upper);

    LauncherSwitches switches;
    switches.playMulti = FindWord(upper, "-GOMULTI") != nullptr || FindWord(upper, "CONNECT") != nullptr;
    switches.play = FindWord(upper, "-GOGAME") != nullptr;
    return switches;
}

namespace {

// Appends text when it fits whole; false (and nothing appended) otherwise.
bool Append(char* output, size_t capacity, size_t* length, const char* text)
{
    size_t add = std::strlen(text);
    if (*length + add >= capacity) return false;
    std::memcpy(output + *length, text, add + 1);
    *length += add;
    return true;
}

}  // namespace

bool ComposeEngineCommandLine(const char* windowTitle, ArchiveExistsFunction exists, void* context, char* output,
                              size_t capacity)
{
    if (!output || capacity == 0) return false;
    output[0] = '\0';
    size_t length = 0;
    if (!Append(output, capacity, &length, "STRATHEX.EXE -windowtitle \"") ||
        !Append(output, capacity, &length, windowTitle ? windowTitle : "") ||
        !Append(output, capacity, &length, "\" -rez tumbleridge.rez")) {
        output[0] = '\0';
        return false;
    }
    for (int number = 2; exists; ++number) {
        char fileName[32];
        std::snprintf(fileName, sizeof fileName, "tumbleridge%d.rez", number);
        if (!exists(fileName, context)) break;
        char piece[40];
        std::snprintf(piece, sizeof piece, " -rez %s", fileName);
        if (!Append(output, capacity, &length, piece)) break;
    }
    return true;
}

bool ComposeProgramCommand(const char* folder, const char* file, char* output, size_t capacity)
{
    return JoinPath(folder, file, PathSeparator::UnlessPresent, output, capacity);
}

bool ComposeEnginePath(const char* currentFolder, const char* program, char* output, size_t capacity)
{
    return JoinPath(currentFolder, program, PathSeparator::AfterLongerThanDriveRoot, output, capacity);
}

const char* FileNamePart(const char* path)
{
    if (!path) return "";
    const char* separator = FindLastOf(path, "\\/");
    return separator ? separator + 1 : path;
}
