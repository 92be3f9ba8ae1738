// DIB sections for the launcher's pictures: the Windows half of the picture readers.
#include "mainwindow/DibImage.h"

#include <cstring>
#include <new>

#include "mainwindow/ImageFiles.h"

namespace {

struct SurfaceRequest {
    DibImage* image;
    HDC dc;
};

const DWORD bitmapHeadersBytes = 14 + 40;

}  // namespace

DibImage::DibImage()
    : bitmap(NULL),
      bits(NULL),
      rowOffsets(NULL),
      width(0),
      height(0),
      bitDepth(0),
      rowBytes(0),
      rowPadding(0),
      status(ImageOk)
{
    std::memset(&header, 0, sizeof header);
}

DibImage::~DibImage()
{
    Release();
}

BOOL DibImage::LoadImageFile(const char* name, HDC dc)
{
    status = ImageHeaderShort;
    if (!name) return FALSE;
    PictureFormat format = PictureFormatOf(name);
    BOOL loaded = FALSE;
    switch (format) {
        case PictureBitmapFile:
            loaded = ReadBitmapFile(name, dc);
            break;
        case PicturePcx:
        case PictureRaw:
        case PicturePacked:
            loaded = ReadCodedFile(format, name, dc);
            break;
        case PictureResource:
            loaded = ReadBitmapResource(name, dc);
            break;
    }
    // A picture that failed half-way is not kept half-decoded.
    if (!loaded) Release();
    return loaded;
}

BOOL DibImage::CreateSurface(HDC dc, int surfaceWidth, int heightGiven, int depth)
{
    Release();
    SurfaceLayout layout;
    status = PlanSurface(surfaceWidth, heightGiven, depth, &layout);
    if (status != ImageOk) return FALSE;

    std::memset(&header, 0, sizeof header);
    header.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    header.bmiHeader.biWidth = layout.width;
    header.bmiHeader.biHeight = layout.heightGiven;
    header.bmiHeader.biPlanes = 1;
    header.bmiHeader.biBitCount = WORD(layout.bitDepth);
    header.bmiHeader.biCompression = BI_RGB;
    UINT usage = DIB_RGB_COLORS;
    if (layout.bitDepth == 8) {
        for (WORD i = 0; i < 256; ++i) header.colours[i] = i;
        usage = DIB_PAL_COLORS;
    }
    void* memory = NULL;
    bitmap = CreateDIBSection(dc, reinterpret_cast<BITMAPINFO*>(&header), usage, &memory, NULL, 0);
    if (!bitmap || !memory) {
        status = ImageNoSurface;
        Release();
        return FALSE;
    }
    bits = static_cast<uint8_t*>(memory);
    rowOffsets = new (std::nothrow) int32_t[size_t(layout.height)];
    if (!rowOffsets) {
        status = ImageNoSurface;
        Release();
        return FALSE;
    }
    FillRowOffsets(layout, rowOffsets);
    width = layout.width;
    height = layout.height;
    bitDepth = layout.bitDepth;
    rowBytes = layout.rowBytes;
    rowPadding = layout.rowPadding;
    return TRUE;
}

BOOL DibImage::CopyRawPixels(const uint8_t* pixels, size_t available, HDC dc, int rawWidth, int heightGiven)
{
    if (!pixels) return FALSE;
    SurfaceLayout layout;
    status = PlanSurface(rawWidth, heightGiven, 8, &layout);
    if (status == ImageOk && available / size_t(layout.width) < size_t(layout.height)) status = ImagePixelsShort;
    if (status != ImageOk) return FALSE;
    if (!CreateSurface(dc, rawWidth, heightGiven, 8)) return FALSE;
    status = CopyRawRows(pixels, available, Target());
    return status == ImageOk;
}

int DibImage::Draw(HDC dc, int x, int y, int w, int h)
{
    if (!bitmap) return 0;
    return StretchDIBits(dc, x, y, w, h, 0, 0, width, height, bits, reinterpret_cast<BITMAPINFO*>(&header),
                         bitDepth == 8 ? DIB_PAL_COLORS : DIB_RGB_COLORS, SRCCOPY);
}

void DibImage::Release()
{
    if (bitmap) DeleteObject(bitmap);
    delete[] rowOffsets;
    bitmap = NULL;
    bits = NULL;
    rowOffsets = NULL;
}

RowTarget DibImage::Target() const
{
    RowTarget target;
    target.bits = bits;
    target.rowOffsets = rowOffsets;
    PlanSurface(width, int(header.bmiHeader.biHeight), bitDepth, &target.layout);
    return target;
}

bool DibImage::MakeSurface(void* owner, const SurfaceLayout& layout, RowTarget* target)
{
    SurfaceRequest* request = static_cast<SurfaceRequest*>(owner);
    if (!request->image->CreateSurface(request->dc, layout.width, layout.heightGiven, layout.bitDepth)) return false;
    *target = request->image->Target();
    return true;
}

// Bitmap files: the headers first, then the rows with one read straight into the section.
BOOL DibImage::ReadBitmapFile(const char* name, HDC dc)
{
    HANDLE file = CreateFileA(name, GENERIC_READ, FILE_SHARE_READ, NULL, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, NULL);
    if (file == INVALID_HANDLE_VALUE) return FALSE;
    BOOL loaded = FALSE;
    uint8_t headers[bitmapHeadersBytes];
    DWORD got = 0;
    LARGE_INTEGER length;
    PictureHeader picture;
    SurfaceLayout layout;
    status = ImageHeaderShort;
    if (ReadFile(file, headers, sizeof headers, &got, NULL) && GetFileSizeEx(file, &length) &&
        (status = ReadBitmapFileHeader(headers, got, &picture)) == ImageOk &&
        (status = PlanSurface(picture.width, picture.heightGiven, picture.bitDepth, &layout)) == ImageOk) {
        // The rows must lie inside the file before a surface is made for them.
        LONGLONG stored = LONGLONG(layout.rowBytes) * layout.height;
        if (LONGLONG(picture.pixelOffset) > length.QuadPart || length.QuadPart - picture.pixelOffset < stored) {
            status = ImagePixelsShort;
        } else if (CreateSurface(dc, picture.width, picture.heightGiven, picture.bitDepth)) {
            LARGE_INTEGER offset;
            offset.QuadPart = picture.pixelOffset;
            got = 0;
            loaded = SetFilePointerEx(file, offset, NULL, FILE_BEGIN) &&
                     ReadFile(file, bits, DWORD(stored), &got, NULL) && got == DWORD(stored);
            if (!loaded) status = ImagePixelsShort;
        }
    }
    CloseHandle(file);
    return loaded;
}

// PCX, ".RID" and ".PID": one read of the whole file, decoded from memory.
BOOL DibImage::ReadCodedFile(PictureFormat format, const char* name, HDC dc)
{
    HeapArray<uint8_t> bytes;
    if (!ReadWholeFile(name, &bytes)) return FALSE;
    SurfaceRequest request = {this, dc};
    status = DecodePictureBytes(format, bytes.data(), bytes.size(), MakeSurface, &request);
    return status == ImageOk;
}

BOOL DibImage::ReadBitmapResource(const char* name, HDC dc)
{
    const uint8_t* bytes = NULL;
    size_t size = 0;
    if (!LockNamedResource(name, MAKEINTRESOURCEA(2), &bytes, &size)) return FALSE;  // RT_BITMAP
    SurfaceRequest request = {this, dc};
    status = DecodePictureBytes(PictureResource, bytes, size, MakeSurface, &request);
    return status == ImageOk;
}
