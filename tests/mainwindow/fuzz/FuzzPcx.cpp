// libFuzzer target: the Pcx reader, and its line loops with each scan against the byte-at-a-time reading.
#include <cstdlib>

#include "FuzzPictureFormat.h"
#include "RunScanCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzPicture(PicturePcx, PalettePcx, data, size);
    size_t count = size ? 1 + size_t(data[size - 1]) * 2 : 0;
    std::string reference = LineRecord(ReferenceLine, data, size, count);
    if (LineRecord(WordLine, data, size, count) != reference || LineRecord(VectorLine, data, size, count) != reference)
        std::abort();
    return 0;
}
