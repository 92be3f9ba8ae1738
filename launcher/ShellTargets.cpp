// Documents and web addresses opened through the Windows shell with their associated programs.
#include "launcher/ShellTargets.h"

#include <shellapi.h>

bool OpenWithShell(HWND owner, const char* target)
{
    if (!target) return false;
    HINSTANCE answer = ShellExecuteA(owner, nullptr, target, nullptr, nullptr, SW_SHOWNORMAL);
    return reinterpret_cast<INT_PTR>(answer) > 32;
}
