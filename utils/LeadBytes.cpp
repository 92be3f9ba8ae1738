// The lead bytes of an ANSI code page, and which set the process's ANSI texts are in.
#include "utils/LeadBytes.h"

namespace {

LeadBytes activeLeadBytes;

}  // namespace

LeadBytes::LeadBytes() : bits() {}

LeadBytes LeadBytes::FromRanges(const uint8_t* ranges, size_t pairCount)
{
    LeadBytes made;
    for (size_t pair = 0; ranges && pair < pairCount && ranges[2 * pair] != 0; ++pair) {
        for (unsigned value = ranges[2 * pair]; value <= ranges[2 * pair + 1]; ++value)
            made.bits[value >> 5] |= 1u << (value & 31);
    }
    return made;
}

bool LeadBytes::Any() const
{
    for (uint32_t word : bits) {
        if (word != 0) return true;
    }
    return false;
}

const LeadBytes& ActiveLeadBytes()
{
    return activeLeadBytes;
}

void UseLeadBytes(const LeadBytes& leadBytes)
{
    activeLeadBytes = leadBytes;
}
