// libFuzzer target: the Pid reader.
#include "FuzzPictureFormat.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzPicture(PicturePacked, PaletteFile, data, size);
    return 0;
}
