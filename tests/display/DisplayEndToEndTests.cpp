// The display command in the real launcher: warned once across runs, the choice written into the game
// folder's "autoexec.cfg" and found there by the next run.
#include "ProcessDriver.h"
#include "TestFiles.h"
#include "TestKit.h"
#include "TestRegistry.h"
#include "resource.h"

#include <vector>

namespace {

const char* const d3dRow = "Direct3D Hardware Renderer (D3D.REN)";
const char* const primaryRow = "Primary Display Driver (display)";

bool IsMainWindow(HWND window)
{
    return GetDlgItem(window, IDC_GAME_LINK_ZONE1) != NULL;
}
bool IsDisplayDialog(HWND window)
{
    return GetDlgItem(window, IDC_DISPLAY_RENDERERS) != NULL;
}
bool IsBox(HWND window)
{
    return GetDlgItem(window, 0xFFFF) != NULL;
}

// The row's text read in UTF-16: Wine hands the ANSI form of LB_GETTEXT across processes cut short.
std::string RemoteRow(HWND list, int row)
{
    wchar_t text[512] = L"";
    LRESULT length = SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(row), 0);
    if (length < 0 || length >= 512) return "(no row)";
    SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(text));
    char narrow[1024] = "";
    WideCharToMultiByte(CP_ACP, 0, text, -1, narrow, sizeof narrow, NULL, NULL);
    return narrow;
}

std::string RemoteSelection(HWND dialog, int id)
{
    HWND list = GetDlgItem(dialog, id);
    return RemoteRow(list, static_cast<int>(SendMessageA(list, LB_GETCURSEL, 0, 0)));
}

// Selects the row with that text and tells the dialog, as a click does.
bool RemoteSelect(HWND dialog, int id, const std::string& text)
{
    HWND list = GetDlgItem(dialog, id);
    int count = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
    for (int row = 0; row < count; ++row) {
        if (RemoteRow(list, row) != text) continue;
        SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(row), 0);
        SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, LBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
        return true;
    }
    return false;
}

void PressDisplayButton(HWND main)
{
    PostMessageA(main, WM_COMMAND, MAKEWPARAM(IDC_GAME_DISPLAY, BN_CLICKED), 0);
}

}  // namespace

TEST_CASE(DisplayChoiceReachesTheScriptAndTheWarningComesOnce)
{
    ClearLauncherSettings();
    std::string folder = FreshWorkFolder("display-end-to-end");
    std::string launcher = JoinPath(folder, "Tumbleridge.exe");
    REQUIRE(CopyInto(LauncherExePath(), launcher));
    CopyInto(StandinPath("D3D.REN"), JoinPath(folder, "D3D.REN"));
    CopyInto(StandinPath("SOFT.REN"), JoinPath(folder, "SOFT.REN"));
    WriteFileBytes(JoinPath(folder, "autoexec.cfg"),
                   "// settings\r\n\"RenderDll\" \"SOFT.REN\"\r\n\"Volume\" \"5\"\r\n");
    {
        RunningProgram program;
        REQUIRE(program.Start(launcher, "", folder));
        HWND main = program.WaitForDialog(IsMainWindow, 10000);
        REQUIRE(main != NULL);
        PressDisplayButton(main);
        HWND warning = program.WaitForDialog(IsBox, 10000);
        REQUIRE(warning != NULL);
        PostMessageA(warning, WM_COMMAND, IDOK, 0);
        HWND dialog = program.WaitForDialog(IsDisplayDialog, 10000);
        REQUIRE(dialog != NULL);
        CHECK_EQ(RemoteSelection(dialog, IDC_DISPLAY_RENDERERS), "Software Renderer (SOFT.REN)");
        CHECK(RemoteSelect(dialog, IDC_DISPLAY_RENDERERS, d3dRow));
        CHECK(RemoteSelect(dialog, IDC_DISPLAY_DEVICES, primaryRow));
        CHECK(RemoteSelect(dialog, IDC_DISPLAY_MODES, "1024 x 768 x 32"));
        PostMessageA(dialog, WM_COMMAND, IDOK, 0);
        CHECK(WaitUntil([&]() { return !IsWindow(dialog); }, 10000));
        PostMessageA(main, WM_COMMAND, IDCANCEL, 0);
        CHECK_EQ(program.WaitForExit(10000), 1L);
    }
    CHECK_EQ(ReadFileText(JoinPath(folder, "autoexec.cfg")),
             "// settings\r\n\"RenderDll\" \"D3D.REN\"\r\n\"Volume\" \"5\"\r\n\"CardDesc\" \"display\"\r\n"
             "\"ScreenWidth\" \"1024\"\r\n\"ScreenHeight\" \"768\"\r\n\"BitDepth\" \"32\"\r\n");
    CHECK_EQ(SettingDword("Display Warned", 0), DWORD(1));
    {
        RunningProgram program;
        REQUIRE(program.Start(launcher, "", folder));
        HWND main = program.WaitForDialog(IsMainWindow, 10000);
        REQUIRE(main != NULL);
        PressDisplayButton(main);
        HWND shown = program.WaitForDialog([](HWND w) { return IsBox(w) || IsDisplayDialog(w); }, 10000);
        REQUIRE(shown != NULL);
        CHECK(IsDisplayDialog(shown));
        CHECK_EQ(RemoteSelection(shown, IDC_DISPLAY_RENDERERS), d3dRow);
        CHECK_EQ(RemoteSelection(shown, IDC_DISPLAY_DEVICES), primaryRow);
        CHECK_EQ(RemoteSelection(shown, IDC_DISPLAY_MODES), "1024 x 768 x 32");
        PostMessageA(shown, WM_COMMAND, IDCANCEL, 0);
        CHECK(WaitUntil([&]() { return !IsWindow(shown); }, 10000));
        PostMessageA(main, WM_COMMAND, IDCANCEL, 0);
        CHECK_EQ(program.WaitForExit(10000), 1L);
    }
}
