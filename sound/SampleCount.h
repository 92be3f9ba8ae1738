// The sample counts of the 3D sound dialog as the player types them.
#ifndef TUMBLERIDGE_SAMPLECOUNT_H
#define TUMBLERIDGE_SAMPLECOUNT_H

#include <cstdint>

// The unsigned decimal number in text: digits only, blanks allowed around them, at most 4294967295.
// Anything else (letters, a sign, an empty text, an overflow, null) gives 0.
uint32_t SampleCountFromText(const char* text);

#endif
