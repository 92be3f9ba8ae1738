// The lead bytes of the system's ANSI code page, as the system reports them.
#include "utils/AnsiCodePage.h"

#include <windows.h>

LeadBytes AnsiCodePageLeadBytes()
{
    CPINFO info;
    if (!GetCPInfo(CP_ACP, &info)) return LeadBytes();
    return LeadBytes::FromRanges(info.LeadByte, MAX_LEADBYTES / 2);
}
