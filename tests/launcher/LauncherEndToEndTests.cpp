// The real Tumbleridge.exe, run in game folders of its own: launch, settings, refusals.
#include "DialogDriver.h"
#include "LaunchTestSupport.h"
#include "ProcessDriver.h"
#include "TestKit.h"
#include "TestRegistry.h"
#include "launcher/ArchiveLocation.h"
#include "launcher/LauncherState.h"
#include "resource.h"

namespace {

// Generous: Wine starts programs slowly on a loaded machine; a passing test never waits this long.
const DWORD patience = 40000;

const char* const firstRunSwitches[] = {"Disable Sound",    "Disable Music",   "Disable Movies", "Disable Fog",
                                        "Disable Joystick", "Disable TripBuf", "Disable Cursor", "Disable Loadscreen"};

std::string TableString(UINT id)
{
    char text[512];
    LoadStringA(GetModuleHandleA(NULL), id, text, sizeof text);
    return text;
}

bool IsMainDialog(HWND window)
{
    return GetDlgItem(window, IDOK) && GetDlgItem(window, IDC_GAME_LINK_ZONE1);
}

HWND WaitForBox(const RunningProgram& program, UINT stringId)
{
    std::string text = TableString(stringId);
    return program.WaitForDialog([&](HWND window) { return IsMessageBox(window) && MessageBoxText(window) == text; },
                                 patience);
}

}  // namespace

TEST_CASE(GoGameStartsTheEngineWithTitleAndArchivesAndStoresTheFirstRun)
{
    ClearLauncherSettings();
    GameFolder game("launch-gogame", {"tumbleridge.rez", "tumbleridge2.rez", "tumbleridge4.rez", "sound.rez"});
    RunningProgram launcher;
    REQUIRE(launcher.Start(game.Launcher(), "-gogame", game.path));
    CHECK_EQ(launcher.WaitForExit(patience), 1L);
    REQUIRE(game.WaitForEngineRecord());
    CHECK_EQ(game.EngineCommand(),
             "STRATHEX.EXE -windowtitle \"Tumbleridge\" -rez tumbleridge.rez -rez tumbleridge2.rez");
    CHECK_EQ(game.EngineFolder(), game.path);

    CHECK_EQ(SettingDword("Num Launcher Runs", 99), 1u);
    CHECK_EQ(SettingDword("Last Random", 99), 1u);
    CHECK_EQ(SettingDword("Display Warned", 99), 0u);
    for (const char* name : firstRunSwitches) CHECK_EQ(SettingDword(name, 99), 0u);
    CHECK_EQ(SettingString("Language"), "English");

    RunningProgram second;
    REQUIRE(second.Start(game.Launcher(), "CONNECT", game.path));
    CHECK_EQ(second.WaitForExit(patience), 1L);
    CHECK_EQ(SettingDword("Num Launcher Runs", 99), 2u);
}

TEST_CASE(StoredSwitchesSurviveARunAsTheyWereRead)
{
    ClearLauncherSettings();
    WriteSettingDword("Disable Fog", 5);
    WriteSettingDword("Display Warned", 1);
    WriteSettingDword("Num Launcher Runs", 41);
    WriteSettingString("Disable Music", "1");  // a text where a number belongs: read as the default 0
    GameFolder game("launch-stored", {"tumbleridge.rez"});
    RunningProgram launcher;
    REQUIRE(launcher.Start(game.Launcher(), "-GoGame", game.path));
    CHECK_EQ(launcher.WaitForExit(patience), 1L);
    CHECK_EQ(SettingDword("Disable Fog", 0), 5u);
    CHECK_EQ(SettingDword("Display Warned", 0), 1u);
    CHECK_EQ(SettingDword("Num Launcher Runs", 0), 42u);
    CHECK_EQ(SettingDword("Disable Music", 99), 0u);
}

TEST_CASE(QuitFromTheMainDialogEndsWithOneAndStartsNothing)
{
    ClearLauncherSettings();
    GameFolder game("launch-quit", {"tumbleridge.rez"});
    RunningProgram launcher;
    REQUIRE(launcher.Start(game.Launcher(), "", game.path));
    HWND main = launcher.WaitForDialog(IsMainDialog, patience);
    REQUIRE(main != NULL);
    CHECK_EQ(WindowText(main), "Tumbleridge");
    PostMessageA(main, WM_COMMAND, IDCANCEL, 0);
    CHECK_EQ(launcher.WaitForExit(patience), 1L);
    Sleep(300);
    CHECK(!FileExists(JoinPath(game.path, "engine-started.txt")));
    CHECK_EQ(SettingDword("Num Launcher Runs", 0), 1u);
}

TEST_CASE(MissingMainArchiveShowsString17OnEveryAttempt)
{
    ClearLauncherSettings();
    GameFolder game("launch-no-archive", {"tumbleridge2.rez"});
    RunningProgram launcher;
    REQUIRE(launcher.Start(game.Launcher(), "-gogame", game.path));
    HWND box = WaitForBox(launcher, IDS_NO_MAIN_ARCHIVE);
    REQUIRE(box != NULL);
    CHECK_EQ(WindowText(box), "Tumbleridge");
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    // The archive put in place now does not count: the location was settled at start-up.
    WriteFileBytes(JoinPath(game.path, "tumbleridge.rez"), "late\n");
    HWND main = launcher.WaitForDialog(IsMainDialog, patience);
    REQUIRE(main != NULL);
    PostMessageA(main, WM_COMMAND, IDOK, 0);  // Launch again
    box = WaitForBox(launcher, IDS_NO_MAIN_ARCHIVE);
    REQUIRE(box != NULL);
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    main = launcher.WaitForDialog(IsMainDialog, patience);
    REQUIRE(main != NULL);
    PostMessageA(main, WM_COMMAND, IDCANCEL, 0);
    CHECK_EQ(launcher.WaitForExit(patience), 1L);
    CHECK(!FileExists(JoinPath(game.path, "engine-started.txt")));
}

TEST_CASE(AnArchiveFolderCountsAsTheMainArchive)
{
    ClearLauncherSettings();
    GameFolder game("launch-archive-folder", {});
    CreateDirectoryA(JoinPath(game.path, "tumbleridge").c_str(), NULL);
    CreateDirectoryA(JoinPath(game.path, "tumbleridge.rez").c_str(), NULL);  // not the archive file
    RunningProgram launcher;
    REQUIRE(launcher.Start(game.Launcher(), "-gogame", game.path));
    CHECK_EQ(launcher.WaitForExit(patience), 1L);
    REQUIRE(game.WaitForEngineRecord());
    CHECK_EQ(game.EngineCommand(), "STRATHEX.EXE -windowtitle \"Tumbleridge\" -rez tumbleridge.rez");
}

TEST_CASE(ArchiveFormsCountOnlyUnderTheirOwnNames)
{
    // A folder counts under the bare name, a file under the name with ".rez"; never the other way round.
    struct Case {
        std::vector<std::string> folders;
        std::vector<std::string> files;
        const char* mainPath;
        const char* soundPath;
    } cases[] = {
        {{"tumbleridge.rez", "sound.rez"}, {}, "", ""},
        {{}, {"tumbleridge", "sound"}, "", ""},
        {{"tumbleridge.rez", "tumbleridge", "sound"}, {}, "tumbleridge", "sound"},
        {{"tumbleridge", "sound"}, {"tumbleridge.rez", "sound.rez"}, "tumbleridge.rez", "sound.rez"},
    };
    LoadTableString(IDS_ARCHIVE_STEM, archiveStem, sizeof archiveStem);
    for (const Case& c : cases) {
        std::string folder = FreshWorkFolder("launch-archive-forms");
        for (const std::string& name : c.folders) CreateDirectoryA(JoinPath(folder, name).c_str(), NULL);
        for (const std::string& name : c.files) WriteFileBytes(JoinPath(folder, name), "archive\n");
        CurrentFolder inside(folder);
        CHECK_EQ(LocateArchives(0), c.mainPath[0] && c.soundPath[0] ? 1 : 0);
        CHECK_EQ(MainArchivePath(), c.mainPath);
        CHECK_EQ(SoundArchivePath(), c.soundPath);
    }
}

TEST_CASE(AnEngineThatCannotStartShowsString6AndTheMainDialogAgain)
{
    ClearLauncherSettings();
    GameFolder game("launch-no-engine", {"tumbleridge.rez"}, false);
    RunningProgram launcher;
    REQUIRE(launcher.Start(game.Launcher(), "-gomulti", game.path));
    HWND box = WaitForBox(launcher, IDS_ENGINE_FAILED);
    REQUIRE(box != NULL);
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    HWND main = launcher.WaitForDialog(IsMainDialog, patience);
    REQUIRE(main != NULL);
    PostMessageA(main, WM_COMMAND, IDCANCEL, 0);
    CHECK_EQ(launcher.WaitForExit(patience), 1L);
}

TEST_CASE(ARunningEngineInTheGameFolderRefusesTheStart)
{
    ClearLauncherSettings();
    GameFolder game("launch-engine-runs", {"tumbleridge.rez"});
    RunningProgram engine;
    REQUIRE(engine.Start(game.Engine(), "", game.path, "TUMBLERIDGE_ENGINE_STAY_MS=8000"));
    Sleep(300);
    RunningProgram launcher;
    REQUIRE(launcher.Start(game.Launcher(), "-gogame", game.path));
    HWND box = WaitForBox(launcher, IDS_ALREADY_RUNNING);
    REQUIRE(box != NULL);
    CHECK_EQ(MessageBoxText(box), "Tumbleridge is already running.");
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    CHECK_EQ(launcher.WaitForExit(patience), 0L);
    CHECK(!SettingExists("Num Launcher Runs"));
    CHECK(!SettingExists("Language"));
}

TEST_CASE(AnEngineRunningFromAnotherFolderDoesNotCount)
{
    ClearLauncherSettings();
    GameFolder elsewhere("launch-engine-elsewhere", {});
    GameFolder game("launch-engine-here", {"tumbleridge.rez"}, false);
    RunningProgram engine;
    REQUIRE(engine.Start(elsewhere.Engine(), "", elsewhere.path, "TUMBLERIDGE_ENGINE_STAY_MS=8000"));
    Sleep(300);
    RunningProgram launcher;
    REQUIRE(launcher.Start(game.Launcher(), "", game.path));
    HWND main = launcher.WaitForDialog(IsMainDialog, patience);
    REQUIRE(main != NULL);
    PostMessageA(main, WM_COMMAND, IDCANCEL, 0);
    CHECK_EQ(launcher.WaitForExit(patience), 1L);
}

TEST_CASE(ASecondLauncherOfTheSameFileNameEndsSilently)
{
    ClearLauncherSettings();
    GameFolder first("launch-first", {"tumbleridge.rez"});
    GameFolder second("launch-second", {"tumbleridge.rez"});
    GameFolder renamed("launch-renamed", {"tumbleridge.rez"}, true, "Ridge.exe");
    RunningProgram running;
    REQUIRE(running.Start(first.Launcher(), "", first.path));
    HWND main = running.WaitForDialog(IsMainDialog, patience);
    REQUIRE(main != NULL);

    RunningProgram another;
    REQUIRE(another.Start(second.Launcher(), "-gogame", second.path));
    CHECK_EQ(another.WaitForExit(patience), 0L);
    CHECK(!SettingExists("Num Launcher Runs"));
    CHECK(!FileExists(JoinPath(second.path, "engine-started.txt")));

    // A launcher under another file name is not the same program.
    RunningProgram other;
    REQUIRE(other.Start(renamed.Launcher(), "-gogame", renamed.path));
    CHECK_EQ(other.WaitForExit(patience), 1L);
    CHECK(renamed.WaitForEngineRecord());

    CHECK(running.IsRunning());
    PostMessageA(main, WM_COMMAND, IDCANCEL, 0);
    CHECK_EQ(running.WaitForExit(patience), 1L);
}
