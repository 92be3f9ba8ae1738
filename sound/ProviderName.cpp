// Comparing the name of a 3D sound provider with the stored one.
#include "sound/ProviderName.h"

#include <mbstring.h>

bool SameProviderName(const char* a, const char* b)
{
    if (!a || !b) return false;
    return _mbsicmp(reinterpret_cast<const unsigned char*>(a), reinterpret_cast<const unsigned char*>(b)) == 0;
}
