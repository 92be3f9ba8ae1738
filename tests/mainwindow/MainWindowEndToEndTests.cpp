// The real Tumbleridge.exe under the virtual display: its main window shows the picture in the palette's
// colours (a screenshot is saved under tests/work), and every configuration button reaches its command.
#include <windows.h>
#include <shlwapi.h>

#include <string>
#include <vector>

#include "DialogDriver.h"
#include "LauncherRun.h"
#include "ScreenShot.h"
#include "TestKit.h"
#include "TestRegistry.h"
#include "mainwindow/DibImage.h"
#include "mainwindow/ImageFiles.h"
#include "mainwindow/ImagePalette.h"
#include "resource.h"
#include "tests/disc/StartRecord.h"

namespace {

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
    ClearLauncherSettings();
    GameFolder game("mainwindow-screenshot", {}, false);
    LauncherRun run(game);
    REQUIRE(run.WaitForMain() != NULL);
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
    CHECK(shot.SaveBitmap(JoinPath(game.path, "main-window.bmp")));
    std::printf("    screenshot: %s\n", JoinPath(game.path, "main-window.bmp").c_str());
    CHECK_EQ(checked, 165);
    CHECK_EQ(matching, checked);
    CHECK_EQ(run.Quit(), 1L);
}

TEST_CASE(EachButtonOfTheMainWindowReachesItsCommand)
{
    // A fresh registry and an empty game folder: no help file, no disc, no "Custom" folder, first uses.
    enum MainWindow { stays, ownsTheBox, endsFirst };
    struct Button {
        const char* behaviour;
        int id;
        UINT message;  // the box the command brings up
        int answer;
        MainWindow main;
        const char* caption;  // the box's caption, when it is not the launcher's own
    } buttons[] = {
        {"help says why it cannot open the help file", IDC_GAME_HELP, IDS_HELP_FAILED, IDOK, ownsTheBox, NULL},
        {"set-up ends the window for the set-up program", IDC_GAME_SETUP, IDS_SETUP_FAILED, IDOK, endsFirst, NULL},
        {"display warns on first use", IDC_GAME_DISPLAY, IDS_DISPLAY_WARNING, IDCANCEL, stays, NULL},
        {"advanced warns under its own title", IDC_GAME_ADVANCED, IDS_ADVANCED_WARNING, IDCANCEL, stays,
         "Advanced Options"},
        {"add-ons say there is no Custom folder", IDC_GAME_CUSTOMIZE, IDS_NO_CUSTOM_ARCHIVES, IDOK, stays, NULL},
        {"previews ask for the game disc", IDC_GAME_PREVIEWS, IDS_NO_PREVIEW_DISC, IDOK, stays, NULL},
    };
    for (const Button& button : buttons) {
        bool failedBefore = testkit::CurrentCaseFailed();
        ClearLauncherSettings();
        GameFolder game("mainwindow-button-" + std::to_string(button.id), {}, false);
        LauncherRun run(game);
        CHECK(run.WaitForMain() != NULL);
        run.Press(button.id);
        HWND box = run.WaitForBox(button.message);
        CHECK(box != NULL);
        if (box && button.caption) CHECK_EQ(WindowText(box), button.caption);
        if (box && button.main == ownsTheBox) CHECK(GetWindow(box, GW_OWNER) == run.main);
        if (box && button.main == endsFirst) CHECK(!IsWindow(run.main));
        if (box) EndWith(box, button.answer);
        CHECK_EQ(run.Quit(), 1L);
        if (!failedBefore && testkit::CurrentCaseFailed()) std::printf("    %s\n", button.behaviour);
    }
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
    ClearLauncherSettings();
    GameFolder game("mainwindow-links", {}, false);
    LauncherRun run(game);
    REQUIRE(run.WaitForMain() != NULL);
    struct Zone {
        int control;
        UINT target;
    } zones[] = {{IDC_GAME_LINK_ZONE1, IDS_PUBLISHER_WEB_LINK}, {IDC_GAME_LINK_ZONE2, IDS_DEVELOPER_WEB}};
    for (const Zone& zone : zones) WriteFileBytes(JoinPath(game.path, TableString(zone.target)), "link\n");
    for (const Zone& zone : zones) {
        RECT rect;
        REQUIRE(GetWindowRect(GetDlgItem(run.main, zone.control), &rect));
        POINT centre = {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
        ScreenToClient(run.main, &centre);
        PostMessageA(run.main, WM_LBUTTONUP, 0, MAKELPARAM(centre.x, centre.y));
        StartRecord started = WaitForStartRecord(record, 10000);
        CHECK(started.written);
        CHECK(started.command.find(JoinPath(game.path, TableString(zone.target))) != std::string::npos);
        if (testkit::CurrentCaseFailed()) std::printf("    zone %d: %s\n", zone.control, started.command.c_str());
        DeleteFileA(record.c_str());
    }
    CHECK_EQ(run.Quit(), 1L);
}
