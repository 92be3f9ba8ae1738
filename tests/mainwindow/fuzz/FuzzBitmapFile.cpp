// libFuzzer target: the BitmapFile reader.
#include "FuzzPictureFormat.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzPicture(PictureBitmapFile, PaletteBitmapFile, data, size);
    // Bitmap resources are the same header without the 14-byte file header.
    FuzzPicture(PictureResource, PaletteResource, data, size);
    return 0;
}
