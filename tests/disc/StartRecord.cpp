// What the disc's stand-in programs recorded about how they were started.
#include "StartRecord.h"

#include "ProcessDriver.h"
#include "TestFiles.h"

const char* const setupRecordVariable = "TUMBLERIDGE_SETUP_RECORD";
const char* const demoRecordVariable = "TUMBLERIDGE_DEMO_RECORD";

std::string ExpectStart(const char* variable, const std::string& folder, const std::string& file)
{
    std::string path = JoinPath(folder, file);
    DeleteFileA(path.c_str());
    SetEnvironmentVariableA(variable, path.c_str());
    return path;
}

namespace {

std::string LineValue(const std::string& text, const std::string& key)
{
    std::string prefix = key + "=";
    size_t start = text.compare(0, prefix.size(), prefix) == 0 ? 0 : text.find("\n" + prefix);
    if (start == std::string::npos) return "(none)";
    if (start > 0) start += 1;
    start += prefix.size();
    size_t end = text.find_first_of("\r\n", start);  // the stand-in writes text lines: "\r\n" ends them
    return text.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

}  // namespace

StartRecord WaitForStartRecord(const std::string& path, DWORD timeoutMs)
{
    StartRecord record = {false, "", ""};
    // The stand-in writes both lines and closes the file; wait for the second line to be complete.
    std::string text;
    bool complete = WaitUntil(
        [&]() {
            text = ReadFileText(path);
            return text.find("\nfolder=") != std::string::npos && text[text.size() - 1] == '\n';
        },
        timeoutMs);
    if (!complete) return record;
    record.written = true;
    record.command = LineValue(text, "command");
    record.folder = LineValue(text, "folder");
    return record;
}

bool CopyTree(const std::string& source, const std::string& destination)
{
    CreateDirectoryA(destination.c_str(), NULL);
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(JoinPath(source, "*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return false;
    bool ok = true;
    do {
        std::string name = found.cFileName;
        if (name == "." || name == "..") continue;
        std::string from = JoinPath(source, name);
        std::string to = JoinPath(destination, name);
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            ok = CopyTree(from, to) && ok;
        else
            ok = CopyInto(from, to) && ok;
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return ok;
}
