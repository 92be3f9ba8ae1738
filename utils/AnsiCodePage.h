// The lead bytes of the system's ANSI code page, as the system reports them.
#ifndef TUMBLERIDGE_ANSICODEPAGE_H
#define TUMBLERIDGE_ANSICODEPAGE_H

#include "utils/LeadBytes.h"

// The lead-byte ranges of the active ANSI code page (GetCPInfo of CP_ACP); none for a single-byte code
// page or when the system cannot say.
LeadBytes AnsiCodePageLeadBytes();

#endif
