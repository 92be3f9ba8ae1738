// The dialog "3DSOUND" over the stand-in library's providers: what it shows from the stored choice, and
// what OK and Cancel store.
#include <mbctype.h>

#include "DialogDriver.h"
#include "SoundMachine.h"
#include "TestKit.h"
#include "TestRegistry.h"
#include "resource.h"
#include "sound/ProviderName.h"
#include "sound/SoundDialog.h"
#include "sound/SoundSettings.h"

namespace {

const int reverbIds[] = {IDC_SOUND_REVERB_0,   IDC_SOUND_REVERB_30,  IDC_SOUND_REVERB_60,
                         IDC_SOUND_REVERB_100, IDC_SOUND_REVERB_125, IDC_SOUND_REVERB_150};

// The ids of the checked reverb buttons, joined by blanks.
std::string CheckedReverb(HWND dialog)
{
    std::string checked;
    for (int id : reverbIds) {
        if (!IsChecked(dialog, id)) continue;
        if (!checked.empty()) checked += " ";
        checked += std::to_string(id);
    }
    return checked;
}

// A machine offering the two DirectSound providers, the warning accepted long ago.
struct TwoProviderMachine : SoundMachine {
    explicit TwoProviderMachine(const std::string& name)
        : SoundMachine(name, {std::string("provider=") + hardwareProvider, std::string("provider=") + softwareProvider})
    {
        WriteSettingDword("Sound Enum Warning", 1);
    }
};

// Opens the dialog with step for it (the step ends it); the dialog's result.
int OpenDialog(DialogStep step)
{
    DialogDriver driver;
    driver.Then(step);
    int result = Configure3DSound(GetModuleHandleA(NULL), NULL, 1);
    CHECK_EQ(driver.Leftovers(), "");
    return result;
}

}  // namespace

TEST_CASE(StoredProviderNameSelectsItsRowAndOkStoresThatRow)
{
    const struct {
        DWORD kind;
        const char* name;
        int row;  // selected when the dialog opens
        DWORD storedKind;
        const char* storedName;
    } stored[] = {
        // Another letter case: the row's own spelling is stored.
        {3, "MICROSOFT directsound3d SOFTWARE emulation", 1, 3, softwareProvider},
        // No longer offered: "No 3D sound".
        {4, "Aureal A3D Interactive(TM)", 0, 0, "No 3D sound"},
    };
    for (const auto& choice : stored) {
        TwoProviderMachine machine("sound-stored");
        WriteSettingDword("Sound Provider", choice.kind);
        WriteSettingString("Sound Provider Name", choice.name);
        int row = choice.row;
        CHECK_EQ(OpenDialog([row](HWND dialog) {
                     CHECK_EQ(ListSelection(dialog, IDC_SOUND_PROVIDERS), row);
                     EndWith(dialog, IDOK);
                 }),
                 1);
        CHECK_EQ(SettingString("Sound Provider Name"), choice.storedName);
        CHECK_EQ(SettingDword("Sound Provider", 99), choice.storedKind);
    }
}

TEST_CASE(StoredNameDifferingInCaseSelectsTheLastMatchingRow)
{
    // Two providers of one name: the later row is chosen.
    SoundMachine twins("sound-twins", {"provider=Twin", "provider=Other", "provider=twin"});
    WriteSettingDword("Sound Enum Warning", 1);
    WriteSettingString("Sound Provider Name", "TWIN");
    OpenDialog([](HWND dialog) {
        CHECK_EQ(Joined(ListRows(dialog, IDC_SOUND_PROVIDERS)), Joined({"No 3D sound", "twin", "Other", "Twin"}));
        CHECK_EQ(ListSelection(dialog, IDC_SOUND_PROVIDERS), 3);
        EndWith(dialog, IDCANCEL);
    });
}

TEST_CASE(ChosenRowIsStoredWithItsKind)
{
    TwoProviderMachine machine("sound-choose");
    int result = OpenDialog([](HWND dialog) {
        CHECK_EQ(ListSelection(dialog, IDC_SOUND_PROVIDERS), 0);  // nothing stored yet
        SelectListRow(dialog, IDC_SOUND_PROVIDERS, 2);
        EndWith(dialog, IDOK);
    });
    CHECK_EQ(result, 1);
    CHECK_EQ(SettingDword("Sound Provider", 99), 1u);
    CHECK_EQ(SettingString("Sound Provider Name"), hardwareProvider);
    // The untouched values go to the registry as they were in memory.
    CHECK_EQ(SettingDword("Sound 3D Samples", 0), 16u);
    CHECK_EQ(SettingDword("Sound 2D Samples", 0), 32u);
    CHECK_EQ(SettingDword("Sound Reverb", 0), 100u);
}

TEST_CASE(ReverbButtonsFollowTheStoredLevel)
{
    const struct {
        DWORD stored;
        int checked;  // the button checked when the dialog opens, 0 for none
        int click;    // the button clicked, 0 for none
        DWORD storedAtOk;
    } levels[] = {
        {50, 0, 0, 50},  // not a level of a button: none is checked and the level is kept
        {125, IDC_SOUND_REVERB_125, IDC_SOUND_REVERB_30, 30},
        {0, IDC_SOUND_REVERB_0, IDC_SOUND_REVERB_150, 150},
    };
    TwoProviderMachine machine("sound-reverb");
    for (const auto& level : levels) {
        WriteSettingDword("Sound Reverb", level.stored);
        int checked = level.checked, click = level.click;
        OpenDialog([checked, click](HWND dialog) {
            CHECK_EQ(CheckedReverb(dialog), checked ? std::to_string(checked) : "");
            if (click) ClickButton(dialog, click);
            if (click) CHECK_EQ(CheckedReverb(dialog), std::to_string(click));
            EndWith(dialog, IDOK);
        });
        CHECK_EQ(SettingDword("Sound Reverb", 0), level.storedAtOk);
    }
}

TEST_CASE(SampleFieldsShowTheCountsAndStoreZeroForAnythingElse)
{
    TwoProviderMachine machine("sound-samples");
    WriteSettingDword("Sound 3D Samples", 24);
    WriteSettingDword("Sound 2D Samples", 4000000000u);
    OpenDialog([](HWND dialog) {
        CHECK_EQ(ControlText(dialog, IDC_SOUND_3D_SAMPLES), "24");
        CHECK_EQ(ControlText(dialog, IDC_SOUND_2D_SAMPLES), "4000000000");
        SetText(dialog, IDC_SOUND_3D_SAMPLES, "abc");
        SetText(dialog, IDC_SOUND_2D_SAMPLES, "64");
        EndWith(dialog, IDOK);
    });
    CHECK_EQ(SettingDword("Sound 3D Samples", 99), 0u);
    CHECK_EQ(SettingDword("Sound 2D Samples", 99), 64u);

    OpenDialog([](HWND dialog) {
        SetText(dialog, IDC_SOUND_3D_SAMPLES, "-8");
        SetText(dialog, IDC_SOUND_2D_SAMPLES, "");
        EndWith(dialog, IDOK);
    });
    CHECK_EQ(SettingDword("Sound 3D Samples", 99), 0u);
    CHECK_EQ(SettingDword("Sound 2D Samples", 99), 0u);
}

TEST_CASE(CancelWritesNothingAndKeepsTheSettingsInMemory)
{
    TwoProviderMachine machine("sound-cancel");
    WriteSettingDword("Sound Reverb", 60);
    int result = OpenDialog([](HWND dialog) {
        SelectListRow(dialog, IDC_SOUND_PROVIDERS, 1);
        SetText(dialog, IDC_SOUND_3D_SAMPLES, "8");
        ClickButton(dialog, IDC_SOUND_REVERB_150);
        EndWith(dialog, IDCANCEL);
    });
    CHECK_EQ(result, 0);
    const char* const untouched[] = {"Sound Provider", "Sound Provider Name", "Sound 3D Samples", "Sound 2D Samples"};
    for (const char* name : untouched) {
        if (SettingExists(name)) testkit::Fail(__FILE__, __LINE__, std::string(name) + " was written");
    }
    CHECK_EQ(SettingDword("Sound Reverb", 0), 60u);
    CHECK_EQ(soundProviderKind, 0);
    CHECK_EQ(sound3DSamples, 16u);
    CHECK_EQ(soundReverb, 60);  // loaded before the dialog, not changed by it
}

TEST_CASE(DialogThatCannotBeShownStoresNothing)
{
    TwoProviderMachine machine("sound-notemplate");
    DialogDriver driver;
    // A module without the template: the dialog fails to appear, which is no confirmation.
    CHECK_EQ(Configure3DSound(GetModuleHandleA("kernel32.dll"), NULL, 1), 0);
    CHECK(driver.Seen().empty());
    CHECK(!SettingExists("Sound Provider"));
    CHECK_EQ(Configure3DSound(NULL, NULL, 1), 0);
}

TEST_CASE(ProviderNamesCompareWholeDoubleByteCharacters)
{
    CHECK(SameProviderName("Miles 2D Stereo Positional Audio", "MILES 2d stereo positional AUDIO"));
    CHECK(!SameProviderName("Miles", "Miles 2D"));
    // In code page 932, 0x83 0x41 and 0x83 0x61 are two different katakana; only the trail byte differs,
    // by the distance between 'A' and 'a'.
    const char* const katakanaA = "Provider \x83\x41";
    const char* const katakanaSmallYa = "Provider \x83\x61";
    REQUIRE(_setmbcp(932) == 0);
    bool sameIn932 = SameProviderName(katakanaA, katakanaSmallYa);
    _setmbcp(_MB_CP_ANSI);
    CHECK(!sameIn932);
}
