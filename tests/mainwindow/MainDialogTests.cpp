// The main dialog "GAME" shown in-process from the real template: opening, drawing, commands, the link
// zones' cursors, and the picture set's lifetime across showings.
#include <windows.h>

#include <vector>

#include "DialogDriver.h"
#include "TestFiles.h"
#include "TestKit.h"
#include "TestRegistry.h"
#include "launcher/LauncherState.h"
#include "mainwindow/ImageSet.h"
#include "mainwindow/MainDialog.h"
#include "resource.h"

namespace {

// The dialog as start-up leaves the world: texts, store, cursors, picture "GAME1", in a folder of its own.
struct MainDialogRun {
    std::string folder;
    CurrentFolder current;
    DialogDriver driver;
    MainDialogRun() : folder(FreshWorkFolder("mainwindow-dialog")), current(folder)
    {
        ClearLauncherSettings();
        OpenTestStore();
        webHandCursor = LoadCursorA(launcherModule, "WEBHAND");
        webClickCursor = LoadCursorA(launcherModule, "WEBCLICK");
        arrowCursor = LoadCursorA(NULL, IDC_ARROW);
        lstrcpynA(chosenPictureName, "GAME1", sizeof chosenPictureName);
    }
    ~MainDialogRun()
    {
        DestroyPictureSet();
        CloseTestStore();
    }
    INT_PTR Show() { return DialogBoxParamA(GetModuleHandleA(NULL), "GAME", NULL, MainDialogProc, 0); }
};

RECT ClientRectOf(HWND dialog, int id)
{
    RECT rect = {0, 0, 0, 0};
    HWND control = GetDlgItem(dialog, id);
    if (!control) return rect;
    GetWindowRect(control, &rect);
    MapWindowPoints(NULL, dialog, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

LPARAM At(int x, int y)
{
    return MAKELPARAM(x, y);
}

HCURSOR CursorAfter(HWND dialog, UINT message, WPARAM keys, LPARAM position)
{
    SendMessageA(dialog, message, keys, position);
    return GetCursor();
}

}  // namespace

TEST_CASE(OpeningGivesTitleIconPictureZonesAndFocusOnLaunch)
{
    MainDialogRun run;
    run.driver.Then([](HWND dialog) {
        CHECK_EQ(WindowText(dialog), "Tumbleridge");
        CHECK(SendMessageA(dialog, WM_GETICON, ICON_BIG, 0) != 0);
        CHECK(GetFocus() == GetDlgItem(dialog, IDOK));
        REQUIRE(pictureSet && mainPalette && mainPicture);
        CHECK(pictureSet->currentPalette == mainPalette);
        CHECK(mainPicture->width == 320 && mainPicture->height == 240);

        RECT zone = ClientRectOf(dialog, IDC_GAME_LINK_ZONE1);
        CHECK(linkZones[0].enabled && linkZones[0].left == zone.left && linkZones[0].top == zone.top &&
              linkZones[0].right == zone.right && linkZones[0].bottom == zone.bottom);
        zone = ClientRectOf(dialog, IDC_GAME_LINK_ZONE2);
        CHECK(linkZones[1].enabled && linkZones[1].left == zone.left && linkZones[1].bottom == zone.bottom);

        // The frame takes the old picture's place; Tab visits Launch, Quit and the six commands in turn.
        RECT units = {7, 4, 215, 149};  // origin, then size
        MapDialogRect(dialog, &units);
        RECT frame = ClientRectOf(dialog, IDC_GAME_PICTURE_FRAME);
        CHECK(frame.left == units.left && frame.top == units.top && frame.right - frame.left == units.right &&
              frame.bottom - frame.top == units.bottom);
        const int order[] = {IDOK,
                             IDCANCEL,
                             IDC_GAME_DISPLAY,
                             IDC_GAME_ADVANCED,
                             IDC_GAME_CUSTOMIZE,
                             IDC_GAME_PREVIEWS,
                             IDC_GAME_HELP,
                             IDC_GAME_SETUP,
                             IDOK};
        HWND at = GetDlgItem(dialog, IDOK);
        for (size_t i = 1; i < sizeof order / sizeof order[0]; ++i) {
            at = GetNextDlgTabItem(dialog, at, FALSE);
            CHECK_EQ(GetDlgCtrlID(at), order[i]);
        }
        // No visible control overlaps another; the invisible zones lie over the picture.
        std::vector<RECT> visible;
        for (int id : order) visible.push_back(ClientRectOf(dialog, id));
        visible.pop_back();
        visible.push_back(frame);
        RECT client;
        GetClientRect(dialog, &client);
        for (size_t i = 0; i < visible.size(); ++i) {
            RECT inside;
            CHECK(IntersectRect(&inside, &visible[i], &client) && EqualRect(&inside, &visible[i]));
            for (size_t j = i + 1; j < visible.size(); ++j) CHECK(!IntersectRect(&inside, &visible[i], &visible[j]));
        }
        for (int id : {IDC_GAME_LINK_ZONE1, IDC_GAME_LINK_ZONE2}) {
            RECT zoneRect = ClientRectOf(dialog, id), inside;
            CHECK(!IsWindowVisible(GetDlgItem(dialog, id)));
            CHECK(IntersectRect(&inside, &zoneRect, &frame) && EqualRect(&inside, &zoneRect));
        }
        EndWith(dialog, IDCANCEL);
    });
    CHECK_EQ(run.Show(), INT_PTR(MainResultQuit));
    CHECK_EQ(run.driver.Leftovers(), "");
}

TEST_CASE(ThePictureIsDrawnIntoItsFrameInThePalettesColours)
{
    MainDialogRun run;
    int checked = 0, wrong = 0;
    run.driver.Then([&](HWND dialog) {
        RedrawWindow(dialog, NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        REQUIRE(mainPicture && mainPalette);
        RECT frame = ClientRectOf(dialog, IDC_GAME_PICTURE_FRAME);
        int width = frame.right - frame.left - 1, height = frame.bottom - frame.top - 1;
        HDC dc = GetDC(dialog);
        for (int gy = 1; gy < 12; ++gy) {
            for (int gx = 1; gx < 16; ++gx) {
                int dx = width * gx / 16, dy = height * gy / 12;
                COLORREF seen = GetPixel(dc, frame.left + dx, frame.top + dy);
                // Any of the source pixels around the one the stretch maps here.
                int sx = dx * 320 / width, sy = dy * 240 / height;
                bool found = false;
                for (int y = sy - 1; y <= sy + 1 && !found; ++y) {
                    for (int x = sx - 1; x <= sx + 1 && !found; ++x) {
                        int index = mainPicture->bits[mainPicture->rowOffsets[y] + x];
                        const PALETTEENTRY& entry = mainPalette->entries.palPalEntry[index];
                        found = seen == RGB(entry.peRed, entry.peGreen, entry.peBlue);
                    }
                }
                ++checked;
                wrong += !found;
            }
        }
        ReleaseDC(dialog, dc);
        EndWith(dialog, IDCANCEL);
    });
    run.Show();
    CHECK_EQ(checked, 165);
    CHECK_EQ(wrong, 0);
    CHECK_EQ(run.driver.Leftovers(), "");
}

TEST_CASE(CommandsEndTheDialogWithTheirCodesAndOtherNotificationsAreIgnored)
{
    const struct {
        int command;
        INT_PTR result;
    } cases[] = {{IDOK, MainResultPlay},
                 {IDC_GAME_PLAY, MainResultPlay},
                 {IDCANCEL, MainResultQuit},
                 {IDC_GAME_SETUP, MainResultSetup},
                 {IDC_GAME_SETUP_ALT, MainResultSetup},
                 {IDC_GAME_MULTIPLAYER, MainResultPlayMulti}};
    for (const auto& c : cases) {
        MainDialogRun run;
        int command = c.command;
        run.driver.Then([command](HWND dialog) { PostCommand(dialog, command); });
        CHECK_EQ(run.Show(), c.result);
        CHECK_EQ(run.driver.Leftovers(), "");
    }

    MainDialogRun run;
    run.driver.Then([](HWND dialog) {
        // A double-click notification of Launch and of Set-up is not a command.
        CHECK(!SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_DOUBLECLICKED), 0));
        CHECK(!SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_GAME_SETUP, BN_DOUBLECLICKED), 0));
        CHECK(IsWindowVisible(dialog));
        PostMessageA(GetFocus(), WM_KEYDOWN, VK_ESCAPE, 0);
    });
    CHECK_EQ(run.Show(), INT_PTR(MainResultQuit));
    run.driver.Then([](HWND dialog) { PostMessageA(GetFocus(), WM_KEYDOWN, VK_RETURN, 0); });
    CHECK_EQ(run.Show(), INT_PTR(MainResultPlay));
    // Alt+S presses Set-up through its mnemonic.
    run.driver.Then([](HWND dialog) { PostMessageA(GetFocus(), WM_SYSCHAR, 's', 1 << 29); });
    CHECK_EQ(run.Show(), INT_PTR(MainResultSetup));
    CHECK_EQ(run.driver.Leftovers(), "");
}

TEST_CASE(LinkZonesShowTheHandTheClickAndTheArrowBordersIncluded)
{
    MainDialogRun run;
    run.driver.Then([](HWND dialog) {
        const LinkZone& one = linkZones[0];
        const LinkZone& two = linkZones[1];
        int x = (one.left + one.right) / 2, y = (one.top + one.bottom) / 2;
        CHECK(CursorAfter(dialog, WM_MOUSEMOVE, 0, At(x, y)) == webHandCursor);
        CHECK(CursorAfter(dialog, WM_LBUTTONDOWN, MK_LBUTTON, At(x, y)) == webClickCursor);
        CHECK(CursorAfter(dialog, WM_MOUSEMOVE, 0, At(one.right, one.bottom)) == webHandCursor);
        CHECK(CursorAfter(dialog, WM_MOUSEMOVE, 0, At(one.right + 1, one.top)) == arrowCursor);
        CHECK(CursorAfter(dialog, WM_MOUSEMOVE, MK_LBUTTON, At(two.left, two.top)) == webClickCursor);
        CHECK(CursorAfter(dialog, WM_MOUSEMOVE, 0, At(two.left - 1, two.top)) == arrowCursor);
        CHECK(CursorAfter(dialog, WM_MOUSEMOVE, 0, At(5, 5)) == arrowCursor);

        // WM_SETCURSOR is answered without touching the cursor the zone test chose.
        SendMessageA(dialog, WM_MOUSEMOVE, 0, At(x, y));
        CHECK(SendMessageA(dialog, WM_SETCURSOR, WPARAM(dialog), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)) == 0 ||
              GetCursor() == webHandCursor);
        CHECK(GetCursor() == webHandCursor);
        // A cursor that did not load leaves the cursor as it was.
        HCURSOR hand = webHandCursor;
        webHandCursor = NULL;
        CHECK(CursorAfter(dialog, WM_MOUSEMOVE, 0, At(5, 5)) == arrowCursor);
        CHECK(CursorAfter(dialog, WM_MOUSEMOVE, 0, At(x, y)) == arrowCursor);
        webHandCursor = hand;
        // Releasing the button outside the zones opens nothing.
        SendMessageA(dialog, WM_LBUTTONUP, 0, At(5, 5));
        EndWith(dialog, IDCANCEL);
    });
    run.Show();
    CHECK_EQ(run.driver.Leftovers(), "");
}

TEST_CASE(HelpWithoutItsFileSaysSoOverTheDialog)
{
    MainDialogRun run;
    run.driver.Then([](HWND dialog) {
        ClickButton(dialog, IDC_GAME_HELP);
        CHECK(IsWindowVisible(dialog));
        EndWith(dialog, IDCANCEL);
    });
    run.driver.Then(ExpectBox(IDS_HELP_FAILED));
    CHECK_EQ(run.Show(), INT_PTR(MainResultQuit));
    CHECK_EQ(run.driver.Leftovers(), "");
}

TEST_CASE(ThePaletteFallsBackToCommonNamesButThePictureDoesNot)
{
    MainDialogRun run;
    lstrcpynA(chosenPictureName, "GAME3", sizeof chosenPictureName);
    run.driver.Then([](HWND dialog) {
        REQUIRE(pictureSet);
        CHECK(mainPalette != NULL);  // "GAME" is not among the resources; "GAME1" is
        CHECK_EQ(pictureSet->palettes.size(), size_t(1));
        CHECK(pictureSet->currentPalette == mainPalette);
        CHECK(mainPicture == NULL);
        CHECK(pictureSet->pictures.empty());
        RedrawWindow(dialog, NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);  // draws nothing, and survives
        EndWith(dialog, IDCANCEL);
    });
    CHECK_EQ(run.Show(), INT_PTR(MainResultQuit));
    CHECK_EQ(run.driver.Leftovers(), "");
}

TEST_CASE(EachShowingFreesThePreviousPictureSetAndShutdownFreesTheLast)
{
    MainDialogRun run;
    HBITMAP first = NULL, second = NULL;
    HPALETTE firstPalette = NULL;
    run.driver.Then([&](HWND dialog) {
        REQUIRE(mainPicture && mainPalette);
        first = mainPicture->bitmap;
        firstPalette = mainPalette->palette;
        EndWith(dialog, IDOK);
    });
    run.driver.Then([&](HWND dialog) {
        REQUIRE(mainPicture);
        second = mainPicture->bitmap;
        CHECK(GetObjectType(first) == 0);
        CHECK(GetObjectType(firstPalette) == 0);
        CHECK(GetObjectType(second) == OBJ_BITMAP);
        EndWith(dialog, IDCANCEL);
    });
    CHECK_EQ(run.Show(), INT_PTR(MainResultPlay));
    CHECK(pictureSet != NULL);  // nothing is freed when the dialog ends
    CHECK(GetObjectType(first) == OBJ_BITMAP);
    CHECK_EQ(run.Show(), INT_PTR(MainResultQuit));
    DestroyPictureSet();
    CHECK(pictureSet == NULL && mainPicture == NULL && mainPalette == NULL);
    CHECK(GetObjectType(second) == 0);
    DestroyPictureSet();
    CHECK_EQ(run.driver.Leftovers(), "");
}
