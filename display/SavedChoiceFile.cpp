// Writing the display choice back into "autoexec.cfg", replacing the file in one step.
#include "display/SavedChoiceFile.h"

#include "display/SavedChoice.h"
#include "utils/CharacterWalk.h"

#include <windows.h>

namespace {

const DWORD largestScript = 16 * 1024 * 1024;  // a larger "script" is not ours to rewrite

// The whole file; an absent file reads as empty. False when it exists but cannot be read.
bool ReadWholeFile(const char* path, std::string* bytes)
{
    bytes->clear();
    HANDLE file =
        CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return GetLastError() == ERROR_FILE_NOT_FOUND;
    bool ok = false;
    DWORD high = 0;
    DWORD size = GetFileSize(file, &high);
    if (size != INVALID_FILE_SIZE && high == 0 && size <= largestScript) {
        bytes->resize(size);
        DWORD got = 0;
        ok = size == 0 || (ReadFile(file, &(*bytes)[0], size, &got, nullptr) && got == size);
    }
    CloseHandle(file);
    return ok;
}

bool WriteWholeFile(const char* path, const std::string& bytes)
{
    HANDLE file = CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    bool ok = true;
    std::size_t done = 0;
    while (ok && done < bytes.size()) {
        DWORD chunk = static_cast<DWORD>(bytes.size() - done > 0x100000 ? 0x100000 : bytes.size() - done);
        DWORD wrote = 0;
        ok = WriteFile(file, bytes.data() + done, chunk, &wrote, nullptr) && wrote == chunk;
        done += wrote;
    }
    ok = FlushFileBuffers(file) && ok;
    return CloseHandle(file) && ok;
}

}  // namespace

bool ReplaceFileContents(const char* path, const std::string& bytes)
{
    if (!path || !*path) return false;
    // A read-only script was locked on purpose. Windows refuses to replace it anyway; Wine would not.
    DWORD attributes = GetFileAttributesA(path);
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) return false;
    std::string folder = ".";
    const char* slash = FindLastOf(path, "\\/");
    if (slash) folder.assign(path, static_cast<std::size_t>(slash - path) + 1);

    char temporary[MAX_PATH];
    if (!GetTempFileNameA(folder.c_str(), "trd", 0, temporary)) return false;
    if (!WriteWholeFile(temporary, bytes) ||
        !MoveFileExA(temporary, path, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        DeleteFileA(temporary);
        return false;
    }
    return true;
}

bool WriteSavedChoice(const char* fileName, const DisplayCatalogue& catalogue)
{
    DisplayChoice choice;
    if (!fileName || !CurrentDisplayChoice(catalogue, &choice)) return false;
    std::string original;
    if (!ReadWholeFile(fileName, &original)) return false;
    std::string composed;
    if (!ComposeSavedChoice(original, choice, &composed)) return false;
    if (composed == original) return true;
    return ReplaceFileContents(fileName, composed);
}
