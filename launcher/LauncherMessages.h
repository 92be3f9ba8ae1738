// Message boxes whose text comes from the string table.
#ifndef TUMBLERIDGE_LAUNCHERMESSAGES_H
#define TUMBLERIDGE_LAUNCHERMESSAGES_H

#include <windows.h>

// The string-table entry (at most 511 characters; "Error." when missing) in a standard message box.
int ShowTableMessage(HWND owner, UINT stringId, const char* caption, UINT style);
// ShowTableMessage with the launcher's caption (string 9).
int ShowLauncherMessage(HWND owner, UINT stringId, UINT style);
// ShowLauncherMessage of an entry that is a printf format, filled in with the arguments that follow.
int ShowLauncherMessageWith(HWND owner, UINT stringId, UINT style, ...);

#endif
