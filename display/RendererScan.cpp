// The Windows half of the display catalogue: finding the renderer plug-ins and asking each for its modes.
#include "display/DisplayCatalogue.h"

#include "display/ModeRecord.h"
#include "launcher/ProcLookup.h"
#include "utils/PathJoin.h"

#include <windows.h>

#include <io.h>

#include <new>

namespace {

const UINT rendererDescriptionId = 5;         // string 5 of the plug-in's own string table
const int rendererDescriptionCapacity = 255;  // 254 characters and a NUL
const int searchPatternCapacity = 260;        // 259 characters and a NUL

}  // namespace

int DisplayCatalogue::ScanRenderers(const char* folder)
{
    // "*.REN" for the current folder, else the folder joined to it; a pattern cut to fit would search some
    // other folder, so one that does not fit finds nothing.
    char pattern[searchPatternCapacity];
    if (!JoinPath(folder, "*.REN", PathSeparator::UnlessPresent, pattern, sizeof pattern)) return 0;
    _finddata_t found;
    intptr_t search = _findfirst(pattern, &found);
    if (search == -1) return 0;
    int added = 0;
    do {
        if (AddRenderer(found.name)) ++added;
    } while (_findnext(search, &found) == 0);
    _findclose(search);
    return added;
}

RendererEntry* DisplayCatalogue::AddRenderer(const char* fileName)
{
    if (!fileName) return nullptr;
    std::unique_ptr<RendererEntry> entry(new (std::nothrow) RendererEntry(fileName));
    if (!entry) return nullptr;

    // No system box for a plug-in that cannot be opened or lacks a library of its own.
    UINT previousMode = SetErrorMode(SEM_NOOPENFILEERRORBOX);
    HMODULE library = LoadLibraryA(fileName);
    SetErrorMode(previousMode);
    if (!library) return nullptr;

    GetSupportedModesFunction getSupportedModes = LookupProc<GetSupportedModesFunction>(library, "GetSupportedModes");
    FreeModeListFunction freeModeList = LookupProc<FreeModeListFunction>(library, "FreeModeList");
    if (!getSupportedModes || !freeModeList) {
        FreeLibrary(library);
        return nullptr;
    }

    char description[rendererDescriptionCapacity];
    if (LoadStringA(library, rendererDescriptionId, description, sizeof description) > 0) {
        entry->description = description;
    }

    ModeRecord* head = getSupportedModes();
    if (!head) {
        FreeLibrary(library);
        return nullptr;
    }
    entry->AddModeRecords(head);
    freeModeList(head);
    FreeLibrary(library);
    return AppendRenderer(std::move(entry));
}
