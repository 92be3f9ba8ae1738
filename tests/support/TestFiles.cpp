// Folders and files for tests.
#include "TestFiles.h"

#include <windows.h>

#include <cstdio>

#include "utils/CharacterWalk.h"

std::string TestProgramFolder()
{
    char path[MAX_PATH];
    DWORD length = GetModuleFileNameA(NULL, path, sizeof path);
    std::string text(path, length);
    return text.substr(0, text.find_last_of('\\'));
}

std::string BuildFolder()
{
    std::string tests = TestProgramFolder();
    return tests.substr(0, tests.find_last_of('\\'));
}

std::string StandinPath(const std::string& name) { return BuildFolder() + "\\standins\\" + name; }

std::string LauncherExePath() { return BuildFolder() + "\\Tumbleridge.exe"; }

std::string JoinPath(const std::string& folder, const std::string& name)
{
    // By character, as the launcher joins: a folder may end in a two-byte character whose second byte is 0x5C.
    if (EndsInCharacter(folder.c_str(), folder.size(), '\\')) return folder + name;
    return folder + "\\" + name;
}

void RemoveTree(const std::string& path)
{
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(JoinPath(path, "*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            std::string name = found.cFileName;
            if (name == "." || name == "..") continue;
            std::string child = JoinPath(path, name);
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveTree(child);
            } else {
                SetFileAttributesA(child.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileA(child.c_str());
            }
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    RemoveDirectoryA(path.c_str());
}

std::string FreshWorkFolder(const std::string& name)
{
    std::string work = JoinPath(TestProgramFolder(), "work");
    CreateDirectoryA(work.c_str(), NULL);
    std::string folder = JoinPath(work, name);
    RemoveTree(folder);
    CreateDirectoryA(folder.c_str(), NULL);
    return folder;
}

bool WriteFileBytes(const std::string& path, const std::string& bytes)
{
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return false;
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && ok;
}

bool ReadFileBytes(const std::string& path, std::string* bytes)
{
    FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return false;
    bytes->clear();
    char buffer[4096];
    size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) bytes->append(buffer, got);
    std::fclose(file);
    return true;
}

std::string ReadFileText(const std::string& path)
{
    std::string text;
    ReadFileBytes(path, &text);
    return text;
}

bool FileExists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

bool CopyInto(const std::string& source, const std::string& destination)
{
    return CopyFileA(source.c_str(), destination.c_str(), FALSE) != 0;
}

CurrentFolder::CurrentFolder(const std::string& folder)
{
    char path[MAX_PATH];
    DWORD length = GetCurrentDirectoryA(sizeof path, path);
    previous.assign(path, length);
    SetCurrentDirectoryA(folder.c_str());
}

CurrentFolder::~CurrentFolder() { SetCurrentDirectoryA(previous.c_str()); }
