// The small dialog "SAVE_SET": the name under which the chosen add-ons are saved as an add-on set.
#ifndef TUMBLERIDGE_SAVESETDIALOG_H
#define TUMBLERIDGE_SAVESETDIALOG_H

#include <windows.h>

#include <string>

// Its dialog parameter is the SaveSetRequest of ShowSaveSet; ends with 1 when the set was stored, else 0.
INT_PTR CALLBACK SaveSetDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Shows "SAVE_SET" modally over owner, initialName (may be null) in its name box. OK stores joinedNames as
// the set of the typed name at once; an empty or too long name, or No to the question before a set is
// replaced, leaves the dialog open. True when the set was stored, with its name in *savedName.
BOOL ShowSaveSet(HWND owner, const char* initialName, const char* joinedNames, std::string* savedName);

#endif
