// Parsing and decoding of the launcher's picture and palette formats, from bytes in memory to rows of a
// surface laid out like a DIB section. No windows.h: built for the launcher, the tool and the native tests.
#ifndef TUMBLERIDGE_IMAGEDECODE_H
#define TUMBLERIDGE_IMAGEDECODE_H

#include <cstddef>
#include <cstdint>

#include "utils/HeapArray.h"

// How a name is read, chosen by its extension (from the last "."; letter case ignored).
enum PictureFormat { PictureBitmapFile, PicturePcx, PictureRaw, PicturePacked, PictureResource };
enum PaletteFormat { PaletteBitmapFile, PalettePcx, PaletteFile, PaletteResource };
PictureFormat PictureFormatOf(const char* name);
PaletteFormat PaletteFormatOf(const char* name);

// Why a picture or palette was refused. Every decoder stops at the first fault and fails the load: it never
// reads past the end of its bytes and never writes outside the surface.
enum ImageStatus {
    ImageOk,
    ImageHeaderShort,    // the bytes end inside the header
    ImageHeaderKind,     // a bitmap header shorter than the 40-byte info header
    ImageBadSize,        // width or height 0, or negative where the format allows no negative height
    ImageBadDepth,       // bits per pixel (or PCX bits per plane and planes) other than 8 or 24 in all
    ImageTooLarge,       // row or picture bytes beyond what a surface can hold
    ImageCompressed,     // a bitmap file whose rows are not stored plain
    ImagePixelsShort,    // the pixel rows start past the end, or end before the last row
    ImageRunPastRow,     // a coded run or literal reaches past the end of its row
    ImageCodesEnd,       // the coded data ends before the last row is complete
    ImagePaletteShort,   // fewer palette bytes than 256 colours need
    ImagePaletteLength,  // a palette file that is not exactly 768 bytes long
    ImageNoPalette,      // a picture file that carries no palette
    ImageNoSurface,      // the surface could not be made
};
const char* DescribeImageStatus(ImageStatus status);

// The memory layout of a surface: rows of rowBytes (a multiple of 4), bottom-up for a positive height given.
struct SurfaceLayout {
    int32_t width;
    int32_t height;       // the absolute value of heightGiven
    int32_t heightGiven;  // negative: a top-down surface
    int32_t bitDepth;     // 8 or 24
    int32_t rowBytes;
    int32_t rowPadding;  // rowBytes minus the pixel bytes of a row
};

// The largest surface any reader makes, in bytes.
const int64_t maxSurfaceBytes = int64_t(1) << 30;

// Checks the figures and computes the layout; ImageOk only for a surface that can exist.
ImageStatus PlanSurface(int32_t width, int32_t heightGiven, int32_t bitDepth, SurfaceLayout* layout);

// Byte offset of each row, row 0 the top of the picture: (height - 1 - i) * rowBytes for a bottom-up surface
// and i * rowBytes for a top-down one. offsets holds layout.height entries.
void FillRowOffsets(const SurfaceLayout& layout, int32_t* offsets);

// Where decoders write: the surface memory and its row table.
struct RowTarget {
    uint8_t* bits;
    const int32_t* rowOffsets;
    SurfaceLayout layout;
};

// What a picture header says. Fields a format lacks stay 0.
struct PictureHeader {
    int32_t width;
    int32_t heightGiven;
    int32_t bitDepth;
    uint32_t pixelOffset;  // bitmap file: offset of the rows; packed DIB: size of header and colour table
    int32_t planes;        // PCX
    int32_t planeBytes;    // PCX: bytes decoded per plane row (bytes per line when it covers the width)
    uint32_t flags;        // PID
    uint8_t fill;          // PID: the run byte (0 unless flag 0x100)
};

const uint32_t packedRunCoding = 0x20;  // PID flag: packed runs, else row run-length coding
const uint32_t packedFillUsed = 0x100;  // PID flag: the fill value is used

ImageStatus ReadBitmapFileHeader(const uint8_t* bytes, size_t size, PictureHeader* header);
ImageStatus ReadPackedDibHeader(const uint8_t* bytes, size_t size, PictureHeader* header);
ImageStatus ReadPcxHeader(const uint8_t* bytes, size_t size, PictureHeader* header);
ImageStatus ReadRawHeader(const uint8_t* bytes, size_t size, PictureHeader* header);
ImageStatus ReadPackedHeader(const uint8_t* bytes, size_t size, PictureHeader* header);

// Decoders: each takes the whole file (or resource) and a surface already made from its header.
ImageStatus CopyStoredRows(const uint8_t* bytes, size_t size, const PictureHeader& header, const RowTarget& target);
ImageStatus DecodePcxRows(const uint8_t* bytes, size_t size, const PictureHeader& header, const RowTarget& target);
ImageStatus DecodePackedRows(const uint8_t* bytes, size_t size, const PictureHeader& header, const RowTarget& target);
// Raw rows of width bytes without padding, the first stored row at the top of the picture.
ImageStatus CopyRawRows(const uint8_t* pixels, size_t size, const RowTarget& target);

// The offset of the raw pixels in a ".RID" file.
const size_t rawPixelOffset = 32;

// Makes the surface for a layout and gives its target; false when it cannot be made.
typedef bool (*SurfaceMaker)(void* owner, const SurfaceLayout& layout, RowTarget* target);

// Reads the header of a picture file, makes the surface through make and decodes into it.
ImageStatus DecodePictureBytes(PictureFormat format, const uint8_t* bytes, size_t size, SurfaceMaker make, void* owner);

// A surface in plain memory, for the tool, the tests and the fuzz targets; memory that cannot be had makes
// the decode fail with ImageNoSurface.
struct MemorySurface {
    SurfaceLayout layout;
    HeapArray<uint8_t> bits;
    HeapArray<int32_t> rowOffsets;
    const uint8_t* Row(int32_t row) const { return bits.data() + rowOffsets[row]; }
};
ImageStatus DecodePictureToMemory(PictureFormat format, const uint8_t* bytes, size_t size, MemorySurface* surface);

// 256 palette colours of four bytes each: red, green, blue and a flags byte (0 as read).
struct PaletteColours {
    uint8_t entries[256][4];
};

ImageStatus ReadBitmapFileColours(const uint8_t* bytes, size_t size, PaletteColours* colours);
ImageStatus ReadPcxColours(const uint8_t* bytes, size_t size, PaletteColours* colours);
ImageStatus ReadPalColours(const uint8_t* bytes, size_t size, PaletteColours* colours);
ImageStatus ReadResourceColours(const uint8_t* bytes, size_t size, PaletteColours* colours);
ImageStatus ReadPaletteBytes(PaletteFormat format, const uint8_t* bytes, size_t size, PaletteColours* colours);

// Whether a picture file carries colours of its own: an 8-bit bitmap file with a colour table (also one whose
// rows are compressed, which is refused as a picture but not as a palette), or a one-plane
// PCX file with its palette marker 0x0C 769 bytes before the end.
bool CarriesOwnPalette(PictureFormat format, const uint8_t* bytes, size_t size);

const uint8_t paletteReservedFlag = 1;  // PC_RESERVED

// Puts a display's static colours into a logical palette: the first reserved/2 system entries at the start,
// the last reserved/2 at the end, and marks the entries between them reserved (free for animation). system
// holds systemSize entries (red, green, blue, flags); sizes that do not fit 256 entries are clamped.
void MergeStaticColours(uint8_t entries[256][4], const uint8_t (*system)[4], int systemSize, int reservedCount);

#endif
