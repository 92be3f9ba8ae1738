// The display dialog "DISPLAY": three linked lists of renderers, devices and modes over the catalogue.
#include "display/DisplayDialog.h"

#include "display/CatalogueBuild.h"
#include "display/DisplayCatalogue.h"
#include "display/SavedChoice.h"
#include "display/SavedChoiceFile.h"
#include "launcher/DialogIcon.h"
#include "launcher/LauncherMessages.h"
#include "launcher/LauncherState.h"
#include "resource.h"

namespace {

// The object behind the list's selected entry; null for no selection or an entry without one.
template <typename T>
T* SelectedObject(HWND list)
{
    LRESULT row = SendMessageA(list, LB_GETCURSEL, 0, 0);
    if (row == LB_ERR) return nullptr;
    LRESULT data = SendMessageA(list, LB_GETITEMDATA, static_cast<WPARAM>(row), 0);
    if (data == LB_ERR) return nullptr;
    return reinterpret_cast<T*>(data);
}

// Selects the entry that carries the object. False, leaving the selection alone, when the object is null
// or no entry carries it.
bool Reselect(HWND list, const void* object)
{
    if (!object) return false;
    LRESULT count = SendMessageA(list, LB_GETCOUNT, 0, 0);
    for (LRESULT row = 0; row < count; ++row) {
        LRESULT data = SendMessageA(list, LB_GETITEMDATA, static_cast<WPARAM>(row), 0);
        if (data != LB_ERR && reinterpret_cast<const void*>(data) == object) {
            SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(row), 0);
            return true;
        }
    }
    return false;
}

void AddEntry(HWND list, const std::string& text, const void* object)
{
    LRESULT row = SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    if (row == LB_ERR || row == LB_ERRSPACE) return;
    SendMessageA(list, LB_SETITEMDATA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(const_cast<void*>(object)));
}

bool SelectRow(HWND list, LRESULT row)
{
    if (row < 0) return false;
    return SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(row), 0) != LB_ERR;
}

LRESULT RowCount(HWND list)
{
    return SendMessageA(list, LB_GETCOUNT, 0, 0);
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

// OK keeps the lists' choice and hands it to the engine through its configuration script.
BOOL OnDisplayOk(HWND dialog)
{
    if (theDisplayCatalogue) {
        SyncDialog(dialog);
        WriteSavedChoice(savedChoiceFileName, *theDisplayCatalogue);
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

bool FillRendererList(const DisplayCatalogue* catalogue, HWND list)
{
    if (!list) return false;
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    if (!catalogue) return true;
    for (const auto& renderer : catalogue->renderers) AddEntry(list, renderer->DisplayText(), renderer.get());
    if (!Reselect(list, catalogue->selectedRenderer)) SelectRow(list, 0);
    return true;
}

bool FillDeviceList(const RendererEntry* renderer, HWND list)
{
    if (!list) return false;
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    if (!renderer) return true;
    for (const auto& device : renderer->devices) AddEntry(list, device->DisplayText(), device.get());
    if (!Reselect(list, renderer->selectedDevice) && !SelectRow(list, RowCount(list) - 1)) SelectRow(list, 0);
    return true;
}

bool FillModeList(const DeviceEntry* device, HWND list)
{
    if (!list) return false;
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    if (!device) return true;
    for (const auto& mode : device->modes) AddEntry(list, mode->text, mode.get());
    if (!Reselect(list, device->selectedMode)) SelectRow(list, 0);
    return true;
}

bool FillLists(const DisplayCatalogue* catalogue, HWND renderers, HWND devices, HWND modes)
{
    if (!renderers || !devices || !modes) return false;
    FillRendererList(catalogue, renderers);
    const RendererEntry* renderer = SelectedObject<RendererEntry>(renderers);
    if (!renderer) return false;
    FillDeviceList(renderer, devices);
    const DeviceEntry* device = SelectedObject<DeviceEntry>(devices);
    if (!device) return false;
    FillModeList(device, modes);
    return true;
}

bool SyncFromLists(DisplayCatalogue* catalogue, HWND renderers, HWND devices, HWND modes)
{
    if (!catalogue || !renderers || !devices || !modes) return false;
    bool changed = false;
    RendererEntry* renderer = SelectedObject<RendererEntry>(renderers);
    if (renderer != catalogue->selectedRenderer) {
        catalogue->selectedRenderer = renderer;
        if (!Reselect(renderers, renderer)) return false;
        FillDeviceList(renderer, devices);
        // A renderer without devices shows no modes rather than the modes of the renderer before it.
        if (renderer->devices.empty()) SendMessageA(modes, LB_RESETCONTENT, 0, 0);
        changed = true;
    }
    if (!renderer) return false;

    DeviceEntry* device = SelectedObject<DeviceEntry>(devices);
    if (device != renderer->selectedDevice || changed) {
        renderer->selectedDevice = device;
        if (!Reselect(devices, device)) return false;
        FillModeList(device, modes);
        changed = true;
    }
    if (!device) return false;

    ModeEntry* mode = SelectedObject<ModeEntry>(modes);
    if (mode != device->selectedMode || changed) device->selectedMode = mode;
    return device->selectedMode != nullptr;
}

int OpenDisplayDialog(HWND mainWindow)
{
    if (!displayWarned) {
        if (ShowLauncherMessage(mainWindow, IDS_DISPLAY_WARNING, MB_OKCANCEL) != IDOK) return 0;
        displayWarned = 1;
    }
    if (!theDisplayCatalogue) {
        theDisplayCatalogue = new DisplayCatalogue;
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
