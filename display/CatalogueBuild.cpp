// The one-time build of the display catalogue and the run's catalogue reference.
#include "display/CatalogueBuild.h"

#include "display/DisplayCatalogue.h"
#include "display/SavedChoice.h"

#include <windows.h>

DisplayCatalogue* theDisplayCatalogue = nullptr;

int BuildCatalogue(DisplayCatalogue* catalogue, const char* folder, const char* savedChoiceFile)
{
    if (!catalogue) return 1;
    HCURSOR previous = SetCursor(LoadCursorA(nullptr, IDC_WAIT));
    catalogue->directory = folder ? folder : "";
    catalogue->ScanRenderers(folder);
    ChooseDefaultModes(catalogue);
    ReadSavedChoice(catalogue, savedChoiceFile);
    SetCursor(previous);
    return 1;
}
