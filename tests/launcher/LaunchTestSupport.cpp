// A game folder for end-to-end runs of the real launcher.
#include "LaunchTestSupport.h"

#include "ProcessDriver.h"

GameFolder::GameFolder(const std::string& name, const std::vector<std::string>& archives, bool withEngine,
                       const std::string& launcherName_)
    : path(FreshWorkFolder(name)), launcherName(launcherName_)
{
    CopyInto(LauncherExePath(), Launcher());
    if (withEngine) CopyInto(StandinPath("STRATHEX.EXE"), Engine());
    for (const std::string& archive : archives) WriteFileBytes(JoinPath(path, archive), "archive\n");
}

namespace {

std::string RecordLine(const std::string& record, const std::string& key)
{
    size_t start = record.find(key + "=");
    if (start == std::string::npos) return "";
    start += key.size() + 1;
    size_t end = record.find_first_of("\r\n", start);
    return record.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

}  // namespace

std::string GameFolder::EngineCommand() const
{
    return RecordLine(ReadFileText(JoinPath(path, "engine-started.txt")), "command");
}

std::string GameFolder::EngineFolder() const
{
    return RecordLine(ReadFileText(JoinPath(path, "engine-started.txt")), "folder");
}

bool GameFolder::WaitForEngineRecord() const
{
    return WaitUntil([&]() { return !EngineFolder().empty(); }, 40000);
}
