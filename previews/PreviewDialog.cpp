// The previews dialogs: the movies and demos of the game disc, opened through the shell.
#include "previews/PreviewDialog.h"

#include <cstdio>
#include <new>

#include "launcher/DialogIcon.h"
#include "launcher/GameDisc.h"
#include "launcher/LauncherMessages.h"
#include "previews/PreviewCatalogue.h"
#include "resource.h"

PreviewCatalogue* movieCatalogue = nullptr;
PreviewCatalogue* demoCatalogue = nullptr;

namespace {

// Replaces *catalogue with a fresh one loaded from folder\fileName; null when that fails.
void LoadCatalogue(PreviewCatalogue** catalogue, const char* fileName, const char* folder)
{
    delete *catalogue;
    *catalogue = new (std::nothrow) PreviewCatalogue();
    if (*catalogue && !(*catalogue)->Load(fileName, folder)) {
        delete *catalogue;
        *catalogue = nullptr;
    }
}

const char* ChooseTemplate()
{
    if (movieCatalogue && demoCatalogue) return "PREVIEWS";
    if (demoCatalogue) return "DEMOS";
    return "MOVIES";
}

void FillList(HWND dialog, int listId, const PreviewCatalogue* catalogue)
{
    HWND list = GetDlgItem(dialog, listId);
    if (list && catalogue) catalogue->FillListBox(list);
}

INT_PTR OnInitPreviews(HWND dialog, HINSTANCE instance)
{
    SetLauncherIcon(dialog, instance);
    FillList(dialog, IDC_PREVIEW_MOVIES, movieCatalogue);
    FillList(dialog, IDC_PREVIEW_DEMOS, demoCatalogue);
    return TRUE;
}

INT_PTR OnPreviewCommand(HWND dialog, int id, int notification)
{
    switch (id) {
        case IDOK:
        case IDCANCEL:
            EndDialog(dialog, 0);
            return TRUE;
        case IDC_PREVIEW_PLAY_MOVIE:
            if (movieCatalogue) movieCatalogue->StartSelected(GetDlgItem(dialog, IDC_PREVIEW_MOVIES));
            return TRUE;
        case IDC_PREVIEW_START_DEMO:
            if (demoCatalogue) demoCatalogue->StartSelected(GetDlgItem(dialog, IDC_PREVIEW_DEMOS));
            return TRUE;
        case IDC_PREVIEW_MOVIES:
            if (notification == LBN_DBLCLK) SendMessageA(dialog, WM_COMMAND, IDC_PREVIEW_PLAY_MOVIE, 0);
            return TRUE;
        case IDC_PREVIEW_DEMOS:
            if (notification == LBN_DBLCLK) SendMessageA(dialog, WM_COMMAND, IDC_PREVIEW_START_DEMO, 0);
            return TRUE;
        default:
            return TRUE;
    }
}

// The wait cursor for the life of the object.
class WaitCursor {
public:
    WaitCursor() : previous(SetCursor(LoadCursorA(nullptr, IDC_WAIT))) {}
    ~WaitCursor() { SetCursor(previous); }

private:
    HCURSOR previous;
};

}  // namespace

INT_PTR CALLBACK PreviewDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
        case WM_INITDIALOG:
            return OnInitPreviews(dialog, reinterpret_cast<HINSTANCE>(lParam));
        case WM_COMMAND:
            return OnPreviewCommand(dialog, LOWORD(wParam), HIWORD(wParam));
        default:
            return FALSE;
    }
}

int ShowPreviews(HINSTANCE instance, HWND owner)
{
    if (!instance) return 0;

    char letter;
    {
        WaitCursor wait;
        letter = FindGameDisc();
        if (!letter) {
            ShowLauncherMessage(owner, IDS_NO_PREVIEW_DISC, MB_ICONEXCLAMATION);
            return 0;
        }
    }

    char moviesFolder[32];
    char demosFolder[32];
    std::snprintf(moviesFolder, sizeof moviesFolder, "%c:\\Previews\\Movies", letter);
    std::snprintf(demosFolder, sizeof demosFolder, "%c:\\Previews\\Demos", letter);

    {
        WaitCursor wait;
        LoadCatalogue(&movieCatalogue, "Movies.ini", moviesFolder);
        LoadCatalogue(&demoCatalogue, "Demos.ini", demosFolder);
    }

    if (!movieCatalogue && !demoCatalogue) {
        ShowLauncherMessage(owner, IDS_NO_PREVIEWS, MB_ICONINFORMATION);
        return 0;
    }

    DialogBoxParamA(instance, ChooseTemplate(), owner, PreviewDialogProc, reinterpret_cast<LPARAM>(instance));
    DestroyPreviewCatalogues();
    return 1;
}

void DestroyPreviewCatalogues()
{
    delete movieCatalogue;
    movieCatalogue = nullptr;
    delete demoCatalogue;
    demoCatalogue = nullptr;
}
