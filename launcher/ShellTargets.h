// Documents and web addresses opened through the Windows shell with their associated programs.
#ifndef TUMBLERIDGE_SHELLTARGETS_H
#define TUMBLERIDGE_SHELLTARGETS_H

#include <windows.h>

// Asks the shell to open target with its default verb, shown normally; true when the shell accepted it.
bool OpenWithShell(HWND owner, const char* target);

// Opens the text of a string through the shell; on refusal shows errorStringId (when above 0). False
// without a message when the string is missing.
BOOL OpenTableTarget(HWND owner, UINT stringId, UINT errorStringId);

#endif
