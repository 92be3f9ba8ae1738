// Lead-byte sets for tests of texts in a double-byte code page, and a scope that makes one the active set.
#ifndef TUMBLERIDGE_CODEPAGES_H
#define TUMBLERIDGE_CODEPAGES_H

#include "utils/LeadBytes.h"

// Code page 932 (Japanese) as the system reports it. Some of its characters whose second byte is ASCII:
// ソ "\x83\x5C" and 表 "\x95\x5C" (a backslash), ア "\x83\x41" and ヂ "\x83\x61" (the letters A and a),
// ポ "\x83\x7C" (a "|").
inline LeadBytes CodePage932()
{
    const uint8_t ranges[] = {0x81, 0x9F, 0xE0, 0xFC, 0, 0};
    return LeadBytes::FromRanges(ranges, 3);
}

// Makes leadBytes the process's active set for the life of the object, then restores the one before.
class UsingLeadBytes {
public:
    explicit UsingLeadBytes(const LeadBytes& leadBytes) : previous(ActiveLeadBytes()) { UseLeadBytes(leadBytes); }
    ~UsingLeadBytes() { UseLeadBytes(previous); }

private:
    LeadBytes previous;
};

#endif
