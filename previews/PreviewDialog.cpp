// The previews dialogs. Placeholder until the previews land.
#include "previews/PreviewDialog.h"

int ShowPreviews(HINSTANCE, HWND) { return 0; }

void DestroyPreviewCatalogues() {}
