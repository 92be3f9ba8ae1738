// The lead bytes of an ANSI code page, and which set the process's ANSI texts are in.
#ifndef TUMBLERIDGE_LEADBYTES_H
#define TUMBLERIDGE_LEADBYTES_H

#include <cstddef>
#include <cstdint>

// The bytes that begin a two-byte character in a double-byte code page (932, 936, 949, 950): the byte
// after one is part of the same character, whatever its value, even 0x5C ("\") or an ASCII letter. A
// single-byte code page has none, and every text walk over it is the plain byte walk.
class LeadBytes {
public:
    LeadBytes();  // none

    // From ranges given as pairs of first and last byte, as the system reports them: up to pairCount
    // pairs, ending early at a pair whose first byte is 0.
    static LeadBytes FromRanges(const uint8_t* ranges, size_t pairCount);

    bool IsLead(char byte) const
    {
        uint8_t value = static_cast<uint8_t>(byte);
        return (bits[value >> 5] >> (value & 31)) & 1u;
    }
    bool Any() const;

private:
    uint32_t bits[8];
};

// The lead bytes of the process's ANSI code page: none until UseLeadBytes sets them (the Windows start-up
// does, from the system, before it looks at any path).
const LeadBytes& ActiveLeadBytes();
void UseLeadBytes(const LeadBytes& leadBytes);

#endif
