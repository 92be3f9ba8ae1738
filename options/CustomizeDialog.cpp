// The add-on archive dialog "CUSTOMIZE".
#include "options/CustomizeDialog.h"

#include <commctrl.h>

#include <cstring>
#include <string>
#include <vector>

#include "launcher/DialogIcon.h"
#include "launcher/LauncherMessages.h"
#include "launcher/LauncherState.h"
#include "launcher/SystemLibraries.h"
#include "options/AddonSets.h"
#include "options/ArchiveList.h"
#include "options/ChosenArchives.h"
#include "options/CustomFolder.h"
#include "options/SaveSetDialog.h"
#include "resource.h"
#include "utils/ListBoxRows.h"

namespace {

// The message the chosen list sends while an entry is dragged, and the row the drag started from (-1 when
// no drag runs). One dialog is open at a time.
UINT dragListMessage = 0;
int dragFrom = -1;
RECT shownMark = {0, 0, 0, 0};  // where the insertion mark is drawn; empty when none is
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

// The gap of the chosen list that a drag at this screen point points at: 0 before the first row up to the
// row count after the last. Over a row it is the row's nearer edge; in the empty space under the last row it
// is the end. -1 anywhere else; with autoScroll a pointer just above or below the list scrolls it.
int DropGapAt(HWND list, POINT point, BOOL autoScroll)
{
    int row = CommonControls().LBItemFromPt(list, point, autoScroll);
    ScreenToClient(list, &point);
    RECT rect;
    if (row >= 0) {
        if (SendMessageA(list, LB_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&rect)) == LB_ERR)
            return -1;
        return point.y * 2 < rect.top + rect.bottom ? row : row + 1;
    }
    int count = ListRowCount(list);
    RECT client;
    if (count == 0 || !GetClientRect(list, &client) || !PtInRect(&client, point)) return -1;
    if (SendMessageA(list, LB_GETITEMRECT, static_cast<WPARAM>(count - 1), reinterpret_cast<LPARAM>(&rect)) == LB_ERR)
        return -1;
    return point.y >= rect.bottom ? count : -1;
}

// Draws the insertion mark, an arrow in the dialog's margin left of the list pointing at the gap, and takes
// away the one drawn before; gap -1 only takes it away. The mark is ours rather than DrawInsert's, which
// can only point at the top edge of a row and so has no mark for the end of the list.
void DrawDropMark(HWND dialog, HWND list, int gap)
{
    RECT mark = {0, 0, 0, 0};
    RECT row;
    int count = ListRowCount(list);
    bool atEnd = gap == count && count > 0;
    if (gap >= 0 && gap <= count &&
        SendMessageA(list, LB_GETITEMRECT, static_cast<WPARAM>(atEnd ? gap - 1 : gap),
                     reinterpret_cast<LPARAM>(&row)) != LB_ERR) {
        POINT tip = {0, atEnd ? row.bottom : row.top};
        MapWindowPoints(list, dialog, &tip, 1);
        RECT frame;
        GetWindowRect(list, &frame);
        MapWindowPoints(HWND_DESKTOP, dialog, reinterpret_cast<POINT*>(&frame), 2);
        tip.x = frame.left - 1;
        mark = {tip.x - 12, tip.y - 6, tip.x + 1, tip.y + 7};
    }
    if (EqualRect(&mark, &shownMark)) return;
    if (!IsRectEmpty(&shownMark)) {
        InvalidateRect(dialog, &shownMark, TRUE);
        UpdateWindow(dialog);
    }
    shownMark = mark;
    if (IsRectEmpty(&mark)) return;
    int x = mark.right - 1;
    int y = mark.top + 6;
    const POINT arrow[] = {{x, y},          {x - 6, y - 6}, {x - 6, y - 2}, {x - 12, y - 2},
                           {x - 12, y + 2}, {x - 6, y + 2}, {x - 6, y + 6}};
    HDC dc = GetDC(dialog);
    if (!dc) return;
    HGDIOBJ oldBrush = SelectObject(dc, GetSysColorBrush(COLOR_WINDOWTEXT));
    HGDIOBJ oldPen = SelectObject(dc, GetStockObject(NULL_PEN));
    Polygon(dc, arrow, sizeof arrow / sizeof arrow[0]);
    SelectObject(dc, oldPen);
    SelectObject(dc, oldBrush);
    ReleaseDC(dialog, dc);
}

// A drag in the chosen list: the dragged entry goes into the gap that the insertion mark points at while it
// moves. A drop outside the list, or a cancelled drag, changes nothing.
LRESULT OnChosenListDrag(HWND dialog, const DRAGLISTINFO& drag)
{
    switch (drag.uNotification) {
        case DL_BEGINDRAG:
            dragFrom = CommonControls().LBItemFromPt(drag.hWnd, drag.ptCursor, FALSE);
            return dragFrom >= 0;
        case DL_DRAGGING: {
            int gap = dragFrom >= 0 ? DropGapAt(drag.hWnd, drag.ptCursor, TRUE) : -1;
            DrawDropMark(dialog, drag.hWnd, gap);
            return gap >= 0 ? DL_MOVECURSOR : DL_STOPCURSOR;
        }
        case DL_DROPPED: {
            DrawDropMark(dialog, drag.hWnd, -1);
            int gap = DropGapAt(drag.hWnd, drag.ptCursor, FALSE);
            // Taken out of its row first, the entry lands one row higher when its gap lies below that row.
            if (dragFrom >= 0 && gap >= 0) MoveArchiveRow(drag.hWnd, dragFrom, gap > dragFrom ? gap - 1 : gap);
            dragFrom = -1;
            UpdateArchiveButtons(dialog);
            return 0;
        }
        default:  // DL_CANCELDRAG
            DrawDropMark(dialog, drag.hWnd, -1);
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

// Names whose files have gone from "Custom" still show: the choice is the player's to change.
void ShowChosenNames(HWND chosen, const std::vector<std::string>& names)
{
    ClearListRows(chosen);
    for (const std::string& name : names) AddListRow(chosen, name.c_str());
}

// The chosen list's names, top to bottom; a row that cannot be read is left out.
std::vector<std::string> ChosenListNames(HWND dialog)
{
    std::vector<std::string> names;
    HWND chosen = GetDlgItem(dialog, IDC_CUSTOM_CHOSEN);
    int count = ListRowCount(chosen);
    char name[archiveNameCapacity];
    for (int row = 0; row < count; ++row) {
        if (ListRowText(chosen, row, name, sizeof name)) names.push_back(name);
    }
    return names;
}

// The name of the set selected in the set list; false when none is.
bool SelectedSetName(HWND dialog, std::string* name)
{
    HWND sets = GetDlgItem(dialog, IDC_CUSTOM_SET);
    LRESULT row = SendMessageA(sets, CB_GETCURSEL, 0, 0);
    LRESULT length = row == CB_ERR ? CB_ERR : SendMessageA(sets, CB_GETLBTEXTLEN, static_cast<WPARAM>(row), 0);
    if (length == CB_ERR) return false;
    std::string text(static_cast<size_t>(length) + 1, '\0');
    if (SendMessageA(sets, CB_GETLBTEXT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&text[0])) == CB_ERR)
        return false;
    *name = text.c_str();
    return true;
}

// Delete set is enabled exactly when a set is selected.
void UpdateSetButtons(HWND dialog)
{
    bool selected = SendDlgItemMessageA(dialog, IDC_CUSTOM_SET, CB_GETCURSEL, 0, 0) != CB_ERR;
    EnableArchiveButton(dialog, IDC_CUSTOM_DELETE_SET, IDC_CUSTOM_SET, selected);
}

// Lists the stored sets and selects the one named, found without regard to case as the registry finds it;
// nothing is selected when select is null.
void FillSetList(HWND dialog, const char* select)
{
    HWND sets = GetDlgItem(dialog, IDC_CUSTOM_SET);
    SendMessageA(sets, CB_RESETCONTENT, 0, 0);
    for (const std::string& name : StoredAddonSets())
        SendMessageA(sets, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
    LRESULT row =
        select ? SendMessageA(sets, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(select))
               : CB_ERR;
    SendMessageA(sets, CB_SETCURSEL, row == CB_ERR ? static_cast<WPARAM>(-1) : static_cast<WPARAM>(row), 0);
    UpdateSetButtons(dialog);
}

// A set chosen in the set list replaces the chosen list, as the stored choice fills it at the opening;
// nothing is stored until OK.
void OnSetChosen(HWND dialog)
{
    std::string name;
    if (SelectedSetName(dialog, &name))
        ShowChosenNames(GetDlgItem(dialog, IDC_CUSTOM_CHOSEN), LoadAddonSet(name.c_str()));
    UpdateArchiveButtons(dialog);
    UpdateSetButtons(dialog);
}

// Saves the chosen list as it stands as a set, under a name the small dialog asks for, and selects it. A
// list too long to read back is refused before a name is asked for.
void OnSaveSet(HWND dialog)
{
    JoinedArchives joined = JoinArchiveNames(ChosenListNames(dialog), archiveTextLimit);
    if (joined.namesLeftOut > 0) {
        ShowLauncherMessageWith(dialog, IDS_SET_TOO_LONG, MB_OK | MB_ICONWARNING,
                                static_cast<unsigned long>(joined.namesJoined),
                                static_cast<unsigned long>(joined.namesJoined + joined.namesLeftOut));
        return;
    }
    std::string selected;
    std::string saved;
    bool hasSelected = SelectedSetName(dialog, &selected);
    if (ShowSaveSet(dialog, hasSelected ? selected.c_str() : nullptr, joined.text.c_str(), &saved))
        FillSetList(dialog, saved.c_str());
}

// Deletes the selected set after the player's Yes; the chosen list stays as it is.
void OnDeleteSet(HWND dialog)
{
    std::string name;
    if (!SelectedSetName(dialog, &name)) return;
    if (ShowLauncherMessageWith(dialog, IDS_SET_DELETE, MB_YESNO | MB_ICONQUESTION, name.c_str()) != IDYES) return;
    if (!DeleteAddonSet(name.c_str()))
        ShowLauncherMessageWith(dialog, IDS_SET_NOT_DELETED, MB_OK | MB_ICONERROR, name.c_str());
    FillSetList(dialog, nullptr);
}

BOOL OnInitCustomize(HWND dialog)
{
    LoadChosenArchives();
    SetLauncherIcon(dialog, launcherModule);

    HWND chosen = GetDlgItem(dialog, IDC_CUSTOM_CHOSEN);
    if (ScanCustomFolder(GetDlgItem(dialog, IDC_CUSTOM_AVAILABLE)) > 0) {
        ShowChosenNames(chosen, chosenArchives);
        FillSetList(dialog, nullptr);
        dragListMessage = RegisterWindowMessageA(DRAGLISTMSGSTRING);
        dragFrom = -1;
        SetRectEmpty(&shownMark);
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
    chosenArchives = ChosenListNames(dialog);
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
            case IDC_CUSTOM_SAVE_SET:
                OnSaveSet(dialog);
                return TRUE;
            case IDC_CUSTOM_DELETE_SET:
                OnDeleteSet(dialog);
                return TRUE;
            default:
                return TRUE;
        }
    }
    if (id == IDC_CUSTOM_SET) {
        if (code == CBN_SELCHANGE) OnSetChosen(dialog);  // the same number as LBN_SELCHANGE
    } else if (code == LBN_SELCHANGE) {
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
