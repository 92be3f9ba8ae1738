// The option help "ADV_HELP" and the video-card notes "ADV_3D": a list of topics beside the selected
// topic's text, each dialog remembering its last topic ("AdvOptSel", "3DCardSel").
#ifndef TUMBLERIDGE_HELPDIALOGS_H
#define TUMBLERIDGE_HELPDIALOGS_H

#include <windows.h>

// The row last shown in either dialog during this run; OK stores it for the dialog being closed.
extern DWORD lastHelpSelection;

// Adds a row at the end of list: the label string when labelId is not 0 and loads, else text. The row's
// item value is helpId. False when the list refuses the row.
BOOL AddHelpRow(HWND list, const char* text, UINT helpId, UINT labelId);
// Shows the string of the selected row of list 1072 in field 1070, line feeds as line breaks. False when no
// row is selected or its string does not load (the field then keeps its text).
BOOL ShowSelectedHelp(HWND dialog);

INT_PTR CALLBACK OptionHelpDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK CardNotesDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Shows "ADV_HELP" or "ADV_3D" modally over owner.
void ShowOptionHelp(HWND owner);
void ShowCardNotes(HWND owner);

#endif
