// The add-on archive dialog "CUSTOMIZE".
#include "options/CustomizeDialog.h"

#include <commctrl.h>

#include <cstring>
#include <string>

#include "launcher/DialogIcon.h"
#include "launcher/LauncherMessages.h"
#include "launcher/LauncherState.h"
#include "launcher/SystemLibraries.h"
#include "options/ArchiveList.h"
#include "options/ChosenArchives.h"
#include "options/CustomFolder.h"
#include "resource.h"
#include "utils/ListBoxRows.h"

namespace {

// The message the chosen list sends while an entry is dragged, and the row the drag started from (-1 when
// no drag runs). One dialog is open at a time.
UINT dragListMessage = 0;
int dragFrom = -1;
const UINT_PTR chosenKeysId = 1;

// Room for one archive name: a name of the stored list may be as long as the whole stored text.
const size_t archiveNameCapacity = archiveTextReadCapacity;

// LB_FINDSTRINGEXACT ignores case; names that differ only in case are different archives here.
bool ListHoldsExactly(HWND list, const char* name)
{
    int count = ListRowCount(list);
    char row[archiveNameCapacity];
    for (int index = 0; index < count; ++index) {
        if (ListRowText(list, index, row, sizeof row) && std::strcmp(row, name) == 0) return true;
    }
    return false;
}

// Enabling or disabling a button that has the focus would strand the keyboard on it; the focus moves to
// the list the button works on.
void EnableArchiveButton(HWND dialog, int buttonId, int listId, bool enable)
{
    HWND button = GetDlgItem(dialog, buttonId);
    if (!button) return;
    bool hadFocus = GetFocus() == button;
    EnableWindow(button, enable ? TRUE : FALSE);
    if (!enable && hadFocus)
        SendMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(dialog, listId)), TRUE);
}

// Puts the entry of row `from` at row `to`, selected; false (the list unchanged) when either row is missing.
bool MoveArchiveRow(HWND list, int from, int to)
{
    int count = ListRowCount(list);
    if (from < 0 || to < 0 || from >= count || to >= count || from == to) return false;
    char name[archiveNameCapacity];
    if (!ListRowText(list, from, name, sizeof name)) return false;
    // The copy goes in before the original goes, so a list that cannot take it loses nothing.
    int at = to > from ? to + 1 : to;
    if (at == count) at = -1;
    if (InsertListRow(list, at, name) < 0) return false;
    DeleteListRow(list, to > from ? from : from + 1);
    SelectListRow(list, to);
    return true;
}

void MoveAndUpdate(HWND dialog, int step)
{
    MoveSelectedArchive(GetDlgItem(dialog, IDC_CUSTOM_CHOSEN), step);
    UpdateArchiveButtons(dialog);
}

// Alt+Up and Alt+Down on the chosen list do what Move up and Move down do.
LRESULT CALLBACK ChosenListKeys(HWND list, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR)
{
    const LPARAM altHeld = 1 << 29;
    if (message == WM_SYSKEYDOWN && (wParam == VK_UP || wParam == VK_DOWN) && (lParam & altHeld)) {
        MoveAndUpdate(GetParent(list), wParam == VK_UP ? -1 : 1);
        return 0;
    }
    if (message == WM_NCDESTROY) CommonControls().RemoveWindowSubclass(list, ChosenListKeys, chosenKeysId);
    return CommonControls().DefSubclassProc(list, message, wParam, lParam);
}

// A drag in the chosen list: the dragged entry takes the place of the row it is dropped on, which the
// insertion mark points at while it moves. A drop outside the list, or a cancelled drag, changes nothing.
LRESULT OnChosenListDrag(HWND dialog, const DRAGLISTINFO& drag)
{
    switch (drag.uNotification) {
        case DL_BEGINDRAG:
            dragFrom = CommonControls().LBItemFromPt(drag.hWnd, drag.ptCursor, FALSE);
            return dragFrom >= 0;
        case DL_DRAGGING: {
            int over = dragFrom >= 0 ? CommonControls().LBItemFromPt(drag.hWnd, drag.ptCursor, TRUE) : -1;
            CommonControls().DrawInsert(dialog, drag.hWnd, over);
            return over >= 0 ? DL_MOVECURSOR : DL_STOPCURSOR;
        }
        case DL_DROPPED: {
            CommonControls().DrawInsert(dialog, drag.hWnd, -1);
            int to = CommonControls().LBItemFromPt(drag.hWnd, drag.ptCursor, FALSE);
            if (dragFrom >= 0 && to >= 0) MoveArchiveRow(drag.hWnd, dragFrom, to);
            dragFrom = -1;
            UpdateArchiveButtons(dialog);
            return 0;
        }
        default:  // DL_CANCELDRAG
            CommonControls().DrawInsert(dialog, drag.hWnd, -1);
            dragFrom = -1;
            return 0;
    }
}

// The drag list's answers travel in the dialog's message result.
BOOL OnDragListMessage(HWND dialog, const DRAGLISTINFO* drag)
{
    if (!drag || drag->hWnd != GetDlgItem(dialog, IDC_CUSTOM_CHOSEN)) return FALSE;
    SetWindowLongPtrA(dialog, DWLP_MSGRESULT, OnChosenListDrag(dialog, *drag));
    return TRUE;
}

BOOL OnInitCustomize(HWND dialog)
{
    LoadChosenArchives();
    SetLauncherIcon(dialog, launcherModule);

    HWND chosen = GetDlgItem(dialog, IDC_CUSTOM_CHOSEN);
    if (ScanCustomFolder(GetDlgItem(dialog, IDC_CUSTOM_AVAILABLE)) > 0) {
        // Names whose files have gone from "Custom" still show: the choice is the player's to change.
        for (const std::string& name : chosenArchives) AddListRow(chosen, name.c_str());
        dragListMessage = RegisterWindowMessageA(DRAGLISTMSGSTRING);
        dragFrom = -1;
        CommonControls().MakeDragList(chosen);
        CommonControls().SetWindowSubclass(chosen, ChosenListKeys, chosenKeysId, 0);
        UpdateArchiveButtons(dialog);
    } else {
        ShowLauncherMessage(dialog, IDS_NO_CUSTOM_ARCHIVES, MB_OK);
        EndDialog(dialog, 0);
    }
    CheckDlgButton(dialog, IDC_CUSTOM_KEEP, keepChoice ? BST_CHECKED : BST_UNCHECKED);
    return TRUE;
}

void OnCustomizeOk(HWND dialog)
{
    chosenArchives.clear();
    HWND chosen = GetDlgItem(dialog, IDC_CUSTOM_CHOSEN);
    int count = ListRowCount(chosen);
    char name[archiveNameCapacity];
    for (int row = 0; row < count; ++row) {
        if (ListRowText(chosen, row, name, sizeof name)) chosenArchives.push_back(name);
    }
    SaveChosenArchives(dialog);
    EndDialog(dialog, 1);
}

void AddAndUpdate(HWND dialog)
{
    AddSelectedArchive(GetDlgItem(dialog, IDC_CUSTOM_AVAILABLE), GetDlgItem(dialog, IDC_CUSTOM_CHOSEN));
    UpdateArchiveButtons(dialog);
}

void RemoveAndUpdate(HWND dialog)
{
    RemoveSelectedArchive(GetDlgItem(dialog, IDC_CUSTOM_AVAILABLE), GetDlgItem(dialog, IDC_CUSTOM_CHOSEN));
    UpdateArchiveButtons(dialog);
}

// Every command counts as handled; the keep box toggles itself.
BOOL OnCustomizeCommand(HWND dialog, int id, int code)
{
    if (code == 0) {
        switch (id) {
            case IDOK:
                OnCustomizeOk(dialog);
                return TRUE;
            case IDCANCEL:
                EndDialog(dialog, 0);
                return TRUE;
            case IDC_CUSTOM_ADD:
                AddAndUpdate(dialog);
                return TRUE;
            case IDC_CUSTOM_REMOVE:
                RemoveAndUpdate(dialog);
                return TRUE;
            case IDC_CUSTOM_UP:
                MoveAndUpdate(dialog, -1);
                return TRUE;
            case IDC_CUSTOM_DOWN:
                MoveAndUpdate(dialog, 1);
                return TRUE;
            default:
                return TRUE;
        }
    }
    if (code == LBN_SELCHANGE) {
        UpdateArchiveButtons(dialog);
    } else if (code == LBN_DBLCLK && id == IDC_CUSTOM_AVAILABLE) {
        AddAndUpdate(dialog);
    } else if (code == LBN_DBLCLK && id == IDC_CUSTOM_CHOSEN) {
        RemoveAndUpdate(dialog);
    }
    return TRUE;
}

}  // namespace

BOOL AddSelectedArchive(HWND available, HWND chosen)
{
    char name[archiveNameCapacity];
    if (!ListRowText(available, SelectedListRow(available), name, sizeof name)) return FALSE;
    if (ListHoldsExactly(chosen, name)) return TRUE;
    return AddListRow(chosen, name) >= 0 ? TRUE : FALSE;
}

BOOL RemoveSelectedArchive(HWND, HWND chosen)
{
    int selected = SelectedListRow(chosen);
    if (selected < 0) return FALSE;
    DeleteListRow(chosen, selected);
    if (selected < ListRowCount(chosen)) {
        SelectListRow(chosen, selected);
    } else if (selected > 0) {
        SelectListRow(chosen, selected - 1);
    }
    return TRUE;
}

BOOL MoveSelectedArchive(HWND chosen, int step)
{
    int selected = SelectedListRow(chosen);
    if (selected < 0) return FALSE;
    return MoveArchiveRow(chosen, selected, selected + step) ? TRUE : FALSE;
}

void UpdateArchiveButtons(HWND dialog)
{
    HWND chosen = GetDlgItem(dialog, IDC_CUSTOM_CHOSEN);
    HWND available = GetDlgItem(dialog, IDC_CUSTOM_AVAILABLE);
    char name[archiveNameCapacity];
    bool canAdd =
        ListRowText(available, SelectedListRow(available), name, sizeof name) && !ListHoldsExactly(chosen, name);
    int selected = SelectedListRow(chosen);
    int count = ListRowCount(chosen);
    bool canRemove = selected >= 0;
    EnableArchiveButton(dialog, IDC_CUSTOM_ADD, IDC_CUSTOM_AVAILABLE, canAdd);
    EnableArchiveButton(dialog, IDC_CUSTOM_REMOVE, IDC_CUSTOM_CHOSEN, canRemove);
    EnableArchiveButton(dialog, IDC_CUSTOM_UP, IDC_CUSTOM_CHOSEN, canRemove && selected > 0);
    EnableArchiveButton(dialog, IDC_CUSTOM_DOWN, IDC_CUSTOM_CHOSEN, canRemove && selected + 1 < count);
}

INT_PTR CALLBACK CustomizeDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != 0 && message == dragListMessage)
        return OnDragListMessage(dialog, reinterpret_cast<const DRAGLISTINFO*>(lParam));
    switch (message) {
        case WM_INITDIALOG:
            return OnInitCustomize(dialog);
        case WM_COMMAND:
            return OnCustomizeCommand(dialog, LOWORD(wParam), HIWORD(wParam));
        default:
            return FALSE;
    }
}

int ShowCustomize(HWND owner)
{
    return static_cast<int>(DialogBoxParamA(launcherModule, "CUSTOMIZE", owner, CustomizeDialogProc, 0));
}
