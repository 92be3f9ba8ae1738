// The warning and the dialog "ADVANCED", driven on the real template against Wine's registry.
#include <algorithm>

#include "AdvancedTestRun.h"
#include "DialogDriver.h"
#include "TestKit.h"
#include "TestRegistry.h"
#include "launcher/LauncherState.h"
#include "options/AdvancedOptions.h"
#include "options/ConsoleCommands.h"
#include "options/HelpDialogs.h"
#include "tests/sound/SoundMachine.h"
#include "resource.h"

namespace {

// Each flag box and the value behind it; restoreDefaults is the ninth.
struct FlagControl {
    int id;
    DWORD* value;
};
const FlagControl flagControls[] = {
    {IDC_ADV_DISABLE_SOUND, &disableSwitches[DisableSound]},
    {IDC_ADV_DISABLE_MUSIC, &disableSwitches[DisableMusic]},
    {IDC_ADV_DISABLE_MOVIES, &disableSwitches[DisableMovies]},
    {IDC_ADV_DISABLE_FOG, &disableSwitches[DisableFog]},
    {IDC_ADV_DISABLE_JOYSTICK, &disableSwitches[DisableJoystick]},
    {IDC_ADV_DISABLE_TRIPBUF, &disableSwitches[DisableTripBuf]},
    {IDC_ADV_DISABLE_CURSOR, &disableSwitches[DisableCursor]},
    {IDC_ADV_DISABLE_LOADSCREEN, &disableSwitches[DisableLoadscreen]},
    {IDC_ADV_RESTORE_DEFAULTS, &restoreDefaults},
};

bool IsAdvancedDialog(HWND window)
{
    return !IsMessageBox(window) && GetDlgItem(window, IDC_ADV_COMMANDS);
}

// Opens the dialog (the warning already accepted) and runs step in it; the step ends the dialog.
int RunAdvanced(DialogStep step)
{
    DialogDriver driver;
    driver.Then([step](HWND dialog) {
        CHECK(IsAdvancedDialog(dialog));
        step(dialog);
    });
    int result = ShowAdvancedOptions(NULL);
    CHECK_EQ(driver.Leftovers(), "");
    return result;
}

void AcceptWarning()
{
    WriteSettingDword("AdvWarning", 1);
}

std::string Repeated(const char* pattern, size_t length)
{
    std::string text;
    while (text.size() < length) text += pattern;
    text.resize(length);
    return text;
}

}  // namespace

TEST_CASE(TheWarningComesUntilItIsAcceptedAndTheDialogHasClosed)
{
    FreshMachine fresh;
    {
        DialogDriver driver;
        driver.Then([](HWND box) {
            CHECK(IsMessageBox(box));
            CHECK_EQ(WindowText(box), "Advanced Options");
            CHECK_EQ(MessageBoxText(box), TableString(IDS_ADVANCED_WARNING));
            CHECK(GetDlgItem(box, IDOK) != NULL);
            CHECK(GetDlgItem(box, IDCANCEL) != NULL);
            EndWith(box, IDCANCEL);
        });
        CHECK_EQ(ShowAdvancedOptions(NULL), 0);
        CHECK_EQ(driver.PendingSteps(), 0u);
        CHECK_EQ(driver.Seen().size(), 1u);  // declined: no dialog
    }
    CHECK(!SettingExists("AdvWarning"));

    // Accepted, then the dialog closed by either button: the warning is done with.
    const int endings[] = {IDOK, IDCANCEL};
    for (int ending : endings) {
        ClearLauncherSettings();
        StartRun();
        DialogDriver driver;
        driver.Then([](HWND box) { EndWith(box, IDOK); });
        driver.Then([ending](HWND dialog) {
            CHECK(IsAdvancedDialog(dialog));
            CHECK(!SettingExists("AdvWarning"));  // written only once the dialog has closed
            EndWith(dialog, ending);
        });
        CHECK_EQ(ShowAdvancedOptions(NULL), ending == IDOK ? 1 : 0);
        CHECK_EQ(driver.Leftovers(), "");
        CHECK_EQ(SettingDword("AdvWarning", 99), 1u);
    }
}

TEST_CASE(BoxesShowStoredSwitchesAndOkKeepsOnlyZeroOrOne)
{
    ClearLauncherSettings();
    AcceptWarning();
    WriteSettingDword("Disable Fog", 5);
    WriteSettingDword("Disable Cursor", 1);
    StartRun();  // start-up reads the switches as stored
    CHECK_EQ(disableSwitches[DisableFog], 5u);
    CHECK_EQ(RunAdvanced([](HWND dialog) {
                 for (const FlagControl& flag : flagControls) {
                     bool expected = flag.id == IDC_ADV_DISABLE_FOG || flag.id == IDC_ADV_DISABLE_CURSOR;
                     CHECK_EQ(IsChecked(dialog, flag.id), expected);
                 }
                 const std::vector<int> tabOrder = {IDC_ADV_DISABLE_SOUND,
                                                    IDC_ADV_DISABLE_MUSIC,
                                                    IDC_ADV_DISABLE_MOVIES,
                                                    IDC_ADV_DISABLE_FOG,
                                                    IDC_ADV_DISABLE_JOYSTICK,
                                                    IDC_ADV_DISABLE_TRIPBUF,
                                                    IDC_ADV_DISABLE_CURSOR,
                                                    IDC_ADV_DISABLE_LOADSCREEN,
                                                    IDC_ADV_RESTORE_DEFAULTS,
                                                    IDC_ADV_COMMANDS,
                                                    IDC_ADV_SAVE_COMMANDS,
                                                    IDC_ADV_OPTION_HELP,
                                                    IDC_ADV_CARD_NOTES,
                                                    IDC_ADV_3D_SOUND,
                                                    IDOK,
                                                    IDCANCEL};
                 CHECK(TabOrder(dialog) == tabOrder);
                 CHECK_EQ(MnemonicClashes(dialog), "");
                 CHECK(IsChecked(dialog, IDC_ADV_SAVE_COMMANDS));  // a fresh machine keeps the commands
                 CHECK_EQ(ControlText(dialog, IDC_ADV_COMMANDS), "");
                 EndWith(dialog, IDOK);
             }),
             1);
    CHECK_EQ(disableSwitches[DisableFog], 1u);
    CHECK_EQ(disableSwitches[DisableCursor], 1u);
    CHECK_EQ(SettingDword("Disable Fog", 0), 5u);  // the switches reach the registry at shutdown only
    CHECK_EQ(SettingDword("Save Commands", 99), 1u);
    CHECK_EQ(SettingString("Commands"), "");  // an empty field stores an empty text
    CloseTestStore();
}

TEST_CASE(EachBoxShowsAndSetsItsOwnFlag)
{
    FreshMachine fresh;
    AcceptWarning();
    // Flag i gets bit k of i + 1 in opening k: every flag has its own pattern over the four openings, so a
    // box bound to the wrong flag shows up whichever two it mixes.
    for (unsigned bit = 0; bit < 4; ++bit) {
        for (unsigned i = 0; i < 9; ++i) *flagControls[i].value = ((i + 1) >> bit) & 1;
        RunAdvanced([bit](HWND dialog) {
            for (unsigned i = 0; i < 9; ++i) {
                CHECK_EQ(IsChecked(dialog, flagControls[i].id), (((i + 1) >> bit) & 1) != 0);
                ClickButton(dialog, flagControls[i].id);  // every box turned over
            }
            EndWith(dialog, IDOK);
        });
        for (unsigned i = 0; i < 9; ++i) CHECK_EQ(*flagControls[i].value, (((i + 1) >> bit) & 1) ^ 1u);
    }
    // OK wrote the command choice and nothing else: the switches wait for shutdown, restoreDefaults
    // has no registry value at all.
    const std::vector<std::string> expected = {"AdvWarning", "Commands", "Save Commands"};
    CHECK(SettingNames() == expected);
}

TEST_CASE(ClearingKeepStoresZeroAndLeavesTheEarlierCommandsInTheRegistry)
{
    ClearLauncherSettings();
    AcceptWarning();
    WriteSettingString("Commands", "sv_old 1");
    StartRun();
    CHECK_EQ(commandText, "sv_old 1");
    RunAdvanced([](HWND dialog) {
        CHECK_EQ(ControlText(dialog, IDC_ADV_COMMANDS), "sv_old 1");
        SetText(dialog, IDC_ADV_COMMANDS, "sv_new 2");
        ClickButton(dialog, IDC_ADV_SAVE_COMMANDS);
        EndWith(dialog, IDOK);
    });
    CHECK_EQ(SettingDword("Save Commands", 99), 0u);
    CHECK_EQ(SettingString("Commands"), "sv_old 1");
    CHECK_EQ(commandText, "sv_new 2");
    // Within the run the typed text stays in memory and comes back; Cancel changes no flag.
    RunAdvanced([](HWND dialog) {
        CHECK(!IsChecked(dialog, IDC_ADV_SAVE_COMMANDS));
        CHECK_EQ(ControlText(dialog, IDC_ADV_COMMANDS), "sv_new 2");
        ClickButton(dialog, IDC_ADV_DISABLE_SOUND);
        ClickButton(dialog, IDC_ADV_RESTORE_DEFAULTS);
        EndWith(dialog, IDCANCEL);
    });
    CHECK_EQ(disableSwitches[DisableSound], 0u);
    CHECK_EQ(restoreDefaults, 0u);
    // The next run does not load it: saving is off.
    StartRun();
    CHECK_EQ(commandText, "");
    RunAdvanced([](HWND dialog) {
        CHECK(!IsChecked(dialog, IDC_ADV_SAVE_COMMANDS));
        CHECK_EQ(ControlText(dialog, IDC_ADV_COMMANDS), "");
        EndWith(dialog, IDCANCEL);
    });
    CloseTestStore();
}

TEST_CASE(KeptCommandsAreStoredAtOkAndReloadedAtEveryOpening)
{
    FreshMachine fresh;
    AcceptWarning();
    RunAdvanced([](HWND dialog) {
        SetText(dialog, IDC_ADV_COMMANDS, "fog 0; gamma 1.2");
        EndWith(dialog, IDOK);
    });
    CHECK_EQ(SettingString("Commands"), "fog 0; gamma 1.2");
    CHECK_EQ(commandText, "fog 0; gamma 1.2");
    // With saving on, an opening shows what the registry holds now; Cancel drops the edit.
    WriteSettingString("Commands", "changed elsewhere");
    RunAdvanced([](HWND dialog) {
        CHECK_EQ(ControlText(dialog, IDC_ADV_COMMANDS), "changed elsewhere");
        SetText(dialog, IDC_ADV_COMMANDS, "dropped");
        EndWith(dialog, IDCANCEL);
    });
    CHECK_EQ(SettingString("Commands"), "changed elsewhere");
    CHECK_EQ(commandText, "changed elsewhere");
}

TEST_CASE(TheLongestTextSurvivesARestartAndLongerOnesAreCut)
{
    FreshMachine fresh;
    AcceptWarning();
    const std::string longest = Repeated("timescale 2; ", 254);
    RunAdvanced([longest](HWND dialog) {
        SetText(dialog, IDC_ADV_COMMANDS, longest);
        EndWith(dialog, IDOK);
    });
    CHECK_EQ(SettingString("Commands"), longest);
    StartRun();
    CHECK_EQ(std::string(commandText), longest);
    RunAdvanced([longest](HWND dialog) {
        CHECK_EQ(ControlText(dialog, IDC_ADV_COMMANDS), longest);
        // The field takes no more than can be stored.
        CHECK_EQ(SendDlgItemMessageA(dialog, IDC_ADV_COMMANDS, EM_GETLIMITTEXT, 0, 0), 254);
        SetText(dialog, IDC_ADV_COMMANDS, Repeated("0123456789", 300));  // set directly, past the limit
        EndWith(dialog, IDOK);
    });
    CHECK_EQ(SettingString("Commands"), Repeated("0123456789", 254));
    // A text longer than any OK stores (written by hand) reads as empty rather than cut.
    WriteSettingString("Commands", Repeated("x", 300));
    StartRun();
    CHECK_EQ(commandText, "");
    CloseTestStore();
}

TEST_CASE(WhatTheHelpAndSoundDialogsStoreSurvivesCancelOfTheAdvancedDialog)
{
    // A machine with the stand-in sound library and its two providers, the sound query long accepted.
    SoundMachine machine("advanced-sound",
                         {std::string("provider=") + hardwareProvider, std::string("provider=") + softwareProvider});
    WriteSettingDword("Sound Enum Warning", 1);
    AcceptWarning();
    StartRun();
    DialogDriver driver;
    driver.Then([](HWND dialog) {
        ClickButton(dialog, IDC_ADV_OPTION_HELP);  // its dialog's step runs before the click returns
        ClickButton(dialog, IDC_ADV_CARD_NOTES);
        ClickButton(dialog, IDC_ADV_3D_SOUND);
        CHECK(IsWindow(dialog));  // the advanced dialog stays open
        ClickButton(dialog, IDC_ADV_DISABLE_SOUND);
        EndWith(dialog, IDCANCEL);
    });
    driver.Then([](HWND help) {
        CHECK_EQ(WindowText(help), "Advanced Options Help");
        SelectListRow(help, IDC_HELP_TOPICS, 3);
        EndWith(help, IDOK);
    });
    driver.Then([](HWND notes) {
        CHECK_EQ(WindowText(notes), "Video Card Notes");
        SelectListRow(notes, IDC_HELP_TOPICS, 14);
        EndWith(notes, IDOK);
    });
    driver.Then([](HWND sound) {
        REQUIRE(GetDlgItem(sound, IDC_SOUND_PROVIDERS) != NULL);
        CHECK(GetParent(sound) != NULL);  // owned by the advanced dialog
        std::vector<std::string> rows = ListRows(sound, IDC_SOUND_PROVIDERS);
        int software = static_cast<int>(std::find(rows.begin(), rows.end(), softwareProvider) - rows.begin());
        REQUIRE(software < static_cast<int>(rows.size()));
        SelectListRow(sound, IDC_SOUND_PROVIDERS, software);
        ClickButton(sound, IDC_SOUND_REVERB_30);
        EndWith(sound, IDOK);
    });
    CHECK_EQ(ShowAdvancedOptions(NULL), 0);
    CHECK_EQ(driver.Leftovers(), "");
    CHECK_EQ(SettingDword("AdvOptSel", 99), 3u);
    CHECK_EQ(SettingDword("3DCardSel", 99), 14u);
    CHECK_EQ(SettingString("Sound Provider Name"), softwareProvider);
    CHECK_EQ(SettingDword("Sound Reverb", 99), 30u);
    CHECK_EQ(disableSwitches[DisableSound], 0u);
    CHECK(!SettingExists("Save Commands"));
}

TEST_CASE(ASecondSoundPressBehindTheUnownedWarningStartsNoSecondQuery)
{
    SoundMachine machine("advanced-sound-twice", {std::string("provider=") + hardwareProvider});
    AcceptWarning();
    StartRun();
    HWND advanced = NULL;
    DialogDriver driver;
    driver.Then([&](HWND dialog) {
        advanced = dialog;
        ClickButton(dialog, IDC_ADV_3D_SOUND);
        EndWith(dialog, IDCANCEL);
    });
    driver.Then([&](HWND box) {
        CHECK_EQ(MessageBoxText(box), queryWarningText);
        CHECK(IsWindowEnabled(advanced));  // the box has no owner: the button can be pressed again
        ClickButton(advanced, IDC_ADV_3D_SOUND);
        CHECK_EQ(driver.Seen().size(), 2u);  // no second warning
        CHECK(machine.Calls().empty());      // and no query yet
        EndWith(box, IDOK);
    });
    driver.Then([](HWND sound) {
        CHECK_EQ(ListCount(sound, IDC_SOUND_PROVIDERS), 2);
        EndWith(sound, IDCANCEL);
    });
    CHECK_EQ(ShowAdvancedOptions(NULL), 0);
    CHECK_EQ(driver.Leftovers(), "");
    std::vector<std::string> calls = machine.Calls();
    CHECK_EQ(std::count(calls.begin(), calls.end(), std::string("AIL_startup")), 1);
}

TEST_CASE(WithoutAStoreTheDialogWorksOnMemoryAlone)
{
    FreshMachine fresh;
    CloseTestStore();  // theRegistryStore is now null
    saveCommands = 0;
    lstrcpynA(commandText, "in memory", commandTextCapacity);
    DialogDriver driver;
    driver.Then([](HWND box) { EndWith(box, IDOK); });  // nothing says it was accepted
    driver.Then([](HWND dialog) {
        CHECK(!IsChecked(dialog, IDC_ADV_SAVE_COMMANDS));
        CHECK_EQ(ControlText(dialog, IDC_ADV_COMMANDS), "in memory");
        SetText(dialog, IDC_ADV_COMMANDS, "typed");
        ClickButton(dialog, IDC_ADV_SAVE_COMMANDS);
        ClickButton(dialog, IDC_ADV_DISABLE_MOVIES);
        EndWith(dialog, IDOK);
    });
    CHECK_EQ(ShowAdvancedOptions(NULL), 1);
    CHECK_EQ(driver.PendingSteps(), 0u);
    CHECK_EQ(commandText, "typed");
    CHECK_EQ(saveCommands, 1u);
    CHECK_EQ(disableSwitches[DisableMovies], 1u);
    CHECK(SettingNames().empty());
}
