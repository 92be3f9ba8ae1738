// The display command in the real launcher: warned once across runs, the choice written into the game
// folder's "autoexec.cfg" and found there by the next run.
#include "DialogDriver.h"
#include "LauncherRun.h"
#include "TestKit.h"
#include "TestRegistry.h"
#include "resource.h"

#include <vector>

namespace {

const char* const d3dRow = "Direct3D Hardware Renderer (D3D.REN)";
const char* const primaryRow = "Primary Display Driver (display)";

bool IsDisplayDialog(HWND window)
{
    return GetDlgItem(window, IDC_DISPLAY_RENDERERS) != NULL;
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

}  // namespace

TEST_CASE(DisplayChoiceReachesTheScriptAndTheWarningComesOnce)
{
    ClearLauncherSettings();
    GameFolder game("display-end-to-end", {}, false);
    CopyInto(StandinPath("D3D.REN"), JoinPath(game.path, "D3D.REN"));
    CopyInto(StandinPath("SOFT.REN"), JoinPath(game.path, "SOFT.REN"));
    WriteFileBytes(JoinPath(game.path, "autoexec.cfg"),
                   "// settings\r\n\"RenderDll\" \"SOFT.REN\"\r\n\"Volume\" \"5\"\r\n");
    {
        LauncherRun launcher(game);
        REQUIRE(launcher.WaitForMain() != NULL);
        launcher.Press(IDC_GAME_DISPLAY);
        HWND warning = launcher.WaitForBox(IDS_DISPLAY_WARNING);
        REQUIRE(warning != NULL);
        EndWith(warning, IDOK);
        HWND dialog = launcher.WaitForDialog(IsDisplayDialog);
        REQUIRE(dialog != NULL);
        CHECK_EQ(RemoteSelection(dialog, IDC_DISPLAY_RENDERERS), "Software Renderer (SOFT.REN)");
        CHECK(RemoteSelect(dialog, IDC_DISPLAY_RENDERERS, d3dRow));
        CHECK(RemoteSelect(dialog, IDC_DISPLAY_DEVICES, primaryRow));
        CHECK(RemoteSelect(dialog, IDC_DISPLAY_MODES, "1024 x 768 x 32"));
        EndWith(dialog, IDOK);
        CHECK(WaitUntilClosed(dialog));
        CHECK_EQ(launcher.Quit(), 1L);
    }
    CHECK_EQ(ReadFileText(JoinPath(game.path, "autoexec.cfg")),
             "// settings\r\n\"RenderDll\" \"D3D.REN\"\r\n\"Volume\" \"5\"\r\n\"CardDesc\" \"display\"\r\n"
             "\"ScreenWidth\" \"1024\"\r\n\"ScreenHeight\" \"768\"\r\n\"BitDepth\" \"32\"\r\n");
    CHECK_EQ(SettingDword("Display Warned", 0), DWORD(1));
    {
        LauncherRun launcher(game);
        REQUIRE(launcher.WaitForMain() != NULL);
        launcher.Press(IDC_GAME_DISPLAY);
        HWND shown = launcher.WaitForDialog([](HWND w) { return IsMessageBox(w) || IsDisplayDialog(w); });
        REQUIRE(shown != NULL);
        CHECK(IsDisplayDialog(shown));
        CHECK_EQ(RemoteSelection(shown, IDC_DISPLAY_RENDERERS), d3dRow);
        CHECK_EQ(RemoteSelection(shown, IDC_DISPLAY_DEVICES), primaryRow);
        CHECK_EQ(RemoteSelection(shown, IDC_DISPLAY_MODES), "1024 x 768 x 32");
        EndWith(shown, IDCANCEL);
        CHECK(WaitUntilClosed(shown));
        CHECK_EQ(launcher.Quit(), 1L);
    }
}
