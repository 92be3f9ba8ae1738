// The add-on archive dialog "CUSTOMIZE": the ".rez" files of the folder "Custom" picked into an ordered list,
// which can be saved as a named add-on set and replaced by one.
#ifndef TUMBLERIDGE_CUSTOMIZEDIALOG_H
#define TUMBLERIDGE_CUSTOMIZEDIALOG_H

#include <windows.h>

// Ends with 1 after OK, 0 after Cancel or when "Custom" holds no archive.
INT_PTR CALLBACK CustomizeDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Shows "CUSTOMIZE" modally over owner; its end code, or -1 when it could not be shown.
int ShowCustomize(HWND owner);

// Appends the available list's selected name to the chosen list unless an equal name (case counts) is
// there already. True when the chosen list holds the name afterwards; false without a selection.
BOOL AddSelectedArchive(HWND available, HWND chosen);

// Deletes the chosen list's selected name and selects the row now at its place, or the one before when it
// was the last. False without a selection.
BOOL RemoveSelectedArchive(HWND available, HWND chosen);

// Moves the chosen list's selected entry one row up (step -1) or down (step 1), keeping it selected and in
// view. False without a selection or when it cannot move that way; the list is then as it was.
BOOL MoveSelectedArchive(HWND chosen, int step);

// Add is enabled when the selected available name is not chosen yet; Remove when a chosen name is selected;
// Move up and Move down when the selected chosen entry has a row above or below it.
void UpdateArchiveButtons(HWND dialog);

#endif
