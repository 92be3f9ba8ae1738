// The real "CUSTOMIZE" dialog driven in-process over a game folder of its own, against the real registry.
#include <algorithm>
#include <vector>

#include "DialogDriver.h"
#include "TestFiles.h"
#include "TestKit.h"
#include "TestRegistry.h"
#include "launcher/LauncherState.h"
#include "options/ChosenArchives.h"
#include "options/CustomizeDialog.h"
#include "resource.h"

typedef std::vector<std::string> Names;

namespace {

const int available = IDC_CUSTOM_AVAILABLE;
const int chosen = IDC_CUSTOM_CHOSEN;

std::string CurrentFolderNow()
{
    char path[MAX_PATH];
    DWORD length = GetCurrentDirectoryA(sizeof path, path);
    return std::string(path, length);
}

// A game folder with "Custom" holding the given archives, made current; a clean registry and an open store.
struct GameFolder {
    std::string path;
    CurrentFolder current;
    explicit GameFolder(const char* name, const Names& addons = {"a.rez", "b.rez", "c.rez"})
        : path(FreshWorkFolder(name)), current(path)
    {
        CreateDirectoryA("Custom", NULL);
        for (const std::string& addon : addons) WriteFileBytes("Custom\\" + addon, "add-on");
        ClearLauncherSettings();
        OpenTestStore();
    }
    ~GameFolder() { CloseTestStore(); }

    // Opens the dialog as the main window does; every opening must leave the game folder current.
    INT_PTR Open()
    {
        INT_PTR result = DialogBoxParamA(launcherModule, "CUSTOMIZE", NULL, CustomizeDialogProc, 0);
        CHECK_EQ(lstrcmpiA(CurrentFolderNow().c_str(), path.c_str()), 0);
        return result;
    }
};

int RowOf(HWND dialog, int list, const std::string& name)
{
    Names rows = ListRows(dialog, list);
    return static_cast<int>(std::find(rows.begin(), rows.end(), name) - rows.begin());
}

void Choose(HWND dialog, const std::string& name)
{
    SelectListRow(dialog, available, RowOf(dialog, available, name));
    ClickButton(dialog, IDC_CUSTOM_ADD);
}

}  // namespace

TEST_CASE(FirstRunShowsNoChoiceAndOkStoresOnlyTheClearedBox)
{
    GameFolder game("customize-first");
    DialogDriver driver;
    driver.Then([](HWND d) {
        Names found = ListRows(d, available);
        std::sort(found.begin(), found.end());
        CHECK(found == Names({"a.rez", "b.rez", "c.rez"}));
        CHECK(ListRows(d, chosen).empty());
        CHECK(!IsChecked(d, IDC_CUSTOM_KEEP));
        CHECK(!IsControlEnabled(d, IDC_CUSTOM_ADD));
        CHECK(!IsControlEnabled(d, IDC_CUSTOM_REMOVE));
        CHECK(SendMessageA(d, WM_GETICON, ICON_BIG, 0) != 0);
        EndWith(d, IDOK);
    });
    CHECK_EQ(game.Open(), 1);
    CHECK_EQ(SettingDword("Save Rez Files", 9), 0u);
    CHECK(!SettingExists("Rez Files"));
    CHECK_EQ(driver.Leftovers(), "");
}

TEST_CASE(StoredChoiceShowsInItsOrderWithDuplicatesAndDeletedFilesAndIsStoredAgain)
{
    GameFolder game("customize-stored");
    WriteSettingDword("Save Rez Files", 2);
    WriteSettingString("Rez Files", "c.rez|gone.rez|a.rez|a.rez");
    DialogDriver driver;
    driver.Then([](HWND d) {
        CHECK(ListRows(d, chosen) == Names({"c.rez", "gone.rez", "a.rez", "a.rez"}));
        CHECK(IsChecked(d, IDC_CUSTOM_KEEP));
        Choose(d, "b.rez");  // appended at the end: the lists do not sort
        EndWith(d, IDOK);
    });
    CHECK_EQ(game.Open(), 1);
    CHECK_EQ(SettingDword("Save Rez Files", 9), 1u);
    CHECK_EQ(SettingString("Rez Files"), "c.rez|gone.rez|a.rez|a.rez|b.rez");
    CHECK_EQ(driver.Leftovers(), "");
}

TEST_CASE(AddTakesEachNameOnceComparingCaseAndOnlyOnPlainClicks)
{
    GameFolder game("customize-add", {"Map.rez", "b.rez"});
    WriteSettingDword("Save Rez Files", 1);
    WriteSettingString("Rez Files", "map.rez");
    DialogDriver driver;
    driver.Then([](HWND d) {
        SelectListRow(d, available, RowOf(d, available, "Map.rez"));
        CHECK(IsControlEnabled(d, IDC_CUSTOM_ADD));  // "map.rez" is another name
        ClickButton(d, IDC_CUSTOM_ADD);
        CHECK(ListRows(d, chosen) == Names({"map.rez", "Map.rez"}));
        CHECK(!IsControlEnabled(d, IDC_CUSTOM_ADD));
        SendMessageA(d, WM_COMMAND, MAKEWPARAM(IDC_CUSTOM_ADD, 0), 0);  // even when sent, nothing more
        DoubleClickListRow(d, available, RowOf(d, available, "Map.rez"));
        CHECK_EQ(ListCount(d, chosen), 2);
        SelectListRow(d, available, RowOf(d, available, "b.rez"));
        CHECK(IsControlEnabled(d, IDC_CUSTOM_ADD));
        SendMessageA(d, WM_COMMAND, MAKEWPARAM(IDC_CUSTOM_ADD, BN_DOUBLECLICKED), 0);
        SendMessageA(d, WM_COMMAND, MAKEWPARAM(IDOK, BN_DOUBLECLICKED), 0);
        CHECK_EQ(ListCount(d, chosen), 2);  // only notification 0 counts as a click
        DoubleClickListRow(d, available, RowOf(d, available, "b.rez"));
        CHECK(ListRows(d, chosen) == Names({"map.rez", "Map.rez", "b.rez"}));
        EndWith(d, IDCANCEL);
    });
    CHECK_EQ(game.Open(), 0);
    CHECK_EQ(SettingString("Rez Files"), "map.rez");  // Cancel stores nothing
    CHECK(chosenArchives == Names({"map.rez"}));
    CHECK_EQ(driver.Leftovers(), "");
}

TEST_CASE(RemoveSelectsTheNeighbourAndDisablesItselfWhenTheListEmpties)
{
    GameFolder game("customize-remove");
    WriteSettingDword("Save Rez Files", 1);
    WriteSettingString("Rez Files", "x.rez|y.rez|z.rez");
    DialogDriver driver;
    driver.Then([](HWND d) {
        SelectListRow(d, chosen, 2);
        ClickButton(d, IDC_CUSTOM_REMOVE);  // the last: the one before it is selected
        CHECK(ListRows(d, chosen) == Names({"x.rez", "y.rez"}));
        CHECK_EQ(ListSelection(d, chosen), 1);
        SelectListRow(d, chosen, 0);
        ClickButton(d, IDC_CUSTOM_REMOVE);  // the row now at its place is selected
        CHECK(ListRows(d, chosen) == Names({"y.rez"}));
        CHECK_EQ(ListSelection(d, chosen), 0);
        DoubleClickListRow(d, chosen, 0);
        CHECK_EQ(ListCount(d, chosen), 0);
        CHECK_EQ(ListSelection(d, chosen), LB_ERR);
        CHECK(!IsControlEnabled(d, IDC_CUSTOM_REMOVE));
        EndWith(d, IDOK);
    });
    CHECK_EQ(game.Open(), 1);
    CHECK_EQ(SettingString("Rez Files"), "");  // box checked, empty list: an empty text
    CHECK_EQ(driver.Leftovers(), "");
}

TEST_CASE(ClearingTheBoxKeepsTheOldTextButTheNextOpeningShowsNoChoice)
{
    GameFolder game("customize-clear");
    WriteSettingDword("Save Rez Files", 1);
    WriteSettingString("Rez Files", "a.rez");
    DialogDriver driver;
    driver.Then([](HWND d) {
        ClickButton(d, IDC_CUSTOM_KEEP);
        Choose(d, "b.rez");
        EndWith(d, IDOK);
    });
    driver.Then([](HWND d) {
        CHECK(ListRows(d, chosen).empty());
        CHECK(!IsChecked(d, IDC_CUSTOM_KEEP));
        EndWith(d, IDCANCEL);
    });
    CHECK_EQ(game.Open(), 1);
    CHECK_EQ(SettingDword("Save Rez Files", 9), 0u);
    CHECK_EQ(SettingString("Rez Files"), "a.rez");
    CHECK_EQ(game.Open(), 0);
    CHECK_EQ(driver.Leftovers(), "");
}

TEST_CASE(NoArchiveInCustomShowsTheMessageAndEndsWithZero)
{
    GameFolder game("customize-none", {"readme.txt"});
    std::string noArchives =
        "No additional VANTOR .REZ files were found in the \"Custom\" folder.  VANTOR add-on .REZ "
        "files must be placed in a folder called \"Custom\".";
    DialogDriver driver;
    for (int opening = 0; opening < 3; ++opening) {
        driver.Then([&](HWND box) {
            CHECK(IsMessageBox(box));
            CHECK_EQ(MessageBoxText(box), noArchives);
            CHECK_EQ(WindowText(box), "Tumbleridge");
            EndWith(box, IDOK);
        });
    }
    CHECK_EQ(game.Open(), 0);  // "Custom" holds no ".rez"
    RemoveTree(game.path + "\\Custom");
    CHECK_EQ(game.Open(), 0);  // no "Custom" at all
    WriteFileBytes("Custom", "a file, not a folder");
    CHECK_EQ(game.Open(), 0);
    CHECK_EQ(driver.Leftovers(), "");
}

TEST_CASE(TooLongAChoiceStoresTheFrontThatReadsBackAndTellsThePlayer)
{
    GameFolder game("customize-too-long");
    // Sixteen names that join to exactly 2045 characters, the most that reads back.
    Names names;
    for (char letter = 'd'; letter < 't'; ++letter) names.push_back(std::string(123, letter) + ".rez");
    names.back().resize(names.back().size() - 2);
    std::string full;
    for (const std::string& name : names) full += (full.empty() ? "" : "|") + name;
    REQUIRE(full.size() == 2045u);
    WriteSettingDword("Save Rez Files", 1);
    WriteSettingString("Rez Files", full);
    DialogDriver driver;
    driver.Then([](HWND d) {
        CHECK_EQ(ListCount(d, chosen), 16);
        Choose(d, "a.rez");
        ClickButton(d, IDOK);  // the warning comes up before the click returns
    });
    driver.Then([](HWND box) {
        CHECK(MessageBoxText(box).find("Only the first 16 of the 17 chosen") == 0);
        EndWith(box, IDOK);
    });
    CHECK_EQ(game.Open(), 1);
    CHECK_EQ(SettingString("Rez Files"), full);
    LoadChosenArchives();
    CHECK(chosenArchives == names);
    CHECK_EQ(driver.Leftovers(), "");
}
