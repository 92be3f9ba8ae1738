// Comparing the name of a 3D sound provider with the stored one.
#ifndef TUMBLERIDGE_PROVIDERNAME_H
#define TUMBLERIDGE_PROVIDERNAME_H

// Whether two provider names are the same: case ignored, multi-byte characters of the current code page
// compared whole.
bool SameProviderName(const char* a, const char* b);

#endif
