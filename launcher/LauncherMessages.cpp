// Message boxes whose text comes from the string table.
#include "launcher/LauncherMessages.h"

#include "launcher/LauncherState.h"

int ShowTableMessage(HWND owner, UINT stringId, const char* caption, UINT style)
{
    char text[512];
    if (!LoadTableString(stringId, text, sizeof text)) lstrcpynA(text, "Error.", sizeof text);
    return MessageBoxA(owner, text, caption, style);
}

int ShowLauncherMessage(HWND owner, UINT stringId, UINT style)
{
    return ShowTableMessage(owner, stringId, captionText, style);
}
