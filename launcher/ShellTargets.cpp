// Documents and web addresses opened through the Windows shell with their associated programs.
#include "launcher/ShellTargets.h"

#include "launcher/LauncherMessages.h"
#include "launcher/LauncherState.h"
#include "launcher/SystemLibraries.h"

bool OpenWithShell(HWND owner, const char* target)
{
    if (!target) return false;
    HINSTANCE answer = Shell().ShellExecuteA(owner, nullptr, target, nullptr, nullptr, SW_SHOWNORMAL);
    return reinterpret_cast<INT_PTR>(answer) > 32;
}

BOOL OpenTableTarget(HWND owner, UINT stringId, UINT errorStringId)
{
    char target[512];
    if (!LoadTableString(stringId, target, sizeof target)) return FALSE;
    if (OpenWithShell(owner, target)) return TRUE;
    if (errorStringId > 0) ShowTableMessage(owner, errorStringId, captionText, MB_ICONEXCLAMATION);
    return FALSE;
}
