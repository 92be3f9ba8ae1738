// The picture set of a window: loading by name, ownership, and palette-aware device contexts.
#include "mainwindow/ImageSet.h"

#include <new>

#include "mainwindow/ImageFiles.h"

ImageSet::ImageSet() : resourceModule(nullptr), window(nullptr), previousPalette(nullptr), currentPalette(nullptr) {}

ImageSet::~ImageSet()
{
    ReleaseAll();
}

BOOL ImageSet::Attach(HMODULE module, HWND owner)
{
    resourceModule = module;
    window = owner;
    return TRUE;
}

DibImage* ImageSet::AddPicture(const char* name)
{
    HDC dc = GetDC(window);
    loaderModule = resourceModule;
    DibImage* picture = new (std::nothrow) DibImage();
    if (picture && picture->LoadImageFile(name, dc)) {
        pictures.push_back(picture);
    } else if (picture) {
        picture->Release();
        delete picture;
        picture = nullptr;
    }
    if (previousPalette && dc) {
        SelectPalette(dc, previousPalette, FALSE);
        previousPalette = nullptr;
    }
    if (dc) ReleaseDC(window, dc);
    return picture;
}

ImagePalette* ImageSet::AddPalette(const char* name, int flags)
{
    loaderModule = resourceModule;
    ImagePalette* palette = new (std::nothrow) ImagePalette();
    if (!palette) return nullptr;
    if (palette->LoadPaletteFile(name, flags)) {
        palettes.push_back(palette);
        return palette;
    }
    palette->Release();
    delete palette;
    return nullptr;
}

HDC ImageSet::GetPaletteDC(BOOL withPalette, BOOL forceBackground)
{
    HDC dc = GetDC(window);
    if (withPalette && dc && currentPalette && currentPalette->palette) {
        previousPalette = SelectPalette(dc, currentPalette->palette, forceBackground);
        RealizePalette(dc);
    }
    return dc;
}

void ImageSet::ReleasePaletteDC(HDC dc)
{
    if (previousPalette && dc) {
        SelectPalette(dc, previousPalette, FALSE);
        previousPalette = nullptr;
    }
    if (dc) ReleaseDC(window, dc);
}

void ImageSet::ReleaseAll()
{
    for (DibImage* picture : pictures) {
        picture->Release();
        delete picture;
    }
    pictures.clear();
    for (ImagePalette* palette : palettes) {
        palette->Release();
        delete palette;
    }
    palettes.clear();
    currentPalette = nullptr;
    resourceModule = nullptr;
    window = nullptr;
}
