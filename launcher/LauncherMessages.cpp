// Message boxes whose text comes from the string table.
#include "launcher/LauncherMessages.h"

#include <cstdarg>
#include <cstdio>

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

int ShowLauncherMessageWith(HWND owner, UINT stringId, UINT style, ...)
{
    char format[512];
    if (!LoadTableString(stringId, format, sizeof format)) lstrcpynA(format, "Error.", sizeof format);
    char text[1024];
    va_list arguments;
    va_start(arguments, style);
    vsnprintf(text, sizeof text, format, arguments);
    va_end(arguments);
    return MessageBoxA(owner, text, captionText, style);
}
