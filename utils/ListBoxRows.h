// The list-box work the dialogs share: adding rows with their item data, reading a row's text or data, and
// selecting a row. Rows are counted from 0; -1 stands for "no row".
#ifndef TUMBLERIDGE_LISTBOXROWS_H
#define TUMBLERIDGE_LISTBOXROWS_H

#include <windows.h>

#include <cstddef>

void ClearListRows(HWND list);
// The number of rows; 0 for a list that does not answer.
int ListRowCount(HWND list);

// Appends a row (the list's own order decides where it goes when the list sorts) and gives its index, or
// -1 when the list refuses it. The second form also sets the row's item data.
int AddListRow(HWND list, const char* text);
int AddListRow(HWND list, const char* text, LPARAM data);

// Puts a row at index `at` (-1: at the end) and gives its index, or -1 when the list refuses it.
int InsertListRow(HWND list, int at, const char* text);
// Deletes the row; false for a row the list does not have.
bool DeleteListRow(HWND list, int row);

// The selected row, or -1 when none is.
int SelectedListRow(HWND list);
// Selects the row; false for -1 or a row the list does not have.
bool SelectListRow(HWND list, int row);
// Selects the first row whose item data is data; false, leaving the selection alone, when no row has it.
bool SelectRowWithData(HWND list, LPARAM data);

// The row's item data; false for a row that cannot be read.
bool ListRowData(HWND list, int row, LPARAM* data);
// The row's text, NUL included within capacity. False, and text untouched, for a row that cannot be read
// or whose text would not fit whole.
bool ListRowText(HWND list, int row, char* text, size_t capacity);

#endif
