// The previews dialogs and the catalogues of the game disc.
#ifndef TUMBLERIDGE_PREVIEWDIALOG_H
#define TUMBLERIDGE_PREVIEWDIALOG_H

#include <windows.h>

// The previews button's action: finds the disc, reads its catalogues and shows the matching dialog.
int ShowPreviews(HINSTANCE instance, HWND owner);

// Deletes movieCatalogue and demoCatalogue when any is left (at shutdown).
void DestroyPreviewCatalogues();

#endif
