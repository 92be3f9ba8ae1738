// The main window "GAME": the picture drawn through its palette, the commands, and the two web links.
#include "mainwindow/MainDialog.h"

#include <new>

#include "display/DisplayDialog.h"
#include "launcher/DialogIcon.h"
#include "launcher/ShellTargets.h"
#include "launcher/LauncherState.h"
#include "launcher/StartupSteps.h"
#include "mainwindow/ImageSet.h"
#include "options/AdvancedOptions.h"
#include "options/CustomizeDialog.h"
#include "previews/PreviewDialog.h"
#include "resource.h"

ImageSet* pictureSet;
ImagePalette* mainPalette;
DibImage* mainPicture;
LinkZone linkZones[2];
WPARAM appActive;

namespace {

void LoadMainPictures(HWND dialog)
{
    DestroyPictureSet();
    pictureSet = new (std::nothrow) ImageSet();
    if (!pictureSet || !pictureSet->Attach(launcherModule, dialog)) return;
    // The palette of the chosen picture, else the common ones; there is no such fallback for the picture.
    mainPalette = pictureSet->AddPalette(chosenPictureName, paletteKeepColours);
    if (!mainPalette) mainPalette = pictureSet->AddPalette("GAME", paletteKeepColours);
    if (!mainPalette) mainPalette = pictureSet->AddPalette("GAME1", paletteKeepColours);
    pictureSet->currentPalette = mainPalette;
    mainPicture = pictureSet->AddPicture(chosenPictureName);
}

// The zone marked by the control, in client coordinates; disabled when the control is missing.
LinkZone ZoneOfControl(HWND dialog, int id)
{
    LinkZone zone = {0, 0, 0, 0, false};
    HWND control = GetDlgItem(dialog, id);
    RECT rect;
    if (!control || !GetWindowRect(control, &rect)) return zone;
    POINT corner = {rect.left, rect.top};
    ScreenToClient(dialog, &corner);
    zone.left = corner.x;
    zone.top = corner.y;
    zone.right = rect.right + (corner.x - rect.left);
    zone.bottom = rect.bottom + (corner.y - rect.top);
    zone.enabled = true;
    return zone;
}

BOOL OnInitMain(HWND dialog)
{
    STARTUP_STEP("main dialog created");
    SetWindowTextA(dialog, "Tumbleridge");
    STARTUP_STEP("main dialog title");
    SetLauncherIcon(dialog, launcherModule);
    STARTUP_STEP("main dialog icon");
    LoadMainPictures(dialog);
    linkZones[0] = ZoneOfControl(dialog, IDC_GAME_LINK_ZONE1);
    linkZones[1] = ZoneOfControl(dialog, IDC_GAME_LINK_ZONE2);
    STARTUP_STEP("main dialog initialised");
    return TRUE;  // the platform focuses the first tab stop, Launch
}

// Draws the main picture into the picture frame, one pixel short of its right and bottom edges.
void DrawMainPicture(HWND dialog, bool forceBackground)
{
    HWND frame = GetDlgItem(dialog, IDC_GAME_PICTURE_FRAME);
    if (!frame || !pictureSet || !mainPicture) return;
    RECT rect;
    GetWindowRect(frame, &rect);
    POINT origin = {rect.left, rect.top};
    ScreenToClient(dialog, &origin);
    HDC dc = pictureSet->GetPaletteDC(TRUE, forceBackground);
    if (!dc) return;
    SetStretchBltMode(dc, COLORONCOLOR);
    mainPicture->Draw(dc, origin.x, origin.y, rect.right - rect.left - 1, rect.bottom - rect.top - 1);
    pictureSet->ReleasePaletteDC(dc);
}

// Repaints the main window after a dialog that may have covered it.
void RepaintMain(HWND dialog)
{
    InvalidateRect(dialog, nullptr, FALSE);
}

BOOL OnMainCommand(HWND dialog, WPARAM command)
{
    switch (command) {
        case IDOK:
        case IDC_GAME_PLAY:
            EndDialog(dialog, MainResultPlay);
            return TRUE;
        case IDCANCEL:
            EndDialog(dialog, MainResultQuit);
            return TRUE;
        case IDC_GAME_SETUP:
        case IDC_GAME_SETUP_ALT:
            EndDialog(dialog, MainResultSetup);
            return TRUE;
        case IDC_GAME_MULTIPLAYER:
            EndDialog(dialog, MainResultPlayMulti);
            return TRUE;
        case IDC_GAME_CUSTOMIZE:
            ShowCustomize(dialog);
            RepaintMain(dialog);
            return TRUE;
        case IDC_GAME_DISPLAY:
            OpenDisplayDialog(dialog);
            RepaintMain(dialog);
            return TRUE;
        case IDC_GAME_PREVIEWS:
            ShowPreviews(launcherModule, dialog);
            return TRUE;
        case IDC_GAME_ADVANCED:
            ShowAdvancedOptions(dialog);
            return TRUE;
        case IDC_GAME_WEB:
            OpenTableTarget(dialog, IDS_PUBLISHER_WEB, IDS_WEB_FAILED);
            return TRUE;
        case IDC_GAME_HELP:
            OpenTableTarget(dialog, IDS_HELP_FILE, IDS_HELP_FAILED);
            return TRUE;
        default:
            return FALSE;
    }
}

// The zone under the mouse (0 for none), with the cursor set to match: the link cursors over a zone
// ("WEBCLICK" while the left button is down; unchanged when that cursor did not load), else the arrow.
int TestLinkZones(WPARAM keys, LPARAM position)
{
    int zone = ZoneAtPosition(linkZones[0], linkZones[1], uint32_t(position));
    if (zone == 0) {
        SetCursor(arrowCursor);
        return 0;
    }
    HCURSOR cursor = (keys & MK_LBUTTON) ? webClickCursor : webHandCursor;
    if (cursor) SetCursor(cursor);
    return zone;
}

BOOL OnLinkButtonUp(HWND dialog, WPARAM keys, LPARAM position)
{
    int zone = TestLinkZones(keys, position);
    if (zone == 1) OpenTableTarget(dialog, IDS_PUBLISHER_WEB_LINK, IDS_WEB_FAILED);
    if (zone == 2) OpenTableTarget(dialog, IDS_DEVELOPER_WEB, IDS_WEB_FAILED);
    return TRUE;
}

// Paints the picture over the erased background. The erase comes first, inside BeginPaint: drawing before it
// would let the erase that BeginPaint sends for an erased update region wipe the picture out again.
BOOL OnMainPaint(HWND dialog)
{
    PAINTSTRUCT paint;
    if (BeginPaint(dialog, &paint)) EndPaint(dialog, &paint);
    DrawMainPicture(dialog, appActive == 0);
    return FALSE;  // the platform's painting follows (nothing is left to paint)
}

BOOL OnActivateApp(HWND dialog, WPARAM active)
{
    appActive = active;
    DrawMainPicture(dialog, active == 0);
    return FALSE;
}

BOOL OnPaletteChanged(HWND dialog, HWND changer)
{
    if (changer != dialog) DrawMainPicture(dialog, appActive == 0);
    return FALSE;
}

}  // namespace

INT_PTR CALLBACK MainDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
        case WM_INITDIALOG:
            return OnInitMain(dialog);
        case WM_COMMAND:
            return OnMainCommand(dialog, wParam);
        case WM_MOUSEMOVE:
        case WM_LBUTTONDOWN:
            TestLinkZones(wParam, lParam);
            return TRUE;
        case WM_LBUTTONUP:
            return OnLinkButtonUp(dialog, wParam, lParam);
        case WM_LBUTTONDBLCLK:
        case WM_SETCURSOR:
            return TRUE;  // keeps the cursor that the zone test chose
        case WM_PAINT:
            return OnMainPaint(dialog);
        case WM_ACTIVATEAPP:
            return OnActivateApp(dialog, wParam);
        case WM_PALETTECHANGED:
            return OnPaletteChanged(dialog, reinterpret_cast<HWND>(wParam));
        default:
            return FALSE;
    }
}

void DestroyPictureSet()
{
    if (pictureSet) {
        pictureSet->ReleaseAll();
        delete pictureSet;
    }
    pictureSet = nullptr;
    mainPalette = nullptr;
    mainPicture = nullptr;
}
