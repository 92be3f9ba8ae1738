// The real launcher run from a test in a game folder of its own.
#include "LauncherRun.h"

#include "DialogDriver.h"
#include "TestKit.h"
#include "TestRegistry.h"

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
    return WaitUntil([&]() { return !EngineFolder().empty(); }, launcherPatience);
}

LauncherRun::LauncherRun(const GameFolder& game, const std::string& arguments) : main(NULL)
{
    REQUIRE(program.Start(game.Launcher(), arguments, game.path));
}

HWND LauncherRun::WaitForMain()
{
    main = program.WaitForDialog(IsMainDialog, launcherPatience);
    return main;
}

HWND LauncherRun::WaitForBox(UINT stringId) const
{
    std::string text = TableString(stringId);
    return WaitForDialog([&](HWND window) { return IsMessageBox(window) && MessageBoxText(window) == text; });
}

HWND LauncherRun::WaitForDialog(const std::function<bool(HWND)>& match) const
{
    return program.WaitForDialog(match, launcherPatience);
}

void LauncherRun::Press(int id) const
{
    PostMessageA(GetDlgItem(main, id), BM_CLICK, 0, 0);
}

long LauncherRun::Quit()
{
    if (WaitForMain()) EndWith(main, IDCANCEL);
    return WaitForExit();
}

bool WaitUntilClosed(HWND window)
{
    return WaitUntil([window]() { return !IsWindow(window); }, launcherPatience);
}

void CheckSecondStartEndsSilently(const GameFolder& first, const GameFolder& second, const GameFolder& renamed)
{
    LauncherRun running(first);
    HWND main = running.WaitForMain();
    REQUIRE(main != NULL);

    LauncherRun another(second, "-gogame");
    CHECK_EQ(another.WaitForExit(), 0L);
    CHECK(!SettingExists("Num Launcher Runs"));
    CHECK(!FileExists(JoinPath(second.path, "engine-started.txt")));

    // A launcher under another file name is not the same program.
    LauncherRun other(renamed, "-gogame");
    CHECK_EQ(other.WaitForExit(), 1L);
    CHECK(renamed.WaitForEngineRecord());

    CHECK(running.program.IsRunning());
    EndWith(main, IDCANCEL);
    CHECK_EQ(running.WaitForExit(), 1L);
}
