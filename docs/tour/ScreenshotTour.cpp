// Starts the real launcher in a game folder, opens every dialog in turn and saves a picture of each as a
// .bmp in the output folder (the script turns them into PNG files). Usage:
//   ScreenshotTour <Tumbleridge.exe> <game folder> <output folder>
// The warnings that come before a first use are taken as accepted in the registry beforehand, so every
// picture shows the dialog itself; the warnings have pictures of their own.
#include <windows.h>

#include <cstdio>
#include <functional>
#include <string>

#include "DialogSearch.h"
#include "resource.h"

namespace {

DWORD launcherId;
std::string outputFolder;
int failures = 0;

HWND WaitFor(const std::function<bool(HWND)>& match, DWORD timeoutMs = 30000)
{
    for (DWORD waited = 0; waited < timeoutMs; waited += 50) {
        HWND found = FindProcessDialog(launcherId, match);
        if (found) return found;
        Sleep(50);
    }
    return NULL;
}

std::function<bool(HWND)> HasControl(int id)
{
    return [id](HWND window) { return GetDlgItem(window, id) != NULL; };
}

bool IsBox(HWND window) { return GetDlgItem(window, 0xFFFF) != NULL; }

// Saves the window's rectangle of the screen as a 24-bit bitmap file.
bool Shoot(HWND window, const char* name)
{
    Sleep(400);   // let it finish painting
    RedrawWindow(window, NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    Sleep(200);
    RECT area;
    GetWindowRect(window, &area);
    int width = area.right - area.left, height = area.bottom - area.top;
    HDC screen = GetDC(NULL);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    void* bits = NULL;
    HBITMAP picture = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, NULL, 0);
    HGDIOBJ previous = SelectObject(memory, picture);
    BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
    SelectObject(memory, previous);
    DWORD rowBytes = (static_cast<DWORD>(width) * 3 + 3) & ~3u;
    DWORD imageBytes = rowBytes * static_cast<DWORD>(height);
    BITMAPFILEHEADER file = {};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info.bmiHeader;
    file.bfSize = file.bfOffBits + imageBytes;
    std::string path = outputFolder + "\\" + name + ".bmp";
    FILE* out = std::fopen(path.c_str(), "wb");
    bool ok = out && std::fwrite(&file, sizeof file, 1, out) == 1 &&
              std::fwrite(&info.bmiHeader, sizeof info.bmiHeader, 1, out) == 1 &&
              std::fwrite(bits, 1, imageBytes, out) == imageBytes;
    if (out) std::fclose(out);
    DeleteObject(picture);
    DeleteDC(memory);
    ReleaseDC(NULL, screen);
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

void SetSetting(const char* name, DWORD type, const void* value, DWORD size)
{
    HKEY key;
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, "Software\\Harrowmark\\Tumbleridge\\1.0", 0, NULL, 0, KEY_WRITE, NULL,
                        &key, NULL) != ERROR_SUCCESS)
        return;
    RegSetValueExA(key, name, 0, type, static_cast<const BYTE*>(value), size);
    RegCloseKey(key);
}

void SetAccepted(const char* name, DWORD value)
{
    SetSetting(name, REG_DWORD, &value, sizeof value);
}

// An add-on not chosen yet and a middle chosen one selected, so that every button of the dialog is enabled.
void SelectAddOns(HWND dialog)
{
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
    SetAccepted("Display Warned", 0);
    SetAccepted("AdvWarning", 0);
    SetAccepted("Sound Enum Warning", 0);
    SetAccepted("Save Rez Files", 1);
    const char chosenAddOns[] = "Highlands.rez|Sky Harbour.rez|NightRaid.rez";
    SetSetting("Rez Files", REG_SZ, chosenAddOns, sizeof chosenAddOns);

    std::string line = std::string("\"") + argv[1] + "\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(argv[1], &line[0], NULL, NULL, FALSE, 0, NULL, argv[2], &startup, &process)) {
        std::printf("FAILED: cannot start %s\n", argv[1]);
        return 1;
    }
    launcherId = process.dwProcessId;

    HWND main = WaitFor(HasControl(IDC_GAME_LINK_ZONE1));
    if (!main) {
        std::printf("FAILED: no main window\n");
        TerminateProcess(process.hProcess, 1);
        return 1;
    }
    Shoot(main, "main");

    // The display warning, then the dialog itself.
    HWND warning = Open(main, IDC_GAME_DISPLAY, IsBox, "display-warning", false);
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

    warning = Open(main, IDC_GAME_ADVANCED, IsBox, "advanced-warning", false);
    if (warning) PostMessageA(warning, WM_COMMAND, IDOK, 0);
    HWND advanced = WaitFor(HasControl(IDC_ADV_COMMANDS));
    if (advanced) {
        Shoot(advanced, "advanced");
        Open(advanced, IDC_ADV_OPTION_HELP, HasControl(IDC_HELP_TOPICS), "option-help");
        Open(advanced, IDC_ADV_CARD_NOTES, HasControl(IDC_HELP_TOPICS), "card-notes");
        HWND soundWarning = Open(advanced, IDC_ADV_3D_SOUND, IsBox, "sound-warning", false);
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

    Open(main, IDC_GAME_CUSTOMIZE, HasControl(IDC_CUSTOM_AVAILABLE), "customize", true, SelectAddOns);
    Sleep(300);
    Open(main, IDC_GAME_PREVIEWS,
         [](HWND window) { return GetDlgItem(window, IDC_PREVIEW_MOVIES) || GetDlgItem(window, IDC_PREVIEW_DEMOS); },
         "previews");
    Sleep(300);

    PostMessageA(main, WM_COMMAND, IDCANCEL, 0);
    if (WaitForSingleObject(process.hProcess, 15000) != WAIT_OBJECT_0) TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    std::printf("%d failures\n", failures);
    return failures == 0 ? 0 : 1;
}
