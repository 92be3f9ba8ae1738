// The option help "ADV_HELP" and the video-card notes "ADV_3D" on their real templates.
#include "AdvancedTestRun.h"
#include "DialogDriver.h"
#include "TestKit.h"
#include "TestRegistry.h"
#include "options/HelpDialogs.h"
#include "resource.h"

namespace {

const char* const cardRows[] = {"3DFX Voodoo1",    "3DFX Voodoo2",    "3DFX Banshee", "Intel i740",
                                "Matrox G200",     "Matrox M3D",      "Matrox MGA",   "nVidia Riva TNT",
                                "nVidia Riva 128", "ATI Rage Pro",    "ATI Rage 128", "3DLabs Permedia2",
                                "Rendition V1000", "Rendition V2x00", "S3 Savage",    "S3 Virge"};
const UINT cardNoteIds[] = {19, 20, 21, 22, 23, 31, 32, 24, 25, 26, 72, 27, 33, 28, 29, 30};
const UINT optionHelpIds[] = {34, 35, 36, 38, 42, 45, 46, 47, 48, 49};
const std::vector<int> helpTabOrder = {IDC_HELP_TOPICS, IDC_HELP_TEXT, IDOK, IDCANCEL};

typedef void (*ShowHelp)(HWND owner);

// Shows a help dialog and runs step in it; the step ends the dialog.
void RunHelp(ShowHelp show, DialogStep step)
{
    DialogDriver driver;
    driver.Then(step);
    show(NULL);
    CHECK_EQ(driver.Leftovers(), "");
}

std::string HelpText(HWND dialog)
{
    return ControlText(dialog, IDC_HELP_TEXT);
}

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    size_t start = 0;
    for (;;) {
        size_t end = text.find('\n', start);
        lines.push_back(text.substr(start, end == std::string::npos ? std::string::npos : end - start));
        if (end == std::string::npos) return lines;
        start = end + 1;
    }
}

}  // namespace

TEST_CASE(FirstOpeningsSelectTheFirstTopicAndListTheTablesInOrder)
{
    FreshMachine fresh;
    RunHelp(ShowOptionHelp, [](HWND dialog) {
        CHECK_EQ(ListSelection(dialog, IDC_HELP_TOPICS), 0);
        CHECK_EQ(HelpText(dialog), TableString(IDS_HELP_SOUND));
        CHECK(TabOrder(dialog) == helpTabOrder);
        CHECK_EQ(MnemonicClashes(dialog), "");
        std::vector<std::string> rows = ListRows(dialog, IDC_HELP_TOPICS);
        REQUIRE(rows.size() == 10u);
        for (UINT i = 0; i < 10; ++i) {
            CHECK_EQ(rows[i], TableString(IDS_LABEL_SOUND + i));  // the labels 74 to 83, in order
            SelectListRow(dialog, IDC_HELP_TOPICS, static_cast<int>(i));
            CHECK_EQ(HelpText(dialog), TableString(optionHelpIds[i]));
        }
        EndWith(dialog, IDCANCEL);
    });
    RunHelp(ShowCardNotes, [](HWND dialog) {
        CHECK_EQ(ListSelection(dialog, IDC_HELP_TOPICS), 0);
        CHECK_EQ(HelpText(dialog), TableTextWithBreaks(IDS_CARD_VOODOO1));
        CHECK(TabOrder(dialog) == helpTabOrder);
        CHECK_EQ(MnemonicClashes(dialog), "");
        std::vector<std::string> rows = ListRows(dialog, IDC_HELP_TOPICS);
        REQUIRE(rows.size() == 16u);
        for (int i = 0; i < 16; ++i) {
            CHECK_EQ(rows[i], cardRows[i]);
            SelectListRow(dialog, IDC_HELP_TOPICS, i);
            CHECK_EQ(HelpText(dialog), TableTextWithBreaks(cardNoteIds[i]));
        }
        EndWith(dialog, IDCANCEL);
    });
    CHECK(SettingNames().empty());  // Cancel stores nothing
}

TEST_CASE(OkRemembersTheTopicAndCancelKeepsTheOneBefore)
{
    FreshMachine fresh;
    RunHelp(ShowCardNotes, [](HWND dialog) {
        SelectListRow(dialog, IDC_HELP_TOPICS, 14);
        CHECK_EQ(ListRow(dialog, IDC_HELP_TOPICS, 14), "S3 Savage");
        EndWith(dialog, IDOK);
    });
    CHECK_EQ(SettingDword("3DCardSel", 99), 14u);
    RunHelp(ShowCardNotes, [](HWND dialog) {
        CHECK_EQ(ListSelection(dialog, IDC_HELP_TOPICS), 14);
        CHECK_EQ(HelpText(dialog), TableTextWithBreaks(IDS_CARD_SAVAGE));
        // The field is read-only, multi-line and scrolls; it shows the note's lines as lines.
        HWND field = GetDlgItem(dialog, IDC_HELP_TEXT);
        LONG style = GetWindowLongA(field, GWL_STYLE);
        CHECK((style & ES_MULTILINE) != 0);
        CHECK((style & ES_READONLY) != 0);
        CHECK((style & WS_VSCROLL) != 0);
        std::string text = HelpText(dialog);
        for (size_t at = text.find('\n'); at != std::string::npos; at = text.find('\n', at + 1))
            CHECK(at > 0 && text[at - 1] == '\r');
        char line[64];
        *reinterpret_cast<WORD*>(line) = sizeof line - 1;
        LRESULT length = SendMessageA(field, EM_GETLINE, 0, reinterpret_cast<LPARAM>(line));
        CHECK_EQ(std::string(line, static_cast<size_t>(length)), "S3 Savage");
        *reinterpret_cast<WORD*>(line) = sizeof line - 1;
        CHECK_EQ(SendMessageA(field, EM_GETLINE, 1, reinterpret_cast<LPARAM>(line)), 0);
        CHECK(SendMessageA(field, EM_GETLINECOUNT, 0, 0) >= 12);

        SelectListRow(dialog, IDC_HELP_TOPICS, 2);
        EndWith(dialog, IDCANCEL);
    });
    CHECK_EQ(SettingDword("3DCardSel", 99), 14u);

    RunHelp(ShowOptionHelp, [](HWND dialog) {
        SelectListRow(dialog, IDC_HELP_TOPICS, 9);
        EndWith(dialog, IDOK);
    });
    CHECK_EQ(SettingDword("AdvOptSel", 99), 9u);
    CHECK_EQ(SettingDword("3DCardSel", 99), 14u);  // each dialog has its own value
}

TEST_CASE(AStoredRowBeyondTheListSelectsNothingAndOkStoresTheRowLastShown)
{
    FreshMachine fresh;
    WriteSettingDword("AdvOptSel", 40);
    WriteSettingDword("3DCardSel", 0xFFFFFFFF);
    RunHelp(ShowCardNotes, [](HWND dialog) {
        CHECK_EQ(ListSelection(dialog, IDC_HELP_TOPICS), LB_ERR);
        CHECK_EQ(HelpText(dialog), "");
        SelectListRow(dialog, IDC_HELP_TOPICS, 5);
        EndWith(dialog, IDOK);
    });
    CHECK_EQ(lastHelpSelection, 5u);
    // The row last shown in either dialog this run is what an untouched list stores.
    RunHelp(ShowOptionHelp, [](HWND dialog) {
        CHECK_EQ(ListSelection(dialog, IDC_HELP_TOPICS), LB_ERR);
        CHECK_EQ(HelpText(dialog), "");
        EndWith(dialog, IDOK);
    });
    CHECK_EQ(SettingDword("AdvOptSel", 99), 5u);
}

TEST_CASE(RowsFallBackToTheirTextAndMissingHelpLeavesTheFieldAlone)
{
    FreshMachine fresh;
    HWND list = CreateWindowExA(0, "LISTBOX", "", WS_POPUP, 0, 0, 100, 100, NULL, NULL, GetModuleHandleA(NULL), NULL);
    REQUIRE(list != NULL);
    CHECK(AddHelpRow(list, "Fallback", IDS_HELP_SOUND, 9999));  // no string 9999: the given text
    CHECK(AddHelpRow(list, "Fixed", IDS_HELP_MUSIC, 0));        // no label: the given text
    CHECK(AddHelpRow(list, "unused", IDS_HELP_FOG, IDS_LABEL_FOG));
    CHECK_EQ(SendMessageA(list, LB_GETCOUNT, 0, 0), 3);
    const char* const expectedRows[] = {"Fallback", "Fixed", "Disable fog"};
    const UINT expectedIds[] = {IDS_HELP_SOUND, IDS_HELP_MUSIC, IDS_HELP_FOG};
    for (int row = 0; row < 3; ++row) {
        char text[64];
        SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(text));
        CHECK_EQ(text, expectedRows[row]);
        CHECK_EQ(static_cast<UINT>(SendMessageA(list, LB_GETITEMDATA, static_cast<WPARAM>(row), 0)), expectedIds[row]);
    }
    CHECK(!AddHelpRow(NULL, "nowhere", IDS_HELP_SOUND, 0));
    DestroyWindow(list);

    RunHelp(ShowOptionHelp, [](HWND dialog) {
        HWND topics = GetDlgItem(dialog, IDC_HELP_TOPICS);
        CHECK(AddHelpRow(topics, "No such help", 9999, 0));
        SendMessageA(topics, LB_SETCURSEL, 10, 0);
        CHECK(!ShowSelectedHelp(dialog));
        CHECK_EQ(HelpText(dialog), TableString(IDS_HELP_SOUND));  // still the text shown before
        CHECK_EQ(lastHelpSelection, 10u);                       // the row counts as shown all the same
        SendMessageA(topics, LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
        CHECK(!ShowSelectedHelp(dialog));
        SendMessageA(topics, LB_SETCURSEL, 3, 0);
        CHECK(ShowSelectedHelp(dialog));
        CHECK_EQ(HelpText(dialog), TableString(IDS_HELP_FOG));
        EndWith(dialog, IDCANCEL);
    });
}

TEST_CASE(EveryCardNoteFollowsTheNoteLayout)
{
    struct Note {
        UINT id;
        const char* firstLine;
        const char* maker;  // NULL: the note names only a web address
        bool advancedHeading;
    };
    const Note notes[] = {
        {19, "3DFX VooDoo Graphics (Voodoo1)", "3DFX Interactive", true},
        {20, "3DFX VooDoo2", "3DFX Interactive", true},
        {21, "3DFX Banshee", "3DFX Interactive", false},
        {22, "Intel i740", NULL, false},
        {23, "G200 Millenium and Mystique", "Matrox", false},
        {24, "Riva TNT", "nVidia", false},
        {25, "Riva 128/128ZX", "nVidia", false},
        {26, "Rage Pro", "ATI", false},
        {27, "Permedia2", "3DLabs", true},
        {28, "Rendition V2100/V2200", "Rendition", true},
        {29, "S3 Savage", "S3", true},
        {30, "Virge (Diamond Stealth 3D Pro 2000, IMagic 3D)", "S3", true},
        {31, "Matrox M3D", "Matrox", true},
        {32, "Matrox MGA-1064 (Millenium II and Mystique)", "Matrox", true},
        {33, "Rendition V1000", "Rendition", true},
        {72, "Rage 128", "ATI", false},
    };
    for (const Note& note : notes) {
        std::string text = TableString(note.id);
        CHECK(text.size() < 2000u);  // the dialog loads at most 1999 characters
        CHECK(text.find('\r') == std::string::npos);
        std::vector<std::string> lines = Lines(text);
        REQUIRE(lines.size() >= 3u);
        CHECK_EQ(lines[0], note.firstLine);
        CHECK_EQ(lines[1], "");
        CHECK(lines[2].find("www.") != std::string::npos);
        if (note.maker) CHECK_EQ(lines[2].substr(0, lines[2].find(" - ")), note.maker);
        if (!note.maker) {
            CHECK_EQ(lines.size(), 3u);
            continue;
        }
        CHECK_EQ(lines[3], "");
        CHECK(!lines.back().empty());
        size_t display = text.find("\n\nRecommended Display Settings:\n");
        CHECK(display != std::string::npos);
        size_t advanced = text.find("\n\nRecommended Advanced Settings:\n");
        CHECK_EQ(advanced != std::string::npos, note.advancedHeading);
        if (note.advancedHeading) CHECK(advanced > display);
        CHECK(text.find("\n\n\n") == std::string::npos);  // paragraphs apart by exactly one empty line
    }
}
