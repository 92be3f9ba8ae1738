// Folders and files for tests: the build's layout, fresh work folders, small file helpers.
#ifndef TUMBLERIDGE_TESTFILES_H
#define TUMBLERIDGE_TESTFILES_H

#include <string>

std::string TestProgramFolder();                 // the folder of the running test program
std::string BuildFolder();                       // its parent: Tumbleridge.exe lies there
std::string StandinPath(const std::string& name); // <build>\standins\<name>
std::string LauncherExePath();                   // <build>\Tumbleridge.exe

// An empty folder <tests>\work\<name> (emptied when it exists); its full path.
std::string FreshWorkFolder(const std::string& name);
void RemoveTree(const std::string& path);

bool WriteFileBytes(const std::string& path, const std::string& bytes);
bool ReadFileBytes(const std::string& path, std::string* bytes);
std::string ReadFileText(const std::string& path);   // empty when missing
bool FileExists(const std::string& path);
bool CopyInto(const std::string& source, const std::string& destination);
std::string JoinPath(const std::string& folder, const std::string& name);

// Sets the current folder for the life of the object.
class CurrentFolder {
public:
    explicit CurrentFolder(const std::string& folder);
    ~CurrentFolder();
private:
    std::string previous;
};

#endif
