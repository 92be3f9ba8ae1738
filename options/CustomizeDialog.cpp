// The add-on archive dialog "CUSTOMIZE".
#include "options/CustomizeDialog.h"

#include <commctrl.h>

#include <string>
#include <vector>

#include "launcher/DialogIcon.h"
#include "launcher/LauncherMessages.h"
#include "launcher/LauncherState.h"
#include "options/ChosenArchives.h"
#include "resource.h"

namespace {

// The message the chosen list sends while an entry is dragged, and the row the drag started from (-1 when
// no drag runs). One dialog is open at a time.
UINT dragListMessage = 0;
int dragFrom = -1;
const UINT_PTR chosenKeysId = 1;

// The text of a list box row; false for a row that cannot be read.
bool ListRowText(HWND list, LRESULT row, std::string* text)
{
    LRESULT length = SendMessageA(list, LB_GETTEXTLEN, static_cast<WPARAM>(row), 0);
    if (length == LB_ERR || length < 0) return false;
    std::vector<char> buffer(static_cast<size_t>(length) + 1, '\0');
    LRESULT copied = SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&buffer[0]));
    if (copied == LB_ERR || copied < 0 || copied > length) return false;
    text->assign(&buffer[0], static_cast<size_t>(copied));
    return true;
}

bool SelectedRowText(HWND list, std::string* text)
{
    LRESULT selected = SendMessageA(list, LB_GETCURSEL, 0, 0);
    return selected != LB_ERR && ListRowText(list, selected, text);
}

// LB_FINDSTRINGEXACT ignores case; names that differ only in case are different archives here.
bool ListHoldsExactly(HWND list, const std::string& name)
{
    LRESULT count = SendMessageA(list, LB_GETCOUNT, 0, 0);
    std::string row;
    for (LRESULT index = 0; index < count; ++index) {
        if (ListRowText(list, index, &row) && row == name) return true;
    }
    return false;
}

std::string CurrentFolderPath()
{
    DWORD needed = GetCurrentDirectoryA(0, NULL);
    if (needed == 0) return std::string();
    std::vector<char> buffer(needed + 1, '\0');
    DWORD length = GetCurrentDirectoryA(static_cast<DWORD>(buffer.size()), &buffer[0]);
    if (length == 0 || length >= buffer.size()) return std::string();
    return std::string(&buffer[0], length);
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
    LRESULT count = SendMessageA(list, LB_GETCOUNT, 0, 0);
    if (count == LB_ERR || from < 0 || to < 0 || from >= count || to >= count || from == to) return false;
    std::string name;
    if (!ListRowText(list, from, &name)) return false;
    // The copy goes in before the original goes, so a list that cannot take it loses nothing.
    LRESULT at = to > from ? to + 1 : to;
    if (at == count) at = -1;
    LRESULT inserted =
        SendMessageA(list, LB_INSERTSTRING, static_cast<WPARAM>(at), reinterpret_cast<LPARAM>(name.c_str()));
    if (inserted == LB_ERR || inserted == LB_ERRSPACE) return false;
    SendMessageA(list, LB_DELETESTRING, static_cast<WPARAM>(to > from ? from : from + 1), 0);
    SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(to), 0);
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
    if (message == WM_NCDESTROY) RemoveWindowSubclass(list, ChosenListKeys, chosenKeysId);
    return DefSubclassProc(list, message, wParam, lParam);
}

// A drag in the chosen list: the dragged entry takes the place of the row it is dropped on, which the
// insertion mark points at while it moves. A drop outside the list, or a cancelled drag, changes nothing.
LRESULT OnChosenListDrag(HWND dialog, const DRAGLISTINFO& drag)
{
    switch (drag.uNotification) {
        case DL_BEGINDRAG:
            dragFrom = LBItemFromPt(drag.hWnd, drag.ptCursor, FALSE);
            return dragFrom >= 0;
        case DL_DRAGGING: {
            int over = dragFrom >= 0 ? LBItemFromPt(drag.hWnd, drag.ptCursor, TRUE) : -1;
            DrawInsert(dialog, drag.hWnd, over);
            return over >= 0 ? DL_MOVECURSOR : DL_STOPCURSOR;
        }
        case DL_DROPPED: {
            DrawInsert(dialog, drag.hWnd, -1);
            int to = LBItemFromPt(drag.hWnd, drag.ptCursor, FALSE);
            if (dragFrom >= 0 && to >= 0) MoveArchiveRow(drag.hWnd, dragFrom, to);
            dragFrom = -1;
            UpdateArchiveButtons(dialog);
            return 0;
        }
        default:  // DL_CANCELDRAG
            DrawInsert(dialog, drag.hWnd, -1);
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
        for (const std::string& name : chosenArchives)
            SendMessageA(chosen, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
        dragListMessage = RegisterWindowMessageA(DRAGLISTMSGSTRING);
        dragFrom = -1;
        MakeDragList(chosen);
        SetWindowSubclass(chosen, ChosenListKeys, chosenKeysId, 0);
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
    LRESULT count = SendMessageA(chosen, LB_GETCOUNT, 0, 0);
    std::string name;
    for (LRESULT row = 0; count != LB_ERR && row < count; ++row) {
        if (ListRowText(chosen, row, &name)) chosenArchives.push_back(name);
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

int ScanCustomFolder(HWND list)
{
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    // The launch and every relative path after this depend on the game folder being current again, so the
    // way back is the full path saved here, whatever "Custom" is; ".." is only the fallback.
    std::string gameFolder = CurrentFolderPath();
    if (!SetCurrentDirectoryA("Custom")) return 0;

    int count = 0;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA("*.rez", &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            LRESULT row = SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(found.cFileName));
            if (row != LB_ERR && row != LB_ERRSPACE) ++count;
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }

    if (gameFolder.empty() || !SetCurrentDirectoryA(gameFolder.c_str())) SetCurrentDirectoryA("..");
    return count;
}

BOOL AddSelectedArchive(HWND available, HWND chosen)
{
    std::string name;
    if (!SelectedRowText(available, &name)) return FALSE;
    if (ListHoldsExactly(chosen, name)) return TRUE;
    LRESULT row = SendMessageA(chosen, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
    return row != LB_ERR && row != LB_ERRSPACE;
}

BOOL RemoveSelectedArchive(HWND, HWND chosen)
{
    LRESULT selected = SendMessageA(chosen, LB_GETCURSEL, 0, 0);
    if (selected == LB_ERR) return FALSE;
    SendMessageA(chosen, LB_DELETESTRING, static_cast<WPARAM>(selected), 0);
    LRESULT count = SendMessageA(chosen, LB_GETCOUNT, 0, 0);
    if (count != LB_ERR && selected < count) {
        SendMessageA(chosen, LB_SETCURSEL, static_cast<WPARAM>(selected), 0);
    } else if (selected > 0) {
        SendMessageA(chosen, LB_SETCURSEL, static_cast<WPARAM>(selected - 1), 0);
    }
    return TRUE;
}

BOOL MoveSelectedArchive(HWND chosen, int step)
{
    LRESULT selected = SendMessageA(chosen, LB_GETCURSEL, 0, 0);
    if (selected == LB_ERR) return FALSE;
    return MoveArchiveRow(chosen, static_cast<int>(selected), static_cast<int>(selected) + step) ? TRUE : FALSE;
}

void UpdateArchiveButtons(HWND dialog)
{
    HWND chosen = GetDlgItem(dialog, IDC_CUSTOM_CHOSEN);
    std::string name;
    bool canAdd = SelectedRowText(GetDlgItem(dialog, IDC_CUSTOM_AVAILABLE), &name) && !ListHoldsExactly(chosen, name);
    LRESULT selected = SendMessageA(chosen, LB_GETCURSEL, 0, 0);
    LRESULT count = SendMessageA(chosen, LB_GETCOUNT, 0, 0);
    bool canRemove = selected != LB_ERR;
    EnableArchiveButton(dialog, IDC_CUSTOM_ADD, IDC_CUSTOM_AVAILABLE, canAdd);
    EnableArchiveButton(dialog, IDC_CUSTOM_REMOVE, IDC_CUSTOM_CHOSEN, canRemove);
    EnableArchiveButton(dialog, IDC_CUSTOM_UP, IDC_CUSTOM_CHOSEN, canRemove && selected > 0);
    EnableArchiveButton(dialog, IDC_CUSTOM_DOWN, IDC_CUSTOM_CHOSEN,
                        canRemove && count != LB_ERR && selected + 1 < count);
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
