// The folder "Custom" of the game folder, where the add-on archives lie.
#include "options/CustomFolder.h"

#include <new>

#include "utils/ListBoxRows.h"

namespace {

// The current folder's full path in a new array the caller deletes; null when it cannot be had.
char* CurrentFolderPath()
{
    DWORD needed = GetCurrentDirectoryA(0, nullptr);
    if (needed == 0) return nullptr;
    char* path = new (std::nothrow) char[needed + 1];
    if (!path) return nullptr;
    DWORD length = GetCurrentDirectoryA(needed + 1, path);
    if (length == 0 || length > needed) {
        delete[] path;
        return nullptr;
    }
    return path;
}

}  // namespace

int ScanCustomFolder(HWND list)
{
    ClearListRows(list);
    // The launch and every relative path after this depend on the game folder being current again, so the
    // way back is the full path saved here, whatever "Custom" is; ".." is only the fallback.
    char* gameFolder = CurrentFolderPath();
    if (!SetCurrentDirectoryA("Custom")) {
        delete[] gameFolder;
        return 0;
    }

    int count = 0;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA("*.rez", &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            if (AddListRow(list, found.cFileName) >= 0) ++count;
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }

    if (!gameFolder || gameFolder[0] == '\0' || !SetCurrentDirectoryA(gameFolder)) SetCurrentDirectoryA("..");
    delete[] gameFolder;
    return count;
}
