// The real Tumbleridge.exe under the virtual display: its main window shows the picture in the palette's
// colours (a screenshot is saved under tests/work), and every configuration button reaches its command.
#include <windows.h>
#include <shlwapi.h>

#include <string>
#include <vector>

#include "DialogDriver.h"
#include "ProcessDriver.h"
#include "TestFiles.h"
#include "TestKit.h"
#include "TestRegistry.h"
#include "mainwindow/DibImage.h"
#include "mainwindow/ImageFiles.h"
#include "mainwindow/ImagePalette.h"
#include "resource.h"
#include "tests/disc/StartRecord.h"

namespace {

std::string TableString(UINT id)
{
    char text[512] = "";
    LoadStringA(GetModuleHandleA(NULL), id, text, sizeof text);
    return text;
}

bool IsMainDialog(HWND window)
{
    return GetDlgItem(window, IDOK) && GetDlgItem(window, IDC_GAME_PICTURE_FRAME);
}

// A launcher started on a clean registry in an empty folder of its own, with its main window up.
struct LauncherRun {
    std::string folder;
    RunningProgram program;
    HWND main;
    explicit LauncherRun(const std::string& name) : folder(FreshWorkFolder(name)), main(NULL)
    {
        ClearLauncherSettings();
        if (program.Start(LauncherExePath(), "", folder)) main = program.WaitForDialog(IsMainDialog, 15000);
    }
    // Presses a button of the main window as a click does, without waiting for what it opens.
    void Press(int id) { PostMessageA(GetDlgItem(main, id), BM_CLICK, 0, 0); }
    HWND WaitForBox(UINT stringId, DWORD timeoutMs = 10000)
    {
        std::string text = TableString(stringId);
        return program.WaitForDialog([&](HWND w) { return IsMessageBox(w) && MessageBoxText(w) == text; }, timeoutMs);
    }
    // Quits through the main window (shown again or still shown) and checks the exit code.
    void Quit()
    {
        HWND shown = program.WaitForDialog(IsMainDialog, 10000);
        if (shown) PostMessageA(shown, WM_COMMAND, IDCANCEL, 0);
        CHECK_EQ(program.WaitForExit(15000), 1L);
    }
};

// The screen, as 32-bit pixels top row first.
struct ScreenShot {
    int width, height;
    std::vector<uint32_t> pixels;
    ScreenShot() : width(GetSystemMetrics(SM_CXSCREEN)), height(GetSystemMetrics(SM_CYSCREEN))
    {
        pixels.resize(size_t(width) * height);
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        HDC screen = GetDC(NULL);
        HDC memory = CreateCompatibleDC(screen);
        void* bits = NULL;
        HBITMAP section = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, NULL, 0);
        HGDIOBJ previous = SelectObject(memory, section);
        BitBlt(memory, 0, 0, width, height, screen, 0, 0, SRCCOPY);
        GdiFlush();
        std::memcpy(pixels.data(), bits, pixels.size() * 4);
        SelectObject(memory, previous);
        DeleteObject(section);
        DeleteDC(memory);
        ReleaseDC(NULL, screen);
    }
    COLORREF At(int x, int y) const
    {
        if (x < 0 || y < 0 || x >= width || y >= height) return CLR_INVALID;
        uint32_t p = pixels[size_t(y) * width + x];
        return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
    }
    bool SaveBitmap(const std::string& path) const
    {
        std::string file(54, '\0');
        auto put32 = [&](size_t at, uint32_t v) { std::memcpy(&file[at], &v, 4); };
        file[0] = 'B';
        file[1] = 'M';
        put32(2, uint32_t(54 + pixels.size() * 4));
        put32(10, 54);
        put32(14, 40);
        put32(18, uint32_t(width));
        put32(22, uint32_t(-height));
        put32(26, 1 | (32 << 16));
        // Opaque pixels: viewers read the fourth byte of a 32-bit bitmap as alpha.
        for (uint32_t pixel : pixels) {
            pixel |= 0xFF000000u;
            file.append(reinterpret_cast<const char*>(&pixel), 4);
        }
        return WriteFileBytes(path, file);
    }
};

// How many of a grid of points in the frame show the colour that the palette gives the picture's pixel
// there (any of the source pixels around the one the stretch maps to the point).
int MatchingPoints(const ScreenShot& shot, const RECT& frame, const DibImage& picture, const ImagePalette& palette,
                   int* checked)
{
    int width = frame.right - frame.left - 1, height = frame.bottom - frame.top - 1, matching = 0;
    *checked = 0;
    for (int gy = 1; gy < 12; ++gy) {
        for (int gx = 1; gx < 16; ++gx) {
            int dx = width * gx / 16, dy = height * gy / 12;
            COLORREF seen = shot.At(frame.left + dx, frame.top + dy);
            int sx = dx * picture.width / width, sy = dy * picture.height / height;
            bool found = false;
            for (int y = sy - 1; y <= sy + 1 && !found; ++y) {
                for (int x = sx - 1; x <= sx + 1 && !found; ++x) {
                    const PALETTEENTRY& entry = palette.entries.palPalEntry[picture.bits[picture.rowOffsets[y] + x]];
                    found = seen == RGB(entry.peRed, entry.peGreen, entry.peBlue);
                }
            }
            ++*checked;
            matching += found;
        }
    }
    return matching;
}

}  // namespace

TEST_CASE(TheLauncherShowsItsPictureInThePalettesColours)
{
    LauncherRun run("mainwindow-screenshot");
    REQUIRE(run.main != NULL);
    // The same resources are linked into this test: the picture and palette that the launcher draws.
    loaderModule = GetModuleHandleA(NULL);
    HDC screen = GetDC(NULL);
    DibImage picture;
    REQUIRE(picture.LoadImageFile("GAME1", screen));
    ReleaseDC(NULL, screen);
    ImagePalette palette;
    REQUIRE(palette.LoadPaletteFile("GAME1", paletteKeepColours));

    SetForegroundWindow(run.main);
    RECT frame;
    GetWindowRect(GetDlgItem(run.main, IDC_GAME_PICTURE_FRAME), &frame);
    int checked = 0, matching = 0;
    WaitUntil(
        [&]() {
            ScreenShot shot;
            matching = MatchingPoints(shot, frame, picture, palette, &checked);
            return matching == checked;
        },
        5000);
    Sleep(300);  // the buttons finish painting
    ScreenShot shot;
    CHECK(shot.SaveBitmap(JoinPath(run.folder, "main-window.bmp")));
    std::printf("    screenshot: %s\n", JoinPath(run.folder, "main-window.bmp").c_str());
    CHECK_EQ(checked, 165);
    CHECK_EQ(matching, checked);
    run.Quit();
}

TEST_CASE(HelpButtonOpensTheHelpFileOrSaysWhyNot)
{
    LauncherRun run("mainwindow-help");
    REQUIRE(run.main != NULL);
    run.Press(IDC_GAME_HELP);
    HWND box = run.WaitForBox(IDS_HELP_FAILED);  // no ORBEL.hlp in the folder
    REQUIRE(box != NULL);
    CHECK(GetWindow(box, GW_OWNER) == run.main);
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    run.Quit();
}

TEST_CASE(SetupButtonEndsTheWindowForTheSetupProgram)
{
    LauncherRun run("mainwindow-setup");
    REQUIRE(run.main != NULL);
    run.Press(IDC_GAME_SETUP);
    HWND box = run.WaitForBox(IDS_SETUP_FAILED);  // no game disc
    REQUIRE(box != NULL);
    CHECK(!IsWindow(run.main));
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    run.Quit();
}

TEST_CASE(DisplayButtonWarnsOnFirstUse)
{
    LauncherRun run("mainwindow-display");
    REQUIRE(run.main != NULL);
    run.Press(IDC_GAME_DISPLAY);
    HWND box = run.WaitForBox(IDS_DISPLAY_WARNING);
    REQUIRE(box != NULL);
    PostMessageA(box, WM_COMMAND, IDCANCEL, 0);
    run.Quit();
}

TEST_CASE(AdvancedButtonWarnsUnderItsOwnTitle)
{
    LauncherRun run("mainwindow-advanced");
    REQUIRE(run.main != NULL);
    run.Press(IDC_GAME_ADVANCED);
    HWND box = run.WaitForBox(IDS_ADVANCED_WARNING);
    REQUIRE(box != NULL);
    CHECK_EQ(WindowText(box), "Advanced Options");
    PostMessageA(box, WM_COMMAND, IDCANCEL, 0);
    run.Quit();
}

TEST_CASE(AddOnButtonSaysWhenThereIsNoCustomFolder)
{
    LauncherRun run("mainwindow-addons");
    REQUIRE(run.main != NULL);
    run.Press(IDC_GAME_CUSTOMIZE);
    HWND box = run.WaitForBox(IDS_NO_CUSTOM_ARCHIVES);
    REQUIRE(box != NULL);
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    run.Quit();
}

TEST_CASE(PreviewsButtonAsksForTheGameDisc)
{
    LauncherRun run("mainwindow-previews");
    REQUIRE(run.main != NULL);
    run.Press(IDC_GAME_PREVIEWS);
    HWND box = run.WaitForBox(IDS_NO_PREVIEW_DISC);
    REQUIRE(box != NULL);
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    run.Quit();
}

namespace {

// Files named "*.example" open with the stand-in demo program, which records how it was started: a web
// target that names such a file in the launcher's folder shows which target the launcher asked for.
struct ExampleFilesOpenWithTheRecorder {
    ExampleFilesOpenWithTheRecorder()
    {
        std::string command = "\"" + StandinPath("SKYDEMO.EXE") + "\" \"%1\"";
        RegSetValueA(HKEY_LOCAL_MACHINE, "Software\\Classes\\.example", REG_SZ, "TumbleridgeTest.Link", 0);
        RegSetValueA(HKEY_LOCAL_MACHINE, "Software\\Classes\\TumbleridgeTest.Link\\shell\\open\\command", REG_SZ,
                     command.c_str(), 0);
    }
    ~ExampleFilesOpenWithTheRecorder()
    {
        SHDeleteKeyA(HKEY_LOCAL_MACHINE, "Software\\Classes\\.example");
        SHDeleteKeyA(HKEY_LOCAL_MACHINE, "Software\\Classes\\TumbleridgeTest.Link");
    }
};

}  // namespace

TEST_CASE(EachLinkZoneOpensItsOwnWebTarget)
{
    ExampleFilesOpenWithTheRecorder association;
    std::string record = ExpectStart(demoRecordVariable, FreshWorkFolder("mainwindow-links-record"), "link.txt");
    LauncherRun run("mainwindow-links");
    REQUIRE(run.main != NULL);
    struct Zone {
        int control;
        UINT target;
    } zones[] = {{IDC_GAME_LINK_ZONE1, IDS_PUBLISHER_WEB_LINK}, {IDC_GAME_LINK_ZONE2, IDS_DEVELOPER_WEB}};
    for (const Zone& zone : zones) WriteFileBytes(JoinPath(run.folder, TableString(zone.target)), "link\n");
    for (const Zone& zone : zones) {
        RECT rect;
        REQUIRE(GetWindowRect(GetDlgItem(run.main, zone.control), &rect));
        POINT centre = {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
        ScreenToClient(run.main, &centre);
        PostMessageA(run.main, WM_LBUTTONUP, 0, MAKELPARAM(centre.x, centre.y));
        StartRecord started = WaitForStartRecord(record, 10000);
        CHECK(started.written);
        CHECK(started.command.find(JoinPath(run.folder, TableString(zone.target))) != std::string::npos);
        if (testkit::CurrentCaseFailed()) std::printf("    zone %d: %s\n", zone.control, started.command.c_str());
        DeleteFileA(record.c_str());
    }
    run.Quit();
}
