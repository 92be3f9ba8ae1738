// Logical palettes for the launcher's 8-bit pictures: the Windows half of the palette readers.
#include "mainwindow/ImagePalette.h"

#include <cstring>

#include "mainwindow/ImageFiles.h"

ImagePalette::ImagePalette() : palette(NULL), status(ImageOk)
{
    std::memset(&entries, 0, sizeof entries);
}

ImagePalette::~ImagePalette()
{
    Release();
}

BOOL ImagePalette::LoadPaletteFile(const char* name, int flags)
{
    status = ImagePaletteShort;
    if (!name) return FALSE;
    PaletteColours colours;
    PaletteFormat format = PaletteFormatOf(name);
    if (format == PaletteResource) {
        const uint8_t* bytes = NULL;
        size_t size = 0;
        if (!LockNamedResource(name, "PALETTE", &bytes, &size)) return FALSE;
        status = ReadResourceColours(bytes, size, &colours);
    } else {
        HeapArray<uint8_t> bytes;
        if (!ReadWholeFile(name, &bytes)) return FALSE;
        status = ReadPaletteBytes(format, bytes.data(), bytes.size(), &colours);
    }
    if (status != ImageOk) return FALSE;
    return BuildPalette(colours.entries, flags);
}

BOOL ImagePalette::BuildPalette(const uint8_t colours[256][4], int flags)
{
    entries.palVersion = 0x300;
    entries.palNumEntries = 256;
    for (int i = 0; i < 256; ++i) {
        entries.palPalEntry[i].peRed = colours[i][0];
        entries.palPalEntry[i].peGreen = colours[i][1];
        entries.palPalEntry[i].peBlue = colours[i][2];
        entries.palPalEntry[i].peFlags = 0;
    }
    if (IsPaletteDisplay() && !(flags & paletteKeepColours)) MergeSystemColours();
    Release();
    palette = CreatePalette(reinterpret_cast<LOGPALETTE*>(&entries));
    status = palette ? ImageOk : ImageNoSurface;
    return palette != NULL;
}

void ImagePalette::MergeSystemColours()
{
    ResetSystemPalette();
    HDC display = CreateDCA("DISPLAY", NULL, NULL, NULL);
    if (!display) return;
    int size = GetDeviceCaps(display, SIZEPALETTE);
    int reserved = GetDeviceCaps(display, NUMRESERVED);
    if (size > 256) size = 256;
    PALETTEENTRY system[256];
    std::memset(system, 0, sizeof system);
    if (size > 0) GetSystemPaletteEntries(display, 0, UINT(size), system);
    DeleteDC(display);
    uint8_t merged[256][4];
    static_assert(sizeof(PALETTEENTRY) == 4, "palette entries are four bytes");
    std::memcpy(merged, entries.palPalEntry, sizeof merged);
    MergeStaticColours(merged, reinterpret_cast<const uint8_t(*)[4]>(system), size, reserved);
    std::memcpy(entries.palPalEntry, merged, sizeof merged);
}

void ImagePalette::Release()
{
    if (palette) DeleteObject(palette);
    palette = NULL;
}

BOOL IsPaletteDisplay()
{
    HDC info = CreateICA("DISPLAY", NULL, NULL, NULL);
    if (!info) return FALSE;
    int caps = GetDeviceCaps(info, RASTERCAPS);
    DeleteDC(info);
    return (caps & RC_PALETTE) != 0;
}

void ResetSystemPalette()
{
    HDC screen = GetDC(NULL);
    struct {
        WORD palVersion;
        WORD palNumEntries;
        PALETTEENTRY palPalEntry[256];
    } black;
    black.palVersion = 0x300;
    black.palNumEntries = 256;
    for (int i = 0; i < 256; ++i) {
        black.palPalEntry[i].peRed = 0;
        black.palPalEntry[i].peGreen = 0;
        black.palPalEntry[i].peBlue = 0;
        black.palPalEntry[i].peFlags = PC_NOCOLLAPSE;
    }
    HPALETTE made = CreatePalette(reinterpret_cast<LOGPALETTE*>(&black));
    if (made && screen) {
        HPALETTE previous = SelectPalette(screen, made, FALSE);
        RealizePalette(screen);
        SelectPalette(screen, previous, FALSE);
    }
    if (made) DeleteObject(made);
    if (screen) ReleaseDC(NULL, screen);
}
