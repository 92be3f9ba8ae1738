// A picture held as a DIB section, loaded from a bitmap, PCX, ".RID" or ".PID" file or a bitmap resource.
#ifndef TUMBLERIDGE_DIBIMAGE_H
#define TUMBLERIDGE_DIBIMAGE_H

#include <windows.h>

#include <cstdint>

#include "mainwindow/ImageDecode.h"

class DibImage {
public:
    DibImage();
    ~DibImage();

    // Reads the picture named (by extension: ".BMP", ".PCX", ".RID", ".PID", else a bitmap resource of
    // loaderModule) into a section made for dc. False leaves nothing to draw; status says why.
    BOOL LoadImageFile(const char* name, HDC dc);
    // Makes the section and the row table; false (and nothing made) for figures no surface can have.
    BOOL CreateSurface(HDC dc, int width, int heightGiven, int depth);
    // An 8-bit surface filled from rows of width bytes without padding, the first row at the top.
    // available is the number of pixel bytes; fewer than width * height fail.
    BOOL CopyRawPixels(const uint8_t* pixels, size_t available, HDC dc, int width, int heightGiven);
    // Stretches the whole picture into the rectangle; the caller sets the stretch mode and the palette.
    int Draw(HDC dc, int x, int y, int w, int h);
    // Frees the section and the row table; harmless twice.
    void Release();

    struct {
        BITMAPINFOHEADER bmiHeader;
        WORD colours[512];  // 8 bits: the palette indices 0 to 255; room for 256 four-byte entries
    } header;
    HBITMAP bitmap;
    uint8_t* bits;
    int32_t* rowOffsets;
    int width;
    int height;
    int bitDepth;
    int rowBytes;
    int rowPadding;
    ImageStatus status;  // why the last load or surface failed (ImageOk after a success)

private:
    BOOL ReadBitmapFile(const char* name, HDC dc);
    BOOL ReadCodedFile(PictureFormat format, const char* name, HDC dc);
    BOOL ReadBitmapResource(const char* name, HDC dc);
    RowTarget Target() const;
    static bool MakeSurface(void* owner, const SurfaceLayout& layout, RowTarget* target);

    DibImage(const DibImage&);
    DibImage& operator=(const DibImage&);
};

#endif
