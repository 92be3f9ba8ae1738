// Documents and web addresses opened through the Windows shell with their associated programs.
#ifndef TUMBLERIDGE_SHELLTARGETS_H
#define TUMBLERIDGE_SHELLTARGETS_H

#include <windows.h>

// Asks the shell to open target with its default verb, shown normally; true when the shell accepted it.
bool OpenWithShell(HWND owner, const char* target);

#endif
