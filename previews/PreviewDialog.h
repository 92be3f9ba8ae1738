// The previews dialogs and the catalogues of the game disc.
#ifndef TUMBLERIDGE_PREVIEWDIALOG_H
#define TUMBLERIDGE_PREVIEWDIALOG_H

#include <windows.h>

class PreviewCatalogue;

// The disc's catalogues while the previews dialog is open; null at every other time.
extern PreviewCatalogue* movieCatalogue;
extern PreviewCatalogue* demoCatalogue;

// The previews button's action: finds the disc, reads its catalogues and shows the matching dialog
// ("PREVIEWS", "MOVIES" or "DEMOS"). 1 when a dialog was shown; 0 without an instance, after string 10
// (no disc) or after string 11 (no catalogue on the disc).
int ShowPreviews(HINSTANCE instance, HWND owner);

// Deletes movieCatalogue and demoCatalogue when any is left (at shutdown).
void DestroyPreviewCatalogues();

// The one procedure of the three previews templates; the dialog's parameter is the instance whose "ICON"
// it shows.
INT_PTR CALLBACK PreviewDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

#endif
