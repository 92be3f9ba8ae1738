// The list-box work the dialogs share: adding rows with their item data, reading and selecting rows.
#include "utils/ListBoxRows.h"

void ClearListRows(HWND list)
{
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
}

int ListRowCount(HWND list)
{
    LRESULT count = SendMessageA(list, LB_GETCOUNT, 0, 0);
    return count > 0 ? static_cast<int>(count) : 0;
}

int AddListRow(HWND list, const char* text)
{
    LRESULT row = SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
    return row < 0 ? -1 : static_cast<int>(row);  // LB_ERR and LB_ERRSPACE are negative
}

int AddListRow(HWND list, const char* text, LPARAM data)
{
    int row = AddListRow(list, text);
    if (row >= 0) SendMessageA(list, LB_SETITEMDATA, static_cast<WPARAM>(row), data);
    return row;
}

int InsertListRow(HWND list, int at, const char* text)
{
    LRESULT row = SendMessageA(list, LB_INSERTSTRING, static_cast<WPARAM>(at), reinterpret_cast<LPARAM>(text));
    return row < 0 ? -1 : static_cast<int>(row);  // LB_ERR and LB_ERRSPACE are negative
}

bool DeleteListRow(HWND list, int row)
{
    if (row < 0) return false;
    return SendMessageA(list, LB_DELETESTRING, static_cast<WPARAM>(row), 0) != LB_ERR;
}

int SelectedListRow(HWND list)
{
    LRESULT row = SendMessageA(list, LB_GETCURSEL, 0, 0);
    return row < 0 ? -1 : static_cast<int>(row);
}

bool SelectListRow(HWND list, int row)
{
    if (row < 0) return false;
    return SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(row), 0) != LB_ERR;
}

bool SelectRowWithData(HWND list, LPARAM data)
{
    int count = ListRowCount(list);
    for (int row = 0; row < count; ++row) {
        LPARAM rowData = 0;
        if (ListRowData(list, row, &rowData) && rowData == data) return SelectListRow(list, row);
    }
    return false;
}

bool ListRowData(HWND list, int row, LPARAM* data)
{
    if (row < 0 || !data) return false;
    LRESULT value = SendMessageA(list, LB_GETITEMDATA, static_cast<WPARAM>(row), 0);
    if (value == LB_ERR) return false;
    *data = static_cast<LPARAM>(value);
    return true;
}

bool ListRowText(HWND list, int row, char* text, size_t capacity)
{
    if (row < 0 || !text || capacity == 0) return false;
    LRESULT length = SendMessageA(list, LB_GETTEXTLEN, static_cast<WPARAM>(row), 0);
    if (length == LB_ERR || length < 0 || static_cast<size_t>(length) >= capacity) return false;
    LRESULT copied = SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(text));
    return copied != LB_ERR && copied >= 0 && copied <= length;
}
