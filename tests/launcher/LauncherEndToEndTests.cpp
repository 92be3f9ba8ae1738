// The real Tumbleridge.exe, run in game folders of its own: launch, settings, refusals.
#include "DialogDriver.h"
#include "LauncherRun.h"
#include "TestKit.h"
#include "TestRegistry.h"
#include "launcher/ArchiveLocation.h"
#include "launcher/LauncherState.h"
#include "resource.h"

#include <algorithm>

namespace {

const char* const firstRunSwitches[] = {"Disable Sound",    "Disable Music",   "Disable Movies", "Disable Fog",
                                        "Disable Joystick", "Disable TripBuf", "Disable Cursor", "Disable Loadscreen"};

// Whether the running launcher has loaded the module; the case ends when no snapshot of its modules can be
// taken.
bool LauncherHasLoaded(const LauncherRun& launcher, const char* module)
{
    std::vector<std::string> modules;
    REQUIRE(ProcessModuleNames(launcher.program.Id(), &modules));
    return std::find(modules.begin(), modules.end(), module) != modules.end();
}

}  // namespace

TEST_CASE(GoGameStartsTheEngineWithTitleAndArchivesAndStoresTheFirstRun)
{
    ClearLauncherSettings();
    GameFolder game("launch-gogame", {"tumbleridge.rez", "tumbleridge2.rez", "tumbleridge4.rez", "sound.rez"});
    LauncherRun launcher(game, "-gogame");
    CHECK_EQ(launcher.WaitForExit(), 1L);
    REQUIRE(game.WaitForEngineRecord());
    CHECK_EQ(game.EngineCommand(),
             "STRATHEX.EXE -windowtitle \"Tumbleridge\" -rez tumbleridge.rez -rez tumbleridge2.rez");
    CHECK_EQ(game.EngineFolder(), game.path);

    CHECK_EQ(SettingDword("Num Launcher Runs", 99), 1u);
    CHECK_EQ(SettingDword("Last Random", 99), 1u);
    CHECK_EQ(SettingDword("Display Warned", 99), 0u);
    for (const char* name : firstRunSwitches) CHECK_EQ(SettingDword(name, 99), 0u);
    CHECK_EQ(SettingString("Language"), "English");

    LauncherRun second(game, "CONNECT");
    CHECK_EQ(second.WaitForExit(), 1L);
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
    LauncherRun launcher(game, "-GoGame");
    CHECK_EQ(launcher.WaitForExit(), 1L);
    CHECK_EQ(SettingDword("Disable Fog", 0), 5u);
    CHECK_EQ(SettingDword("Display Warned", 0), 1u);
    CHECK_EQ(SettingDword("Num Launcher Runs", 0), 42u);
    CHECK_EQ(SettingDword("Disable Music", 99), 0u);
}

TEST_CASE(QuitFromTheMainDialogEndsWithOneAndStartsNothing)
{
    ClearLauncherSettings();
    GameFolder game("launch-quit", {"tumbleridge.rez"});
    LauncherRun launcher(game);
    HWND main = launcher.WaitForMain();
    REQUIRE(main != NULL);
    CHECK_EQ(WindowText(main), "Tumbleridge");
    EndWith(main, IDCANCEL);
    CHECK_EQ(launcher.WaitForExit(), 1L);
    Sleep(300);
    CHECK(!FileExists(JoinPath(game.path, "engine-started.txt")));
    CHECK_EQ(SettingDword("Num Launcher Runs", 0), 1u);
}

// The main dialog shows with the common controls loaded; the multimedia library and the shell are left
// until a dialog first needs them.
TEST_CASE(TheMainDialogShowsWithoutTheMultimediaLibraryOrTheShell)
{
    ClearLauncherSettings();
    GameFolder game("launch-libraries", {"tumbleridge.rez"});
    LauncherRun launcher(game);
    REQUIRE(launcher.WaitForMain() != NULL);
    CHECK(LauncherHasLoaded(launcher, "comctl32.dll"));
    CHECK(!LauncherHasLoaded(launcher, "winmm.dll"));
    CHECK(!LauncherHasLoaded(launcher, "shell32.dll"));
    CHECK_EQ(launcher.Quit(), 1L);
}

TEST_CASE(MissingMainArchiveIsReportedOnEveryAttempt)
{
    ClearLauncherSettings();
    GameFolder game("launch-no-archive", {"tumbleridge2.rez"});
    LauncherRun launcher(game, "-gogame");
    HWND box = launcher.WaitForBox(IDS_NO_MAIN_ARCHIVE);
    REQUIRE(box != NULL);
    CHECK_EQ(WindowText(box), "Tumbleridge");
    EndWith(box, IDOK);
    // The archive put in place now does not count: the location was settled at start-up.
    WriteFileBytes(JoinPath(game.path, "tumbleridge.rez"), "late\n");
    HWND main = launcher.WaitForMain();
    REQUIRE(main != NULL);
    PostCommand(main, IDOK);  // Launch again
    box = launcher.WaitForBox(IDS_NO_MAIN_ARCHIVE);
    REQUIRE(box != NULL);
    EndWith(box, IDOK);
    REQUIRE(launcher.WaitForMain() != NULL);
    CHECK_EQ(launcher.Quit(), 1L);
    CHECK(!FileExists(JoinPath(game.path, "engine-started.txt")));
}

TEST_CASE(AnArchiveFolderCountsAsTheMainArchive)
{
    ClearLauncherSettings();
    GameFolder game("launch-archive-folder", {});
    CreateDirectoryA(JoinPath(game.path, "tumbleridge").c_str(), NULL);
    CreateDirectoryA(JoinPath(game.path, "tumbleridge.rez").c_str(), NULL);  // not the archive file
    LauncherRun launcher(game, "-gogame");
    CHECK_EQ(launcher.WaitForExit(), 1L);
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

TEST_CASE(AnEngineThatCannotStartIsReportedAndTheMainDialogComesBack)
{
    ClearLauncherSettings();
    GameFolder game("launch-no-engine", {"tumbleridge.rez"}, false);
    LauncherRun launcher(game, "-gomulti");
    HWND box = launcher.WaitForBox(IDS_ENGINE_FAILED);
    REQUIRE(box != NULL);
    EndWith(box, IDOK);
    REQUIRE(launcher.WaitForMain() != NULL);
    CHECK_EQ(launcher.Quit(), 1L);
}

TEST_CASE(ARunningEngineInTheGameFolderRefusesTheStart)
{
    ClearLauncherSettings();
    GameFolder game("launch-engine-runs", {"tumbleridge.rez"});
    RunningProgram engine;
    REQUIRE(engine.Start(game.Engine(), "", game.path, "TUMBLERIDGE_ENGINE_STAY_MS=8000"));
    Sleep(300);
    LauncherRun launcher(game, "-gogame");
    HWND box = launcher.WaitForBox(IDS_ALREADY_RUNNING);
    REQUIRE(box != NULL);
    CHECK_EQ(MessageBoxText(box), "Tumbleridge is already running.");
    CHECK(LauncherHasLoaded(launcher, "comctl32.dll"));  // drawn as the launcher's dialogs are
    EndWith(box, IDOK);
    CHECK_EQ(launcher.WaitForExit(), 0L);
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
    LauncherRun launcher(game);
    REQUIRE(launcher.WaitForMain() != NULL);
    CHECK_EQ(launcher.Quit(), 1L);
}

TEST_CASE(ASecondLauncherOfTheSameFileNameEndsSilently)
{
    ClearLauncherSettings();
    GameFolder first("launch-first", {"tumbleridge.rez"});
    GameFolder second("launch-second", {"tumbleridge.rez"});
    GameFolder renamed("launch-renamed", {"tumbleridge.rez"}, true, "Ridge.exe");
    CheckSecondStartEndsSilently(first, second, renamed);
}
