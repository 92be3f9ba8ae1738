// The real Tumbleridge.exe: the advanced options opened from the main window, through to the registry.
#include "DialogDriver.h"
#include "LauncherRun.h"
#include "TestKit.h"
#include "TestRegistry.h"
#include "resource.h"

namespace {

bool IsAdvancedDialog(HWND window)
{
    return !IsMessageBox(window) && GetDlgItem(window, IDC_ADV_COMMANDS);
}

// Waits for the main window and asks it for the advanced options: the warning or the dialog, or null.
HWND OpenAdvancedFromMain(LauncherRun& launcher)
{
    if (!launcher.WaitForMain()) return NULL;
    PostMessageA(launcher.main, WM_COMMAND, IDC_GAME_ADVANCED, 0);
    std::string warning = TableString(IDS_ADVANCED_WARNING);
    return launcher.WaitForDialog([&](HWND window) {
        return (IsMessageBox(window) && MessageBoxText(window) == warning) || IsAdvancedDialog(window);
    });
}

}  // namespace

TEST_CASE(SwitchesTickedInTheAdvancedDialogReachTheRegistryAtShutdown)
{
    ClearLauncherSettings();
    GameFolder game("advanced-options-run", {}, false);
    {
        LauncherRun launcher(game);
        HWND box = OpenAdvancedFromMain(launcher);
        REQUIRE(box != NULL && IsMessageBox(box));
        CHECK_EQ(WindowText(box), "Advanced Options");
        EndWith(box, IDOK);
        HWND dialog = launcher.WaitForDialog(IsAdvancedDialog);
        REQUIRE(dialog != NULL);
        SetChecked(dialog, IDC_ADV_DISABLE_FOG, true);
        SetChecked(dialog, IDC_ADV_DISABLE_TRIPBUF, true);
        SetChecked(dialog, IDC_ADV_RESTORE_DEFAULTS, true);
        SetText(dialog, IDC_ADV_COMMANDS, "gamma 1.3");
        EndWith(dialog, IDOK);
        CHECK(WaitUntilClosed(dialog));
        CHECK_EQ(SettingString("Commands"), "gamma 1.3");  // the commands are stored at OK
        CHECK(!SettingExists("Disable Fog"));              // the switches only at shutdown
        CHECK_EQ(launcher.Quit(), 1L);
    }
    CHECK_EQ(SettingDword("Disable Fog", 99), 1u);
    CHECK_EQ(SettingDword("Disable TripBuf", 99), 1u);
    CHECK_EQ(SettingDword("Disable Sound", 99), 0u);
    CHECK_EQ(SettingDword("Disable Loadscreen", 99), 0u);
    CHECK_EQ(SettingDword("AdvWarning", 99), 1u);
    CHECK_EQ(SettingDword("Save Commands", 99), 1u);

    // The next run: no warning, the switches and commands as stored, restore defaults clear again.
    {
        LauncherRun launcher(game);
        HWND dialog = OpenAdvancedFromMain(launcher);
        REQUIRE(dialog != NULL && IsAdvancedDialog(dialog));
        CHECK(IsChecked(dialog, IDC_ADV_DISABLE_FOG));
        CHECK(IsChecked(dialog, IDC_ADV_DISABLE_TRIPBUF));
        CHECK(!IsChecked(dialog, IDC_ADV_DISABLE_SOUND));
        CHECK(!IsChecked(dialog, IDC_ADV_RESTORE_DEFAULTS));
        CHECK(IsChecked(dialog, IDC_ADV_SAVE_COMMANDS));
        CHECK_EQ(ControlText(dialog, IDC_ADV_COMMANDS), "gamma 1.3");
        EndWith(dialog, IDCANCEL);
        CHECK(WaitUntilClosed(dialog));
        CHECK_EQ(launcher.Quit(), 1L);
    }
    CHECK_EQ(SettingDword("Disable Fog", 99), 1u);
}
