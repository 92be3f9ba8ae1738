// The display dialog "DISPLAY": three linked lists of renderers, devices and modes over the catalogue.
#include "display/DisplayDialog.h"

#include <new>

#include "display/CatalogueBuild.h"
#include "display/DisplayCatalogue.h"
#include "display/SavedChoice.h"
#include "display/SavedChoiceFile.h"
#include "launcher/DialogIcon.h"
#include "launcher/LauncherMessages.h"
#include "launcher/LauncherState.h"
#include "resource.h"
#include "utils/ListBoxRows.h"

namespace {

// The object behind the list's selected entry; null for no selection or an entry without one.
template <typename T>
T* SelectedObject(HWND list)
{
    LPARAM data = 0;
    if (!ListRowData(list, SelectedListRow(list), &data)) return nullptr;
    return reinterpret_cast<T*>(data);
}

// Selects the entry that carries the object. False, leaving the selection alone, when the object is null
// or no entry carries it.
bool Reselect(HWND list, const void* object)
{
    return object && SelectRowWithData(list, reinterpret_cast<LPARAM>(object));
}

void AddEntry(HWND list, const std::string& text, const void* object)
{
    AddListRow(list, text.c_str(), reinterpret_cast<LPARAM>(object));
}

HWND RendererList(HWND dialog)
{
    return GetDlgItem(dialog, IDC_DISPLAY_RENDERERS);
}
HWND DeviceList(HWND dialog)
{
    return GetDlgItem(dialog, IDC_DISPLAY_DEVICES);
}
HWND ModeList(HWND dialog)
{
    return GetDlgItem(dialog, IDC_DISPLAY_MODES);
}

bool SyncDialog(HWND dialog)
{
    return SyncFromLists(theDisplayCatalogue, RendererList(dialog), DeviceList(dialog), ModeList(dialog));
}

BOOL OnInitDisplay(HWND dialog)
{
    SetLauncherIcon(dialog, launcherModule);
    if (theDisplayCatalogue) {
        FillLists(theDisplayCatalogue, RendererList(dialog), DeviceList(dialog), ModeList(dialog));
        SyncDialog(dialog);
    }
    return TRUE;
}

// OK keeps the lists' choice and hands it to the engine through its configuration script; when that
// cannot be written, the player is told why over the dialog, and the choice stays for this run.
BOOL OnDisplayOk(HWND dialog)
{
    if (theDisplayCatalogue) {
        SyncDialog(dialog);
        SavedChoiceWrite outcome;
        if (!WriteSavedChoice(savedChoiceFileName, *theDisplayCatalogue, &outcome)) ShowSaveFailure(dialog, outcome);
    }
    EndDialog(dialog, 1);
    return TRUE;
}

// Cancel forgets only the renderer: devices and modes picked meanwhile stay chosen within their owners.
BOOL OnDisplayCancel(HWND dialog)
{
    if (theDisplayCatalogue) theDisplayCatalogue->selectedRenderer = nullptr;
    EndDialog(dialog, 0);
    return TRUE;
}

BOOL OnDisplayCommand(HWND dialog, int id, int notification)
{
    if (id == IDOK && notification == BN_CLICKED) return OnDisplayOk(dialog);
    if (id == IDCANCEL && notification == BN_CLICKED) return OnDisplayCancel(dialog);
    if (notification == LBN_SELCHANGE && theDisplayCatalogue) SyncDialog(dialog);
    return TRUE;
}

}  // namespace

INT_PTR CALLBACK DisplayDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
        case WM_INITDIALOG:
            return OnInitDisplay(dialog);
        case WM_COMMAND:
            return OnDisplayCommand(dialog, LOWORD(wParam), HIWORD(wParam));
        default:
            return FALSE;
    }
}

BOOL FillRendererList(const DisplayCatalogue* catalogue, HWND list)
{
    if (!list) return FALSE;
    ClearListRows(list);
    if (!catalogue) return TRUE;
    for (const auto& renderer : catalogue->renderers) AddEntry(list, renderer->DisplayText(), renderer.get());
    if (!Reselect(list, catalogue->selectedRenderer)) SelectListRow(list, 0);
    return TRUE;
}

BOOL FillDeviceList(const RendererEntry* renderer, HWND list)
{
    if (!list) return FALSE;
    ClearListRows(list);
    if (!renderer) return TRUE;
    for (const auto& device : renderer->devices) AddEntry(list, device->DisplayText(), device.get());
    if (!Reselect(list, renderer->selectedDevice) && !SelectListRow(list, ListRowCount(list) - 1))
        SelectListRow(list, 0);
    return TRUE;
}

BOOL FillModeList(const DeviceEntry* device, HWND list)
{
    if (!list) return FALSE;
    ClearListRows(list);
    if (!device) return TRUE;
    for (const auto& mode : device->modes) AddEntry(list, mode->text, mode.get());
    if (!Reselect(list, device->selectedMode)) SelectListRow(list, 0);
    return TRUE;
}

BOOL FillLists(const DisplayCatalogue* catalogue, HWND renderers, HWND devices, HWND modes)
{
    if (!renderers || !devices || !modes) return FALSE;
    FillRendererList(catalogue, renderers);
    const RendererEntry* renderer = SelectedObject<RendererEntry>(renderers);
    if (!renderer) return FALSE;
    FillDeviceList(renderer, devices);
    const DeviceEntry* device = SelectedObject<DeviceEntry>(devices);
    if (!device) return FALSE;
    FillModeList(device, modes);
    return TRUE;
}

BOOL SyncFromLists(DisplayCatalogue* catalogue, HWND renderers, HWND devices, HWND modes)
{
    if (!catalogue || !renderers || !devices || !modes) return FALSE;
    bool changed = false;
    RendererEntry* renderer = SelectedObject<RendererEntry>(renderers);
    if (renderer != catalogue->selectedRenderer) {
        catalogue->selectedRenderer = renderer;
        if (!Reselect(renderers, renderer)) return FALSE;
        FillDeviceList(renderer, devices);
        // A renderer without devices shows no modes rather than the modes of the renderer before it.
        if (renderer->devices.empty()) ClearListRows(modes);
        changed = true;
    }
    if (!renderer) return FALSE;

    DeviceEntry* device = SelectedObject<DeviceEntry>(devices);
    if (device != renderer->selectedDevice || changed) {
        renderer->selectedDevice = device;
        if (!Reselect(devices, device)) return FALSE;
        FillModeList(device, modes);
        changed = true;
    }
    if (!device) return FALSE;

    ModeEntry* mode = SelectedObject<ModeEntry>(modes);
    if (mode != device->selectedMode || changed) device->selectedMode = mode;
    return device->selectedMode ? TRUE : FALSE;
}

int OpenDisplayDialog(HWND mainWindow)
{
    if (!displayWarned) {
        if (ShowLauncherMessage(mainWindow, IDS_DISPLAY_WARNING, MB_OKCANCEL) != IDOK) return 0;
        displayWarned = 1;
    }
    if (!theDisplayCatalogue) {
        theDisplayCatalogue = new (std::nothrow) DisplayCatalogue;
        if (!theDisplayCatalogue) return 0;
        BuildCatalogue(theDisplayCatalogue, "", savedChoiceFileName);
    }
    if (theDisplayCatalogue->renderers.empty()) {
        ShowLauncherMessage(mainWindow, IDS_NO_RENDERERS, MB_ICONEXCLAMATION);
        return 0;
    }
    return static_cast<int>(DialogBoxParamA(launcherModule, "DISPLAY", mainWindow, DisplayDialogProc, 0));
}

void DestroyDisplayCatalogue()
{
    delete theDisplayCatalogue;
    theDisplayCatalogue = nullptr;
}
