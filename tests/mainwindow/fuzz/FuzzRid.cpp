// libFuzzer target: the Rid reader.
#include "FuzzPictureFormat.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzPicture(PictureRaw, PaletteFile, data, size);
    return 0;
}
