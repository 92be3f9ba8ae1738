// A 256-entry logical palette loaded from a bitmap, PCX or ".PAL" file or a "PALETTE" resource.
#ifndef TUMBLERIDGE_IMAGEPALETTE_H
#define TUMBLERIDGE_IMAGEPALETTE_H

#include <windows.h>

#include "mainwindow/ImageDecode.h"

// LoadPaletteFile and BuildPalette flags.
const int paletteKeepColours = 1;  // never merge the display's static colours

class ImagePalette {
public:
    ImagePalette();
    ~ImagePalette();

    // Reads the palette named (by extension: ".BMP", ".PCX", ".PAL", else a "PALETTE" resource of
    // loaderModule) and makes it; false leaves no palette, status says why.
    BOOL LoadPaletteFile(const char* name, int flags);
    // Makes the palette from 256 entries of red, green, blue and an ignored byte; on a palette display
    // without paletteKeepColours the display's static colours are merged in first.
    BOOL BuildPalette(const uint8_t colours[256][4], int flags);
    // Replaces the first and last NUMRESERVED/2 entries by the display's static colours.
    void MergeSystemColours();
    void Release();

    HPALETTE palette;
    struct {
        WORD palVersion;
        WORD palNumEntries;
        PALETTEENTRY palPalEntry[256];
    } entries;
    ImageStatus status;

private:
    ImagePalette(const ImagePalette&);
    ImagePalette& operator=(const ImagePalette&);
};

// Whether the display driver draws through a palette (RC_PALETTE).
BOOL IsPaletteDisplay();
// Fills the system palette with black so that the next realization starts from a clean table.
void ResetSystemPalette();

#endif
