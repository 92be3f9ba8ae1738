// Starts the real launcher in a game folder, opens every dialog in turn and saves a picture of each as a
// .bmp in the output folder (the script turns them into PNG files). Usage:
//   ScreenshotTour <Tumbleridge.exe> <game folder> <output folder>
// The warnings that come before a first use are taken as accepted in the registry beforehand, so every
// picture shows the dialog itself; the warnings have pictures of their own.
#include <windows.h>

#include <cstdio>
#include <functional>
#include <string>

#include "DialogDriver.h"
#include "LauncherRun.h"
#include "ScreenShot.h"
#include "TestRegistry.h"
#include "resource.h"

namespace {

RunningProgram launcher;
std::string outputFolder;
int failures = 0;

HWND WaitFor(const std::function<bool(HWND)>& match)
{
    return launcher.WaitForDialog(match, launcherPatience);
}

std::function<bool(HWND)> HasControl(int id)
{
    return [id](HWND window) { return GetDlgItem(window, id) != NULL; };
}

// Saves the window's rectangle of the screen as a bitmap file.
bool Shoot(HWND window, const char* name)
{
    Sleep(400);  // let it finish painting
    RedrawWindow(window, NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    Sleep(200);
    RECT area;
    GetWindowRect(window, &area);
    std::string path = outputFolder + "\\" + name + ".bmp";
    bool ok = ScreenShot(area).SaveBitmap(path);
    std::printf("%s %s\n", ok ? "saved" : "FAILED", path.c_str());
    if (!ok) ++failures;
    return ok;
}

// Sends a command to a dialog, waits for the dialog it opens, sets it up when asked, takes its picture and
// closes it.
HWND Open(HWND from, int command, const std::function<bool(HWND)>& match, const char* name, bool close = true,
          const std::function<void(HWND)>& prepare = nullptr)
{
    PostMessageA(from, WM_COMMAND, MAKEWPARAM(command, 0), 0);
    HWND opened = WaitFor([&](HWND window) { return window != from && match(window); });
    if (!opened) {
        std::printf("FAILED: no dialog for %s\n", name);
        ++failures;
        return NULL;
    }
    if (prepare) {
        prepare(opened);
        Sleep(300);
    }
    Shoot(opened, name);
    if (close) {
        PostMessageA(opened, WM_COMMAND, IDCANCEL, 0);
        for (int i = 0; i < 100 && IsWindow(opened); ++i) Sleep(50);
    }
    return opened;
}

// The set "Highland campaign" loaded (the stored choice), an add-on not chosen yet and a middle chosen one
// selected, so that every button of the dialog is enabled.
void SelectAddOns(HWND dialog)
{
    SendDlgItemMessageA(dialog, IDC_CUSTOM_SET, CB_SETCURSEL, 1, 0);
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_CUSTOM_SET, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDC_CUSTOM_SET)));
    LRESULT notChosen = SendDlgItemMessageA(dialog, IDC_CUSTOM_AVAILABLE, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                            reinterpret_cast<LPARAM>("weapons_pack.rez"));
    SendDlgItemMessageA(dialog, IDC_CUSTOM_AVAILABLE, LB_SETCURSEL, static_cast<WPARAM>(notChosen), 0);
    SendDlgItemMessageA(dialog, IDC_CUSTOM_CHOSEN, LB_SETCURSEL, 1, 0);
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_CUSTOM_CHOSEN, LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDC_CUSTOM_CHOSEN)));
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 4) {
        std::printf("usage: ScreenshotTour <Tumbleridge.exe> <game folder> <output folder>\n");
        return 2;
    }
    outputFolder = argv[3];
    CreateDirectoryA(outputFolder.c_str(), NULL);
    WriteSettingDword("Display Warned", 0);
    WriteSettingDword("AdvWarning", 0);
    WriteSettingDword("Sound Enum Warning", 0);
    WriteSettingDword("Save Rez Files", 1);
    WriteSettingString("Rez Files", "Highlands.rez|Sky Harbour.rez|NightRaid.rez");
    WriteSettingString("Highland campaign", "Highlands.rez|Sky Harbour.rez|NightRaid.rez", "Add-on Sets");
    WriteSettingString("Arsenal", "weapons_pack.rez", "Add-on Sets");
    WriteSettingString("Night raid only", "NightRaid.rez", "Add-on Sets");

    if (!launcher.Start(argv[1], "", argv[2])) {
        std::printf("FAILED: cannot start %s\n", argv[1]);
        return 1;
    }

    HWND main = WaitFor(IsMainDialog);
    if (!main) {
        std::printf("FAILED: no main window\n");
        return 1;  // the launcher is ended on the way out
    }
    Shoot(main, "main");

    // The display warning, then the dialog itself.
    HWND warning = Open(main, IDC_GAME_DISPLAY, IsMessageBox, "display-warning", false);
    if (warning) PostMessageA(warning, WM_COMMAND, IDOK, 0);
    HWND display = WaitFor(HasControl(IDC_DISPLAY_RENDERERS));
    if (display) {
        Shoot(display, "display");
        PostMessageA(display, WM_COMMAND, IDCANCEL, 0);
    } else {
        std::printf("FAILED: no display dialog\n");
        ++failures;
    }
    Sleep(300);

    warning = Open(main, IDC_GAME_ADVANCED, IsMessageBox, "advanced-warning", false);
    if (warning) PostMessageA(warning, WM_COMMAND, IDOK, 0);
    HWND advanced = WaitFor(HasControl(IDC_ADV_COMMANDS));
    if (advanced) {
        Shoot(advanced, "advanced");
        Open(advanced, IDC_ADV_OPTION_HELP, HasControl(IDC_HELP_TOPICS), "option-help");
        Open(advanced, IDC_ADV_CARD_NOTES, HasControl(IDC_HELP_TOPICS), "card-notes");
        HWND soundWarning = Open(advanced, IDC_ADV_3D_SOUND, IsMessageBox, "sound-warning", false);
        if (soundWarning) PostMessageA(soundWarning, WM_COMMAND, IDOK, 0);
        HWND sound = WaitFor(HasControl(IDC_SOUND_PROVIDERS));
        if (sound) {
            Shoot(sound, "sound");
            PostMessageA(sound, WM_COMMAND, IDCANCEL, 0);
        } else {
            std::printf("FAILED: no 3D sound dialog\n");
            ++failures;
        }
        Sleep(300);
        PostMessageA(advanced, WM_COMMAND, IDCANCEL, 0);
    } else {
        std::printf("FAILED: no advanced options dialog\n");
        ++failures;
    }
    Sleep(300);

    HWND customize = Open(main, IDC_GAME_CUSTOMIZE, HasControl(IDC_CUSTOM_AVAILABLE), "customize", false, SelectAddOns);
    if (customize) {
        Open(customize, IDC_CUSTOM_SAVE_SET, HasControl(IDC_SAVE_SET_NAME), "save-set");
        Sleep(300);
        PostMessageA(customize, WM_COMMAND, IDCANCEL, 0);
        for (int i = 0; i < 100 && IsWindow(customize); ++i) Sleep(50);
    }
    Sleep(300);
    Open(main, IDC_GAME_PREVIEWS,
         [](HWND window) { return GetDlgItem(window, IDC_PREVIEW_MOVIES) || GetDlgItem(window, IDC_PREVIEW_DEMOS); },
         "previews");
    Sleep(300);

    PostMessageA(main, WM_COMMAND, IDCANCEL, 0);
    launcher.WaitForExit(launcherPatience);
    std::printf("%d failures\n", failures);
    return failures == 0 ? 0 : 1;
}
