// The real Tumbleridge.exe: the advanced options opened from the main window, through to the registry.
#include "DialogDriver.h"
#include "ProcessDriver.h"
#include "TestFiles.h"
#include "TestKit.h"
#include "TestRegistry.h"
#include "resource.h"

namespace {

const DWORD patience = 15000;

bool IsMainDialog(HWND window)
{
    return GetDlgItem(window, IDOK) && GetDlgItem(window, IDC_GAME_LINK_ZONE1);
}
bool IsAdvancedDialog(HWND window)
{
    return !IsMessageBox(window) && GetDlgItem(window, IDC_ADV_COMMANDS);
}
bool IsWarning(HWND window)
{
    return IsMessageBox(window) && WindowText(window) == "Advanced Options";
}

bool BoxChecked(HWND dialog, int id)
{
    return SendDlgItemMessageA(dialog, id, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void Tick(HWND dialog, int id)
{
    SendDlgItemMessageA(dialog, id, BM_SETCHECK, BST_CHECKED, 0);
}

// The edit field's text, asked of the control itself (GetWindowText does not ask another process's control).
std::string FieldText(HWND dialog, int id)
{
    char text[512];
    text[0] = '\0';
    SendDlgItemMessageA(dialog, id, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    return text;
}

// Starts the launcher in its folder, waits for the main window and asks it for the advanced options.
HWND OpenAdvancedFromMain(RunningProgram& launcher, const std::string& exe, const std::string& folder, HWND* main)
{
    if (!launcher.Start(exe, "", folder)) return NULL;
    *main = launcher.WaitForDialog(IsMainDialog, patience);
    if (!*main) return NULL;
    PostMessageA(*main, WM_COMMAND, IDC_GAME_ADVANCED, 0);
    return launcher.WaitForDialog([](HWND window) { return IsWarning(window) || IsAdvancedDialog(window); }, patience);
}

void CloseAndQuit(RunningProgram& launcher, HWND dialog, HWND main, int ending)
{
    PostMessageA(dialog, WM_COMMAND, ending, 0);
    CHECK(WaitUntil([dialog]() { return !IsWindow(dialog); }, patience));
    PostMessageA(main, WM_COMMAND, IDCANCEL, 0);
    CHECK_EQ(launcher.WaitForExit(patience), 1L);
}

}  // namespace

TEST_CASE(SwitchesTickedInTheAdvancedDialogReachTheRegistryAtShutdown)
{
    ClearLauncherSettings();
    std::string folder = FreshWorkFolder("advanced-options-run");
    std::string exe = JoinPath(folder, "Tumbleridge.exe");
    REQUIRE(CopyInto(LauncherExePath(), exe));
    {
        RunningProgram launcher;
        HWND main = NULL;
        HWND box = OpenAdvancedFromMain(launcher, exe, folder, &main);
        REQUIRE(box != NULL && IsWarning(box));
        PostMessageA(box, WM_COMMAND, IDOK, 0);
        HWND dialog = launcher.WaitForDialog(IsAdvancedDialog, patience);
        REQUIRE(dialog != NULL);
        Tick(dialog, IDC_ADV_DISABLE_FOG);
        Tick(dialog, IDC_ADV_DISABLE_TRIPBUF);
        Tick(dialog, IDC_ADV_RESTORE_DEFAULTS);
        SendDlgItemMessageA(dialog, IDC_ADV_COMMANDS, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("gamma 1.3"));
        PostMessageA(dialog, WM_COMMAND, IDOK, 0);
        CHECK(WaitUntil([dialog]() { return !IsWindow(dialog); }, patience));
        CHECK_EQ(SettingString("Commands"), "gamma 1.3");  // the commands are stored at OK
        CHECK(!SettingExists("Disable Fog"));              // the switches only at shutdown
        PostMessageA(main, WM_COMMAND, IDCANCEL, 0);
        CHECK_EQ(launcher.WaitForExit(patience), 1L);
    }
    CHECK_EQ(SettingDword("Disable Fog", 99), 1u);
    CHECK_EQ(SettingDword("Disable TripBuf", 99), 1u);
    CHECK_EQ(SettingDword("Disable Sound", 99), 0u);
    CHECK_EQ(SettingDword("Disable Loadscreen", 99), 0u);
    CHECK_EQ(SettingDword("AdvWarning", 99), 1u);
    CHECK_EQ(SettingDword("Save Commands", 99), 1u);

    // The next run: no warning, the switches and commands as stored, restore defaults clear again.
    {
        RunningProgram launcher;
        HWND main = NULL;
        HWND dialog = OpenAdvancedFromMain(launcher, exe, folder, &main);
        REQUIRE(dialog != NULL && IsAdvancedDialog(dialog));
        CHECK(BoxChecked(dialog, IDC_ADV_DISABLE_FOG));
        CHECK(BoxChecked(dialog, IDC_ADV_DISABLE_TRIPBUF));
        CHECK(!BoxChecked(dialog, IDC_ADV_DISABLE_SOUND));
        CHECK(!BoxChecked(dialog, IDC_ADV_RESTORE_DEFAULTS));
        CHECK(BoxChecked(dialog, IDC_ADV_SAVE_COMMANDS));
        CHECK_EQ(FieldText(dialog, IDC_ADV_COMMANDS), "gamma 1.3");
        CloseAndQuit(launcher, dialog, main, IDCANCEL);
    }
    CHECK_EQ(SettingDword("Disable Fog", 99), 1u);
}
