// Writing the display choice back into "autoexec.cfg" in one step, and telling the player when it fails.
#include "display/SavedChoiceFile.h"

#include "display/SavedChoice.h"
#include "launcher/LauncherMessages.h"
#include "launcher/LauncherState.h"
#include "resource.h"
#include "utils/CharacterWalk.h"

#include <windows.h>

#include <cstdio>
#include <cstring>

namespace {

const DWORD largestScript = 16 * 1024 * 1024;  // a larger "script" is not ours to rewrite

// The whole file; an absent file reads as empty. 0 or the system's error number when it exists but cannot
// be read (ERROR_FILE_TOO_LARGE for one beyond largestScript).
DWORD ReadWholeFile(const char* path, std::string* bytes)
{
    bytes->clear();
    HANDLE file =
        CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        DWORD error = GetLastError();
        return error == ERROR_FILE_NOT_FOUND ? 0 : error;
    }
    DWORD error = 0;
    DWORD high = 0;
    DWORD size = GetFileSize(file, &high);
    if (size == INVALID_FILE_SIZE && GetLastError() != NO_ERROR) {
        error = GetLastError();
    } else if (high != 0 || size > largestScript) {
        error = ERROR_FILE_TOO_LARGE;
    } else if (size > 0) {
        bytes->resize(size);
        DWORD got = 0;
        if (!ReadFile(file, &(*bytes)[0], size, &got, nullptr))
            error = GetLastError();
        else if (got != size)
            error = ERROR_HANDLE_EOF;  // the file shrank while it was read
    }
    CloseHandle(file);
    return error;
}

// 0, or the system's error number of the first step that failed.
DWORD WriteWholeFile(const char* path, const std::string& bytes)
{
    HANDLE file = CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return GetLastError();
    DWORD error = 0;
    std::size_t done = 0;
    while (!error && done < bytes.size()) {
        DWORD chunk = static_cast<DWORD>(bytes.size() - done > 0x100000 ? 0x100000 : bytes.size() - done);
        DWORD wrote = 0;
        if (!WriteFile(file, bytes.data() + done, chunk, &wrote, nullptr))
            error = GetLastError();
        else if (wrote != chunk)
            error = ERROR_DISK_FULL;  // a short write leaves no room for the rest
        done += wrote;
    }
    if (!FlushFileBuffers(file) && !error) error = GetLastError();
    if (!CloseHandle(file) && !error) error = GetLastError();
    return error;
}

// Whether another program holds the file open without letting it be deleted, and so replaced.
bool HeldOpenElsewhere(const char* path)
{
    HANDLE file = CreateFileA(path, DELETE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return GetLastError() == ERROR_SHARING_VIOLATION;
    CloseHandle(file);
    return false;
}

// The failure of a step that the system refused; SaveDone stays SaveDone.
SavedChoiceWrite SystemFailure(DWORD error)
{
    SavedChoiceWrite outcome;
    outcome.failure = SaveFailureOfSystemError(error);
    outcome.systemError = error;
    return outcome;
}

}  // namespace

bool ReplaceFileContents(const char* path, const std::string& bytes, DWORD* error)
{
    DWORD ignored = 0;
    if (!error) error = &ignored;
    *error = ERROR_INVALID_PARAMETER;
    if (!path || !*path) return false;
    // A read-only script was locked on purpose. Windows refuses to replace it anyway; Wine would not.
    DWORD attributes = GetFileAttributesA(path);
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) {
        *error = ERROR_FILE_READ_ONLY;
        return false;
    }
    std::string folder = ".";
    const char* slash = FindLastOf(path, "\\/");
    if (slash) folder.assign(path, static_cast<std::size_t>(slash - path) + 1);

    char temporary[MAX_PATH];
    if (!GetTempFileNameA(folder.c_str(), "trd", 0, temporary)) {
        *error = GetLastError();
        return false;
    }
    *error = WriteWholeFile(temporary, bytes);
    if (!*error && !MoveFileExA(temporary, path, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        *error = GetLastError();
        // A file that another program holds open is refused as "access denied" although the folder has
        // just taken the temporary file: the file itself says whether it is in use.
        if (*error == ERROR_ACCESS_DENIED && HeldOpenElsewhere(path)) *error = ERROR_SHARING_VIOLATION;
    }
    if (*error) DeleteFileA(temporary);
    return *error == 0;
}

bool WriteSavedChoice(const char* fileName, const DisplayCatalogue& catalogue, SavedChoiceWrite* outcome)
{
    SavedChoiceWrite ignored;
    if (!outcome) outcome = &ignored;
    *outcome = SavedChoiceWrite();
    DisplayChoice choice;
    if (!fileName || !CurrentDisplayChoice(catalogue, &choice)) {
        outcome->failure = SaveNothingChosen;
        return false;
    }
    std::string original;
    DWORD error = ReadWholeFile(fileName, &original);
    if (error) {
        *outcome = SystemFailure(error);
        return false;
    }
    std::string composed;
    ComposeProblem problem;
    if (!ComposeSavedChoice(original, choice, &composed, &problem)) {
        outcome->failure = problem.valueUnwritable ? SaveValueUnwritable : SaveLineInTheWay;
        outcome->key = savedChoiceKeyNames[problem.key];
        outcome->line = problem.line.empty() ? outcome->key : problem.line;
        return false;
    }
    if (composed == original) return true;
    ReplaceFileContents(fileName, composed, &error);
    *outcome = SystemFailure(error);
    return outcome->failure == SaveDone;
}

void ShowSaveFailure(HWND owner, const SavedChoiceWrite& outcome)
{
    // The reason of each failure, in the order of SaveFailure.
    static const UINT reasons[] = {0,
                                   0,
                                   IDS_SAVE_FOLDER_DENIED,
                                   IDS_SAVE_DISK_FULL,
                                   IDS_SAVE_FILE_IN_USE,
                                   IDS_SAVE_FILE_READ_ONLY,
                                   IDS_SAVE_LINE_IN_THE_WAY,
                                   IDS_SAVE_VALUE_UNWRITABLE,
                                   IDS_SAVE_SYSTEM_ERROR};
    static_assert(sizeof reasons / sizeof reasons[0] == SaveSystemError + 1, "a reason for every failure");
    UINT reasonId = reasons[outcome.failure];
    if (!reasonId) return;
    // The reason takes the line's first word or the key (or the system's own words for the error), and
    // the key; it then stands in the common frame.
    std::string first = outcome.failure == SaveLineInTheWay ? outcome.line : outcome.key;
    if (outcome.failure == SaveSystemError) {
        char system[256];
        DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                                      outcome.systemError, 0, system, sizeof system, nullptr);
        first.assign(system, length);
        first.erase(first.find_last_not_of("\r\n ") + 1);
        if (first.empty()) first = "error " + std::to_string(outcome.systemError);
    }
    char format[512];
    char reason[768];
    if (!LoadTableString(reasonId, format, sizeof format)) format[0] = '\0';
    snprintf(reason, sizeof reason, format, first.c_str(), outcome.key.c_str());
    ShowLauncherMessageWith(owner, IDS_DISPLAY_NOT_SAVED, MB_OK | MB_ICONWARNING, reason);
}
