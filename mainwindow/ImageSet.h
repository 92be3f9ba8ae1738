// The pictures and palettes of one window, and its device context lent out with the current palette.
#ifndef TUMBLERIDGE_IMAGESET_H
#define TUMBLERIDGE_IMAGESET_H

#include <windows.h>

#include <vector>

#include "mainwindow/DibImage.h"
#include "mainwindow/ImagePalette.h"

// Owns every picture and palette it loads; users hold plain pointers, valid until ReleaseAll or the set's
// destruction. GetPaletteDC and ReleasePaletteDC come in pairs: the set keeps one displaced palette.
class ImageSet {
public:
    ImageSet();
    ~ImageSet();

    BOOL Attach(HMODULE module, HWND owner);
    // The new picture, or null when it does not load.
    DibImage* AddPicture(const char* name);
    // The new palette (not made current), or null when it does not load.
    ImagePalette* AddPalette(const char* name, int flags);
    // The window's device context; with withPalette and a current palette, that palette is selected (as a
    // background palette when forceBackground) and realized. May be null.
    HDC GetPaletteDC(BOOL withPalette, BOOL forceBackground);
    void ReleasePaletteDC(HDC dc);
    void ReleaseAll();

    HMODULE resourceModule;
    HWND window;
    HPALETTE previousPalette;
    std::vector<DibImage*> pictures;
    std::vector<ImagePalette*> palettes;
    ImagePalette* currentPalette;

private:
    ImageSet(const ImageSet&);
    ImageSet& operator=(const ImageSet&);
};

#endif
