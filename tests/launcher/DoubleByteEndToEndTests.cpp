// The real Tumbleridge.exe in code page 932, where the second byte of a character can be "\" or "|": a game
// folder, a launcher and an add-on whose names hold such characters. Run with LC_ALL=ja_JP.UTF-8.
#include <algorithm>
#include <vector>

#include "DialogDriver.h"
#include "LauncherRun.h"
#include "TestKit.h"
#include "TestRegistry.h"
#include "TestText.h"
#include "display/SavedChoiceFile.h"
#include "resource.h"

namespace {

// Names in code page 932 bytes. ゲームソ ends in ソ "\x83\x5C", 表 is "\x95\x5C", ポ is "\x83\x7C".
const char* const gameFolderName = "\x83\x51\x81\x5B\x83\x80\x83\x5C";
const char* const launcherName = "\x95\x5Cridge.exe";
const char* const addonName = "\x83\x7C\x95\x5C.rez";

// Without the Japanese locale Wine falls back to code page 1252 silently, and every case here would pass on
// single bytes without proving anything: each case ends at once instead.
void RequireCodePage932()
{
    if (GetACP() == 932) return;
    testkit::Fail(__FILE__, __LINE__,
                  "the ANSI code page is " + std::to_string(GetACP()) +
                      ", not 932: run with LC_ALL=ja_JP.UTF-8 (scripts/setup.sh makes that locale)");
    throw testkit::RequireFailed();
}

// A game folder named name (in code page 932) + suffix, with the launcher under launcherName.
GameFolder JapaneseGame(const std::string& suffix, const std::string& name = launcherName)
{
    return GameFolder(std::string("dbcs-") + suffix + gameFolderName, {"tumbleridge.rez"}, true, name);
}

HWND WaitForCustomize(const LauncherRun& launcher)
{
    return launcher.WaitForDialog([](HWND window) { return GetDlgItem(window, IDC_CUSTOM_AVAILABLE) != NULL; });
}

}  // namespace

TEST_CASE(AGameFolderEndingInADoubleByteCharacterShowsTheMainDialogAndStartsTheEngine)
{
    RequireCodePage932();
    ClearLauncherSettings();
    GameFolder game = JapaneseGame("main-");
    CHECK_EQ(game.path.substr(game.path.size() - 2), "\x83\x5C");
    LauncherRun shown(game);
    HWND main = shown.WaitForMain();
    REQUIRE(main != NULL);
    CHECK_EQ(WindowText(main), "Tumbleridge");
    CHECK_EQ(shown.Quit(), 1L);

    LauncherRun play(game, "-GOGAME");
    CHECK_EQ(play.WaitForExit(), 1L);
    REQUIRE(game.WaitForEngineRecord());
    CHECK_EQ(game.EngineFolder(), game.path);
    CHECK_EQ(game.EngineCommand(), "STRATHEX.EXE -windowtitle \"Tumbleridge\" -rez tumbleridge.rez");
}

TEST_CASE(ASecondLauncherOfADoubleByteFileNameEndsSilently)
{
    RequireCodePage932();
    ClearLauncherSettings();
    GameFolder first = JapaneseGame("first-");
    GameFolder second = JapaneseGame("second-");
    // Another name after the same 表 is another program.
    GameFolder renamed = JapaneseGame("renamed-", "\x95\x5Cridge2.exe");
    CheckSecondStartEndsSilently(first, second, renamed);
}

TEST_CASE(AnAddOnWithADoubleByteNameIsListedStoredAndPreselectedNextTime)
{
    RequireCodePage932();
    ClearLauncherSettings();
    GameFolder game = JapaneseGame("addon-");
    REQUIRE(CreateDirectoryA(JoinPath(game.path, "Custom").c_str(), NULL));
    REQUIRE(WriteFileBytes(JoinPath(game.path, std::string("Custom\\") + addonName), "add-on"));
    REQUIRE(WriteFileBytes(JoinPath(game.path, "Custom\\a.rez"), "add-on"));
    {
        LauncherRun launcher(game);
        REQUIRE(launcher.WaitForMain() != NULL);
        launcher.Press(IDC_GAME_CUSTOMIZE);
        HWND dialog = WaitForCustomize(launcher);
        REQUIRE(dialog != NULL);
        std::vector<std::string> rows = ListRows(dialog, IDC_CUSTOM_AVAILABLE);
        int row = static_cast<int>(std::find(rows.begin(), rows.end(), addonName) - rows.begin());
        if (row == static_cast<int>(rows.size())) CHECK_EQ(Joined(rows), addonName);
        REQUIRE(row < static_cast<int>(rows.size()));
        SelectListRow(dialog, IDC_CUSTOM_AVAILABLE, row);
        PostCommand(dialog, IDC_CUSTOM_ADD);
        CHECK(WaitUntil([&]() { return ListCount(dialog, IDC_CUSTOM_CHOSEN) == 1; }, launcherPatience));
        SetChecked(dialog, IDC_CUSTOM_KEEP, true);
        EndWith(dialog, IDOK);
        CHECK(WaitUntilClosed(dialog));
        CHECK_EQ(launcher.Quit(), 1L);
    }
    CHECK_EQ(SettingDword("Save Rez Files", 0), 1u);
    CHECK_EQ(SettingString("Rez Files"), addonName);

    LauncherRun again(game);
    REQUIRE(again.WaitForMain() != NULL);
    again.Press(IDC_GAME_CUSTOMIZE);
    HWND dialog = WaitForCustomize(again);
    REQUIRE(dialog != NULL);
    CHECK(ListRows(dialog, IDC_CUSTOM_CHOSEN) == std::vector<std::string>({addonName}));
    EndWith(dialog, IDCANCEL);
    CHECK(WaitUntilClosed(dialog));
    CHECK_EQ(again.Quit(), 1L);
}

TEST_CASE(AScriptNamedWithADoubleByteCharacterIsReplacedInItsOwnFolder)
{
    RequireCodePage932();
    std::string folder = FreshWorkFolder(std::string("dbcs-script-") + gameFolderName);
    std::string script = JoinPath(folder, "\x95\x5C.cfg");
    REQUIRE(WriteFileBytes(script, "old"));
    CHECK(ReplaceFileContents(script.c_str(), "replaced"));
    CHECK_EQ(ReadFileText(script), "replaced");
}
