// libFuzzer target: the Pcx reader, and its line loops with each scan against the byte-at-a-time reading.
#include <cstdlib>

#include "FuzzPictureFormat.h"
#include "RunScanCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzPicture(PicturePcx, PalettePcx, data, size);
    // Lines of up to 511 bytes from the first 2048 bytes: long enough for every part of the loops.
    size_t count = size ? 1 + size_t(data[size - 1]) * 2 : 0, codes = size < 2048 ? size : 2048;
    std::string reference = LineRecord(ReferenceLine, data, codes, count);
    if (LineRecord(WordLine, data, codes, count) != reference ||
        LineRecord(FastestLine, data, codes, count) != reference)
        std::abort();
    return 0;
}
