// The sample counts of the 3D sound dialog as the player types them.
#include "sound/SampleCount.h"

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

}  // namespace

uint32_t SampleCountFromText(const char* text)
{
    if (!text) return 0;
    const char* p = text;
    while (IsBlank(*p)) ++p;
    if (*p < '0' || *p > '9') return 0;
    uint64_t value = 0;
    for (; *p >= '0' && *p <= '9'; ++p) {
        value = value * 10 + static_cast<uint64_t>(*p - '0');
        if (value > UINT32_MAX) return 0;
    }
    while (IsBlank(*p)) ++p;
    return *p == '\0' ? static_cast<uint32_t>(value) : 0;
}
