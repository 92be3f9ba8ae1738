// One libFuzzer entry for a picture format: decode into memory, read the file as a palette of the same kind,
// and ask whether it carries its own. Sanitizers report any read or write outside the buffers.
#ifndef TUMBLERIDGE_FUZZPICTUREFORMAT_H
#define TUMBLERIDGE_FUZZPICTUREFORMAT_H

#include <cstdlib>

#include "mainwindow/ImageDecode.h"

inline void FuzzPicture(PictureFormat format, PaletteFormat paletteFormat, const uint8_t* data, size_t size)
{
    MemorySurface surface;
    if (DecodePictureToMemory(format, data, size, &surface) == ImageOk) {
        // A decoded picture is a whole surface: every row lies inside the memory.
        const SurfaceLayout& layout = surface.layout;
        if (surface.bits.size() != size_t(layout.rowBytes) * size_t(layout.height)) std::abort();
        for (int32_t r = 0; r < layout.height; ++r) {
            if (size_t(surface.rowOffsets[r]) + size_t(layout.rowBytes) > surface.bits.size()) std::abort();
        }
    }
    PaletteColours colours;
    ReadPaletteBytes(paletteFormat, data, size, &colours);
    CarriesOwnPalette(format, data, size);
}

#endif
