// libFuzzer target: the Pcx reader.
#include "FuzzPictureFormat.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzPicture(PicturePcx, PalettePcx, data, size);
    return 0;
}
