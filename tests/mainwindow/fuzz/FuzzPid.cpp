// libFuzzer target: the Pid reader, and its packed-run loop with each scan.
#include <cstdlib>

#include "FuzzPictureFormat.h"
#include "RunScanCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzPicture(PicturePacked, PaletteFile, data, size);
    if (size < 2) return 0;
    int32_t width = 1 + data[size - 1] * 2, height = 1 + data[size - 2] % 8;
    if (PackedRecord(RunScanWord, data, size, width, height, 0x41) !=
        PackedRecord(FastestRunScan(), data, size, width, height, 0x41))
        std::abort();
    return 0;
}
