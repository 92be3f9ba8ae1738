// The real "CUSTOMIZE" dialog driven in-process over a game folder of its own, against the real registry.
#include <algorithm>
#include <cstdlib>
#include <vector>

#include "DialogDriver.h"
#include "ScreenShot.h"
#include "TestFiles.h"
#include "TestKit.h"
#include "TestRegistry.h"
#include "launcher/LauncherState.h"
#include "options/ArchiveList.h"
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

const int setList = IDC_CUSTOM_SET;
const char* const setsKey = "Add-on Sets";

// Chooses the named set in the set list, as the player does.
void ChooseSet(HWND dialog, const std::string& name)
{
    Names rows = ComboRows(dialog, setList);
    SelectComboRow(dialog, setList, static_cast<int>(std::find(rows.begin(), rows.end(), name) - rows.begin()));
}

// A step for a question about the set of that name, answered with button.
DialogStep ExpectSetQuestion(UINT id, const std::string& name, int button)
{
    return [id, name, button](HWND box) {
        std::string text = TableString(id);
        text.replace(text.find("%s"), 2, name);
        CHECK_EQ(MessageBoxText(box), text);
        EndWith(box, button);
    };
}

bool CanMove(HWND dialog, bool up, bool down)
{
    return IsControlEnabled(dialog, IDC_CUSTOM_UP) == up && IsControlEnabled(dialog, IDC_CUSTOM_DOWN) == down;
}

// One way of reordering the chosen list of a dialog, and the "Rez Files" text it leaves after the end.
struct Reorder {
    const char* stored;
    int from;
    int how;  // Move up or down pressed, Alt with an arrow key on the focused list, or a mouse drag (0; -1 with
              // Esc pressed before the button is let go)
    int to;   // for a drag: a row, or -1 for the left of the list
    int end;
    const char* expected;
    int quarter = 1;  // for a drag: how far down row `to` the pointer goes, in quarters of the row's height
                      // (6: into the empty space under it)
};

// The screen point a drag row's pointer goes to, and the one edge between rows (screen y) that the insertion
// mark must point at there: the nearer edge of the row under the pointer, the last row's lower edge below it.
POINT DragTarget(HWND list, const Reorder& step, int* markY)
{
    RECT item = {};
    SendMessageA(list, LB_GETITEMRECT, std::max(step.to, 0), reinterpret_cast<LPARAM>(&item));
    int height = item.bottom - item.top;
    POINT target = {step.to < 0 ? item.left - 20 : item.left + 10, item.top + height * step.quarter / 4};
    POINT edge = {0, step.quarter < 2 ? item.top : item.bottom};
    ClientToScreen(list, &target);
    ClientToScreen(list, &edge);
    *markY = step.to < 0 ? -1 : edge.y;
    return target;
}

// The rows of the strip just left of the list where the insertion mark is drawn (dark on the dialog).
std::vector<int> MarkRows(HWND list)
{
    RECT frame;
    GetWindowRect(list, &frame);
    int x = frame.left - 4;
    ScreenShot strip(RECT{x, frame.top - 8, x + 1, frame.bottom + 8});
    std::vector<int> rows;
    for (int y = strip.top; y < strip.top + strip.height; ++y) {
        COLORREF colour = strip.At(x, y);
        if (GetRValue(colour) < 96 && GetGValue(colour) < 96 && GetBValue(colour) < 96) rows.push_back(y);
    }
    return rows;
}

void Apply(HWND dialog, const Reorder& step)
{
    HWND list = GetDlgItem(dialog, chosen);
    SelectListRow(dialog, chosen, step.from);
    if (step.how == VK_UP || step.how == VK_DOWN) {
        SetFocus(list);
        SendMessageA(list, WM_SYSKEYDOWN, static_cast<WPARAM>(step.how), (1 << 29) | 1);  // bit 29: Alt held
    } else if (step.how > 0) {
        ClickButton(dialog, step.how);
    } else {
        RECT item = {};
        SendMessageA(list, LB_GETITEMRECT, step.from, reinterpret_cast<LPARAM>(&item));
        POINT from = {item.left + 10, (item.top + item.bottom) / 2};
        ClientToScreen(list, &from);
        int markY = -1;
        POINT to = DragTarget(list, step, &markY);
        DragWithMouse(dialog, from, to, step.how < 0, [&] {
            // The mark is drawn only over the list, and then only at the gap the drop will fill.
            std::vector<int> rows = MarkRows(list);
            CHECK_EQ(rows.empty(), markY < 0);
            for (int y : rows) {
                if (std::abs(y - markY) > 3) CHECK_EQ(y, markY);
            }
        });
    }
    EndWith(dialog, step.end);
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
        ClickButton(d, IDC_CUSTOM_SAVE_SET);  // refused before a name is asked for
        ClickButton(d, IDOK);                 // the warning comes up before the click returns
    });
    driver.Then([](HWND box) {
        CHECK(MessageBoxText(box).find("The add-on set was not saved") == 0);
        CHECK(MessageBoxText(box).find("only the first 16 of the 17 chosen") != std::string::npos);
        EndWith(box, IDOK);
    });
    driver.Then([](HWND box) {
        CHECK(MessageBoxText(box).find("Only the first 16 of the 17 chosen") == 0);
        EndWith(box, IDOK);
    });
    CHECK_EQ(game.Open(), 1);
    CHECK_EQ(SettingString("Rez Files"), full);
    CHECK(SettingNames(setsKey).empty());
    LoadChosenArchives();
    CHECK(chosenArchives == names);
    CHECK_EQ(driver.Leftovers(), "");
}

TEST_CASE(MoveButtonsFollowTheSelectionAndTheTabOrderRunsDownTheColumn)
{
    GameFolder game("customize-move-buttons", {"a.rez", "b.rez", "c.rez", "d.rez"});
    WriteSettingDword("Save Rez Files", 1);
    WriteSettingString("Rez Files", "a.rez|b.rez|c.rez");
    WriteSettingString("All three", "a.rez|b.rez|c.rez", setsKey);
    DialogDriver driver;
    driver.Then([](HWND d) {
        ChooseSet(d, "All three");  // Delete set, enabled, is in the tab order too
        CHECK(CanMove(d, false, false));
        SelectListRow(d, chosen, 0);
        CHECK(CanMove(d, false, true));  // the first cannot move up, the last not down
        SelectListRow(d, chosen, 2);
        CHECK(CanMove(d, true, false));
        SelectListRow(d, chosen, 1);
        CHECK(CanMove(d, true, true));
        SelectListRow(d, available, RowOf(d, available, "d.rez"));
        CHECK(TabOrder(d) ==
              std::vector<int>({available, IDC_CUSTOM_ADD, chosen, IDC_CUSTOM_REMOVE, IDC_CUSTOM_UP, IDC_CUSTOM_DOWN,
                                setList, IDC_CUSTOM_SAVE_SET, IDC_CUSTOM_DELETE_SET, IDC_CUSTOM_KEEP, IDOK, IDCANCEL}));
        CHECK_EQ(MnemonicClashes(d), "");
        ClickButton(d, IDC_CUSTOM_DOWN);  // the moved entry stays selected, now last
        CHECK_EQ(ListSelection(d, chosen), 2);
        CHECK(CanMove(d, true, false));
        EndWith(d, IDCANCEL);
    });
    CHECK_EQ(game.Open(), 0);
    CHECK_EQ(driver.PendingSteps(), 0u);
}

TEST_CASE(ButtonsKeysAndDragsReorderTheChoiceThatOkStores)
{
    const char* abc = "a.rez|b.rez|c.rez";
    const char* abcd = "a.rez|b.rez|c.rez|d.rez";
    const Reorder steps[] = {
        {abc, 0, IDC_CUSTOM_DOWN, 0, IDOK, "b.rez|a.rez|c.rez"},
        {abc, 1, IDC_CUSTOM_UP, 0, IDOK, "b.rez|a.rez|c.rez"},
        {abc, 1, VK_UP, 0, IDOK, "b.rez|a.rez|c.rez"},
        {abc, 1, VK_DOWN, 0, IDOK, "a.rez|c.rez|b.rez"},
        {abc, 0, VK_UP, 0, IDOK, abc},
        {abc, 2, 0, 0, IDOK, "c.rez|a.rez|b.rez"},
        {abc, 0, 0, 2, IDOK, "b.rez|a.rez|c.rez"},     // down onto the last row's upper half: before it
        {abc, 0, 0, 2, IDOK, "b.rez|c.rez|a.rez", 3},  // onto its lower half: after it
        {abc, 1, 0, 2, IDOK, "a.rez|c.rez|b.rez", 6},  // into the empty space under it: at the end
        {abcd, 0, 0, 1, IDOK, "b.rez|a.rez|c.rez|d.rez", 3},
        {abcd, 3, 0, 1, IDOK, "a.rez|b.rez|d.rez|c.rez", 3},
        {abcd, 1, 0, 1, IDOK, abcd, 3},  // onto its own lower edge: nothing moves
        {abc, 0, 0, -1, IDOK, abc},      // dropped outside the list
        {abc, 2, -1, 0, IDOK, abc},      // Esc pressed during the drag
        {abc, 0, IDC_CUSTOM_DOWN, 0, IDCANCEL, abc},
        {"a.rez|a.rez|c.rez", 1, IDC_CUSTOM_DOWN, 0, IDOK, "a.rez|c.rez|a.rez"},  // a duplicate moves alone
    };
    for (const Reorder& step : steps) {
        GameFolder game("customize-reorder");
        WriteSettingDword("Save Rez Files", 1);
        WriteSettingString("Rez Files", step.stored);
        DialogDriver driver;
        driver.Then([&](HWND d) { Apply(d, step); });
        driver.Then([&](HWND d) {  // the next opening shows the stored order
            CHECK(ListRows(d, chosen) == SplitArchiveText(step.expected));
            EndWith(d, IDCANCEL);
        });
        CHECK_EQ(game.Open(), step.end == IDCANCEL ? 0 : 1);
        CHECK_EQ(SettingString("Rez Files"), step.expected);
        CHECK_EQ(game.Open(), 0);
        CHECK_EQ(driver.PendingSteps(), 0u);
    }
}

TEST_CASE(SetsAreSavedSwitchedReplacedAndDeletedAtOnceAndOutliveTheLauncher)
{
    GameFolder game("customize-sets", {"a.rez", "b.rez", "c.rez", "d.rez"});
    WriteSettingDword("Save Rez Files", 1);
    WriteSettingString("Rez Files", "a.rez|b.rez");
    DialogDriver driver;
    driver.Then([](HWND d) {
        CHECK(ComboRows(d, setList).empty());
        CHECK(!IsControlEnabled(d, IDC_CUSTOM_DELETE_SET));
        ClickButton(d, IDC_CUSTOM_SAVE_SET);  // Esc
        CHECK(ComboRows(d, setList).empty());
        CHECK(SettingNames(setsKey).empty());
        ClickButton(d, IDC_CUSTOM_SAVE_SET);  // the name is refused twice, then "Campaign" saves a, b
        CHECK(ComboRows(d, setList) == Names({"Campaign"}));
        CHECK_EQ(ComboSelection(d, setList), "Campaign");
        CHECK(IsControlEnabled(d, IDC_CUSTOM_DELETE_SET));
        CHECK_EQ(SettingString("Campaign", setsKey), "a.rez|b.rez");
        DoubleClickListRow(d, chosen, 0);
        DoubleClickListRow(d, chosen, 0);
        Choose(d, "c.rez");
        Choose(d, "a.rez");
        ClickButton(d, IDC_CUSTOM_SAVE_SET);  // offered "Campaign", saved as "bonus maps"
        CHECK(ComboRows(d, setList) == Names({"bonus maps", "Campaign"}));
        CHECK_EQ(ComboSelection(d, setList), "bonus maps");
        ChooseSet(d, "Campaign");
        CHECK(ListRows(d, chosen) == Names({"a.rez", "b.rez"}));
        ChooseSet(d, "bonus maps");
        CHECK(ListRows(d, chosen) == Names({"c.rez", "a.rez"}));
        Choose(d, "d.rez");
        ClickButton(d, IDC_CUSTOM_SAVE_SET);  // replaces "bonus maps" on the second Yes
        CHECK_EQ(SettingString("bonus maps", setsKey), "c.rez|a.rez|d.rez");
        CHECK_EQ(ComboRows(d, setList).size(), 2u);
        ChooseSet(d, "Campaign");
        ClickButton(d, IDC_CUSTOM_DELETE_SET);  // No
        CHECK_EQ(ComboSelection(d, setList), "Campaign");
        ClickButton(d, IDC_CUSTOM_DELETE_SET);  // Yes
        CHECK_EQ(SettingString("Campaign", setsKey), "(missing)");
        CHECK(ComboRows(d, setList) == Names({"bonus maps"}));
        CHECK_EQ(ComboSelection(d, setList), "");
        CHECK(!IsControlEnabled(d, IDC_CUSTOM_DELETE_SET));
        CHECK(ListRows(d, chosen) == Names({"a.rez", "b.rez"}));
        ChooseSet(d, "bonus maps");
        CHECK(ListRows(d, chosen) == Names({"c.rez", "a.rez", "d.rez"}));
        EndWith(d, IDCANCEL);
    });
    driver.Then([](HWND named) {
        CHECK(TabOrder(named) == std::vector<int>({IDC_SAVE_SET_NAME, IDOK, IDCANCEL}));
        SetText(named, IDC_SAVE_SET_NAME, "Not saved");
        PressKey(named, VK_ESCAPE);
    });
    driver.Then([](HWND named) {
        CHECK_EQ(ControlText(named, IDC_SAVE_SET_NAME), "");
        SetText(named, IDC_SAVE_SET_NAME, " \t ");
        ClickButton(named, IDOK);
        CHECK(IsWindowVisible(named));
        SetText(named, IDC_SAVE_SET_NAME, std::string(256, 'x'));
        ClickButton(named, IDOK);
        CHECK(IsWindowVisible(named));
        SetText(named, IDC_SAVE_SET_NAME, "Campaign");
        PressKey(named, VK_RETURN);
    });
    driver.Then(ExpectBox(IDS_SET_NAME_EMPTY));
    driver.Then([](HWND box) {
        CHECK(MessageBoxText(box).find("at most 255 characters") != std::string::npos);
        EndWith(box, IDOK);
    });
    driver.Then([](HWND named) {
        CHECK_EQ(ControlText(named, IDC_SAVE_SET_NAME), "Campaign");
        SetText(named, IDC_SAVE_SET_NAME, "bonus maps");
        EndWith(named, IDOK);
    });
    driver.Then([](HWND named) {
        CHECK_EQ(ControlText(named, IDC_SAVE_SET_NAME), "bonus maps");
        SetText(named, IDC_SAVE_SET_NAME, "BONUS MAPS");  // the same set: names are compared without case
        ClickButton(named, IDOK);                         // No: the dialog stays, nothing is saved
        CHECK(IsWindowVisible(named));
        CHECK_EQ(SettingString("bonus maps", setsKey), "c.rez|a.rez");
        EndWith(named, IDOK);
    });
    driver.Then(ExpectSetQuestion(IDS_SET_REPLACE, "BONUS MAPS", IDNO));
    driver.Then(ExpectSetQuestion(IDS_SET_REPLACE, "BONUS MAPS", IDYES));
    driver.Then(ExpectSetQuestion(IDS_SET_DELETE, "Campaign", IDNO));
    driver.Then(ExpectSetQuestion(IDS_SET_DELETE, "Campaign", IDYES));
    CHECK_EQ(game.Open(), 0);
    CHECK_EQ(SettingString("Rez Files"), "a.rez|b.rez");  // Cancel after loading stores nothing

    // A launcher started again finds the set; OK after loading it stores its list as the choice.
    CloseTestStore();
    OpenTestStore();
    driver.Then([](HWND d) {
        CHECK(ComboRows(d, setList) == Names({"bonus maps"}));
        CHECK_EQ(ComboSelection(d, setList), "");
        ChooseSet(d, "bonus maps");
        EndWith(d, IDOK);
    });
    CHECK_EQ(game.Open(), 1);
    CHECK_EQ(SettingString("Rez Files"), "c.rez|a.rez|d.rez");
    CHECK_EQ(driver.Leftovers(), "");
}

TEST_CASE(ALoadedSetShowsAsAStoredChoiceWouldAndOnlyOkStoresIt)
{
    struct Case {
        const char* set;
        int end;
        Names shown;
        const char* stored;
    } cases[] = {
        {"Gone", IDOK, {"c.rez", "gone.rez", "c.rez"}, "c.rez|gone.rez|c.rez"},  // a file gone from "Custom"
        {"Gone", IDCANCEL, {"c.rez", "gone.rez", "c.rez"}, "a.rez"},
        {"Number", IDOK, {}, ""},  // values that are no whole text load as empty sets
        {"Expandable", IDOK, {}, ""},
        {"Too long", IDOK, {}, ""},
    };
    const DWORD number = 7;
    for (const Case& c : cases) {
        GameFolder game("customize-set-values");
        WriteSettingDword("Save Rez Files", 1);
        WriteSettingString("Rez Files", "a.rez");
        WriteSettingString("Gone", "c.rez|gone.rez||c.rez", setsKey);
        WriteSettingRaw("Number", REG_DWORD, &number, sizeof number, setsKey);
        WriteSettingRaw("Expandable", REG_EXPAND_SZ, "b.rez", 6, setsKey);
        WriteSettingString("Too long", std::string(2042, 'n') + ".rez", setsKey);
        DialogDriver driver;
        driver.Then([&](HWND d) {
            CHECK(ComboRows(d, setList) == Names({"Expandable", "Gone", "Number", "Too long"}));
            SelectListRow(d, chosen, 0);
            ChooseSet(d, c.set);
            CHECK(ListRows(d, chosen) == c.shown);
            CHECK(!IsControlEnabled(d, IDC_CUSTOM_REMOVE));  // the buttons follow the new list
            CHECK(IsControlEnabled(d, IDC_CUSTOM_DELETE_SET));
            EndWith(d, c.end);
        });
        CHECK_EQ(game.Open(), c.end == IDOK ? 1 : 0);
        CHECK_EQ(SettingString("Rez Files"), c.stored);
        CHECK_EQ(SettingNames(setsKey).size(), 4u);
        CHECK_EQ(driver.Leftovers(), "");
    }
}

TEST_CASE(ASetTheRegistryRefusesIsSaidAndNotListed)
{
    GameFolder game("customize-set-refused");
    // Below a volatile settings key the registry refuses to make the lasting key that holds the sets.
    CloseTestStore();
    ClearLauncherSettings();
    HKEY key = NULL;
    REQUIRE(RegCreateKeyExA(HKEY_LOCAL_MACHINE, settingsKeyPath, 0, NULL, REG_OPTION_VOLATILE, KEY_ALL_ACCESS, NULL,
                            &key, NULL) == ERROR_SUCCESS);
    RegCloseKey(key);
    OpenTestStore();
    DialogDriver driver;
    driver.Then([](HWND d) {
        Choose(d, "a.rez");
        ClickButton(d, IDC_CUSTOM_SAVE_SET);
        CHECK(ComboRows(d, setList).empty());
        CHECK(!IsControlEnabled(d, IDC_CUSTOM_DELETE_SET));
        EndWith(d, IDCANCEL);
    });
    driver.Then([](HWND named) {
        SetText(named, IDC_SAVE_SET_NAME, "Campaign");
        EndWith(named, IDOK);
    });
    driver.Then(ExpectSetQuestion(IDS_SET_NOT_SAVED, "Campaign", IDOK));
    CHECK_EQ(game.Open(), 0);
    CHECK(SettingNames(setsKey).empty());
    CHECK_EQ(driver.Leftovers(), "");
    ClearLauncherSettings();  // no volatile key for the tests after this one
}
