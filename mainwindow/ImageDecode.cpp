// Parsing and decoding of the picture and palette formats, from bytes in memory to surface rows.
#include "mainwindow/ImageDecode.h"

#include "mainwindow/RunDecode.h"
#include "utils/CharacterWalk.h"

#include <cstring>

namespace {

uint16_t Read16(const uint8_t* p)
{
    return uint16_t(p[0] | (p[1] << 8));
}
uint32_t Read32(const uint8_t* p)
{
    return uint32_t(p[0]) | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16) | (uint32_t(p[3]) << 24);
}
int32_t ReadSigned32(const uint8_t* p)
{
    return int32_t(Read32(p));
}

// The extension from the last "." of the name, its ASCII letters upper-cased into out (empty when it is
// too long to matter).
void UpperExtension(const char* name, char* out, size_t capacity)
{
    out[0] = '\0';
    if (!name) return;
    const char* dot = FindLastOf(name, ".");
    if (!dot || std::strlen(dot) >= capacity) return;
    std::memcpy(out, dot, std::strlen(dot) + 1);
    UpperAsciiLetters(out);
}

const size_t bitmapFileHeaderBytes = 14;
const size_t bitmapInfoHeaderBytes = 40;
const size_t pcxHeaderBytes = 128;
const size_t codedHeaderBytes = 32;  // ".RID" and ".PID"
const size_t paletteBytes = 768;

// Number of colour-table entries that follow a DIB header (0 when the picture carries none).
uint32_t ColourTableEntries(uint32_t bitDepth, uint32_t coloursUsed)
{
    if (coloursUsed > 0 && coloursUsed <= 256) return coloursUsed;
    if (bitDepth >= 1 && bitDepth <= 8) return uint32_t(1) << bitDepth;
    return 0;
}

// The header fields that a bitmap file and a packed DIB share, read from the info header at info.
ImageStatus ReadInfoHeader(const uint8_t* info, size_t available, PictureHeader* header, uint32_t* tableEntries)
{
    if (available < bitmapInfoHeaderBytes) return ImageHeaderShort;
    uint32_t infoSize = Read32(info);
    if (infoSize < bitmapInfoHeaderBytes) return ImageHeaderKind;
    header->width = ReadSigned32(info + 4);
    header->heightGiven = ReadSigned32(info + 8);
    header->bitDepth = Read16(info + 14);
    // The colour table is readable whatever the rows are stored like: a compressed bitmap is still a palette.
    *tableEntries = ColourTableEntries(uint32_t(header->bitDepth), Read32(info + 32));
    if (Read32(info + 16) != 0) return ImageCompressed;
    return ImageOk;
}

// Whether the coded bytes can possibly fill the surface: each input byte yields at most maxPerByte output
// bytes. Refusing early keeps a tiny file with a huge header from making a huge surface.
bool CodesCanFill(size_t codedBytes, int64_t outputBytes, int64_t maxPerByte)
{
    return int64_t(codedBytes) * maxPerByte >= outputBytes;
}

// The input bytes that the header's surface needs, checked before the surface is made.
ImageStatus CheckInputCovers(PictureFormat format, const PictureHeader& header, const SurfaceLayout& layout,
                             size_t size)
{
    int64_t stored = int64_t(layout.rowBytes) * layout.height;
    int64_t pixels = int64_t(layout.width) * layout.height;
    switch (format) {
        case PictureBitmapFile:
        case PictureResource:
            if (header.pixelOffset > size || int64_t(size - header.pixelOffset) < stored) return ImagePixelsShort;
            return ImageOk;
        case PictureRaw:
            return int64_t(size - rawPixelOffset) < pixels ? ImagePixelsShort : ImageOk;
        case PicturePcx:
            return CodesCanFill(size - pcxHeaderBytes, int64_t(header.planes) * header.planeBytes * layout.height, 32)
                       ? ImageOk
                       : ImageCodesEnd;
        case PicturePacked:
            if (header.flags & packedRunCoding)
                return CodesCanFill(size - codedHeaderBytes, pixels, 127) ? ImageOk : ImageCodesEnd;
            return CodesCanFill(size - codedHeaderBytes, pixels, 32) ? ImageOk : ImageCodesEnd;
    }
    return ImageOk;
}

ImageStatus ReadPictureHeader(PictureFormat format, const uint8_t* bytes, size_t size, PictureHeader* header)
{
    switch (format) {
        case PictureBitmapFile:
            return ReadBitmapFileHeader(bytes, size, header);
        case PicturePcx:
            return ReadPcxHeader(bytes, size, header);
        case PictureRaw:
            return ReadRawHeader(bytes, size, header);
        case PicturePacked:
            return ReadPackedHeader(bytes, size, header);
        case PictureResource:
            return ReadPackedDibHeader(bytes, size, header);
    }
    return ImageHeaderShort;
}

bool MakeMemorySurface(void* owner, const SurfaceLayout& layout, RowTarget* target)
{
    MemorySurface* surface = static_cast<MemorySurface*>(owner);
    surface->layout = layout;
    if (!surface->bits.Allocate(size_t(layout.rowBytes) * size_t(layout.height)) ||
        !surface->rowOffsets.Allocate(size_t(layout.height)))
        return false;
    FillRowOffsets(layout, surface->rowOffsets.data());
    target->bits = surface->bits.data();
    target->rowOffsets = surface->rowOffsets.data();
    target->layout = layout;
    return true;
}

void CopyRgbTriples(const uint8_t* rgb, PaletteColours* colours)
{
    for (int i = 0; i < 256; ++i) {
        colours->entries[i][0] = rgb[i * 3];
        colours->entries[i][1] = rgb[i * 3 + 1];
        colours->entries[i][2] = rgb[i * 3 + 2];
        colours->entries[i][3] = 0;
    }
}

}  // namespace

PictureFormat PictureFormatOf(const char* name)
{
    char extension[8];
    UpperExtension(name, extension, sizeof extension);
    if (std::strcmp(extension, ".BMP") == 0) return PictureBitmapFile;
    if (std::strcmp(extension, ".PCX") == 0) return PicturePcx;
    if (std::strcmp(extension, ".RID") == 0) return PictureRaw;
    if (std::strcmp(extension, ".PID") == 0) return PicturePacked;
    return PictureResource;
}

PaletteFormat PaletteFormatOf(const char* name)
{
    char extension[8];
    UpperExtension(name, extension, sizeof extension);
    if (std::strcmp(extension, ".BMP") == 0) return PaletteBitmapFile;
    if (std::strcmp(extension, ".PCX") == 0) return PalettePcx;
    if (std::strcmp(extension, ".PAL") == 0) return PaletteFile;
    return PaletteResource;
}

const char* DescribeImageStatus(ImageStatus status)
{
    switch (status) {
        case ImageOk:
            return "read";
        case ImageHeaderShort:
            return "the file ends inside its header";
        case ImageHeaderKind:
            return "the bitmap header is of an unknown kind";
        case ImageBadSize:
            return "width or height cannot describe a picture";
        case ImageBadDepth:
            return "only 8-bit and 24-bit pictures are read";
        case ImageTooLarge:
            return "the picture is too large";
        case ImageCompressed:
            return "compressed bitmaps are not read";
        case ImagePixelsShort:
            return "the pixel rows run past the end of the file";
        case ImageRunPastRow:
            return "a coded run reaches past the end of its row";
        case ImageCodesEnd:
            return "the coded data ends before the last row";
        case ImagePaletteShort:
            return "the palette is shorter than 256 colours";
        case ImagePaletteLength:
            return "a palette file must be exactly 768 bytes long";
        case ImageNoPalette:
            return "the file carries no palette";
        case ImageNoSurface:
            return "the surface could not be made";
    }
    return "unknown fault";
}

ImageStatus PlanSurface(int32_t width, int32_t heightGiven, int32_t bitDepth, SurfaceLayout* layout)
{
    if (width <= 0 || heightGiven == 0 || heightGiven == INT32_MIN) return ImageBadSize;
    if (bitDepth != 8 && bitDepth != 24) return ImageBadDepth;
    int64_t pixelBytes = int64_t(width) * (bitDepth / 8);
    int64_t rowBytes = (pixelBytes + 3) & ~int64_t(3);
    int32_t height = heightGiven < 0 ? -heightGiven : heightGiven;
    if (rowBytes > INT32_MAX || rowBytes * height > maxSurfaceBytes) return ImageTooLarge;
    layout->width = width;
    layout->height = height;
    layout->heightGiven = heightGiven;
    layout->bitDepth = bitDepth;
    layout->rowBytes = int32_t(rowBytes);
    layout->rowPadding = int32_t(rowBytes - pixelBytes);
    return ImageOk;
}

void FillRowOffsets(const SurfaceLayout& layout, int32_t* offsets)
{
    for (int32_t i = 0; i < layout.height; ++i)
        offsets[i] = (layout.heightGiven > 0 ? layout.height - 1 - i : i) * layout.rowBytes;
}

ImageStatus ReadBitmapFileHeader(const uint8_t* bytes, size_t size, PictureHeader* header)
{
    *header = PictureHeader();
    if (size < bitmapFileHeaderBytes + bitmapInfoHeaderBytes) return ImageHeaderShort;
    uint32_t tableEntries = 0;
    ImageStatus status =
        ReadInfoHeader(bytes + bitmapFileHeaderBytes, size - bitmapFileHeaderBytes, header, &tableEntries);
    if (status != ImageOk) return status;
    header->pixelOffset = Read32(bytes + 10);
    return ImageOk;
}

ImageStatus ReadPackedDibHeader(const uint8_t* bytes, size_t size, PictureHeader* header)
{
    *header = PictureHeader();
    uint32_t tableEntries = 0;
    ImageStatus status = ReadInfoHeader(bytes, size, header, &tableEntries);
    if (status != ImageOk) return status;
    if (Read32(bytes) > size) return ImageHeaderShort;
    // An 8-bit DIB's table holds 256 entries unless the header counts fewer.
    header->pixelOffset = Read32(bytes) + tableEntries * 4;
    return ImageOk;
}

ImageStatus ReadPcxHeader(const uint8_t* bytes, size_t size, PictureHeader* header)
{
    *header = PictureHeader();
    if (size < pcxHeaderBytes) return ImageHeaderShort;
    if (bytes[3] != 8) return ImageBadDepth;
    int32_t xMin = int16_t(Read16(bytes + 4));
    int32_t yMin = int16_t(Read16(bytes + 6));
    int32_t xMax = int16_t(Read16(bytes + 8));
    int32_t yMax = int16_t(Read16(bytes + 10));
    header->width = xMax - xMin + 1;
    header->heightGiven = yMax - yMin + 1;
    if (header->width <= 0 || header->heightGiven <= 0) return ImageBadSize;
    header->planes = int8_t(bytes[65]);
    if (header->planes != 1 && header->planes != 3) return ImageBadDepth;
    header->bitDepth = header->planes * 8;
    // Encoders pad each plane row to an even length and say so in bytes per line; a smaller value
    // (or none) means the plane rows hold exactly the width.
    int32_t bytesPerLine = Read16(bytes + 66);
    header->planeBytes = bytesPerLine >= header->width ? bytesPerLine : header->width;
    return ImageOk;
}

ImageStatus ReadRawHeader(const uint8_t* bytes, size_t size, PictureHeader* header)
{
    *header = PictureHeader();
    if (size < codedHeaderBytes) return ImageHeaderShort;
    header->width = ReadSigned32(bytes + 8);
    header->heightGiven = ReadSigned32(bytes + 12);
    header->bitDepth = 8;
    if (header->width <= 0 || header->heightGiven <= 0) return ImageBadSize;
    return ImageOk;
}

ImageStatus ReadPackedHeader(const uint8_t* bytes, size_t size, PictureHeader* header)
{
    *header = PictureHeader();
    if (size < codedHeaderBytes) return ImageHeaderShort;
    header->flags = Read32(bytes + 4);
    header->width = ReadSigned32(bytes + 8);
    header->heightGiven = ReadSigned32(bytes + 12);
    header->bitDepth = 8;
    header->fill = (header->flags & packedFillUsed) ? bytes[24] : 0;
    if (header->width <= 0 || header->heightGiven <= 0) return ImageBadSize;
    return ImageOk;
}

ImageStatus CopyStoredRows(const uint8_t* bytes, size_t size, const PictureHeader& header, const RowTarget& target)
{
    size_t stored = size_t(target.layout.rowBytes) * size_t(target.layout.height);
    if (header.pixelOffset > size || size - header.pixelOffset < stored) return ImagePixelsShort;
    std::memcpy(target.bits, bytes + header.pixelOffset, stored);
    return ImageOk;
}

ImageStatus DecodePcxRows(const uint8_t* bytes, size_t size, const PictureHeader& header, const RowTarget& target)
{
    const SurfaceLayout& layout = target.layout;
    if (header.planes * 8 != layout.bitDepth || header.planeBytes < layout.width) return ImageBadDepth;
    size_t lineBytes = size_t(header.planes) * size_t(header.planeBytes);
    bool direct = header.planes == 1 && header.planeBytes == layout.width;
    HeapArray<uint8_t> line;
    if (!direct && !line.Allocate(lineBytes)) return ImageNoSurface;
    size_t pos = pcxHeaderBytes;
    RunScan scan = FastestRunScan();
    for (int32_t r = 0; r < layout.height; ++r) {
        uint8_t* row = target.bits + target.rowOffsets[r];
        ImageStatus status = DecodeRunLengthLine(scan, bytes, size, &pos, direct ? row : line.data(), lineBytes);
        if (status != ImageOk) return status;
        if (direct) continue;
        if (header.planes == 1) {
            std::memcpy(row, line.data(), size_t(layout.width));
            continue;
        }
        // Planes red, green, blue become the surface's blue, green, red bytes.
        const uint8_t* red = line.data();
        const uint8_t* green = red + header.planeBytes;
        const uint8_t* blue = green + header.planeBytes;
        for (int32_t x = 0; x < layout.width; ++x) {
            row[x * 3] = blue[x];
            row[x * 3 + 1] = green[x];
            row[x * 3 + 2] = red[x];
        }
    }
    return ImageOk;
}

ImageStatus DecodePackedRows(const uint8_t* bytes, size_t size, const PictureHeader& header, const RowTarget& target)
{
    const SurfaceLayout& layout = target.layout;
    if (layout.bitDepth != 8) return ImageBadDepth;
    size_t pos = codedHeaderBytes;
    size_t width = size_t(layout.width);
    RunScan scan = FastestRunScan();
    if (!(header.flags & packedRunCoding)) {
        for (int32_t r = 0; r < layout.height; ++r) {
            ImageStatus status =
                DecodeRunLengthLine(scan, bytes, size, &pos, target.bits + target.rowOffsets[r], width);
            if (status != ImageOk) return status;
        }
        return ImageOk;
    }
    return DecodePackedRunRows(scan, bytes, size, pos, header.fill, target);
}

ImageStatus CopyRawRows(const uint8_t* pixels, size_t size, const RowTarget& target)
{
    const SurfaceLayout& layout = target.layout;
    if (layout.bitDepth != 8) return ImageBadDepth;
    size_t width = size_t(layout.width);
    if (size / width < size_t(layout.height)) return ImagePixelsShort;
    for (int32_t r = 0; r < layout.height; ++r)
        std::memcpy(target.bits + target.rowOffsets[r], pixels + size_t(r) * width, width);
    return ImageOk;
}

ImageStatus DecodePictureBytes(PictureFormat format, const uint8_t* bytes, size_t size, SurfaceMaker make, void* owner)
{
    PictureHeader header;
    ImageStatus status = ReadPictureHeader(format, bytes, size, &header);
    if (status != ImageOk) return status;
    SurfaceLayout layout;
    status = PlanSurface(header.width, header.heightGiven, header.bitDepth, &layout);
    if (status != ImageOk) return status;
    status = CheckInputCovers(format, header, layout, size);
    if (status != ImageOk) return status;
    RowTarget target;
    if (!make(owner, layout, &target)) return ImageNoSurface;
    switch (format) {
        case PictureBitmapFile:
        case PictureResource:
            return CopyStoredRows(bytes, size, header, target);
        case PicturePcx:
            return DecodePcxRows(bytes, size, header, target);
        case PictureRaw:
            return CopyRawRows(bytes + rawPixelOffset, size - rawPixelOffset, target);
        case PicturePacked:
            return DecodePackedRows(bytes, size, header, target);
    }
    return ImageNoSurface;
}

ImageStatus DecodePictureToMemory(PictureFormat format, const uint8_t* bytes, size_t size, MemorySurface* surface)
{
    return DecodePictureBytes(format, bytes, size, MakeMemorySurface, surface);
}

ImageStatus ReadBitmapFileColours(const uint8_t* bytes, size_t size, PaletteColours* colours)
{
    PictureHeader header;
    if (size < bitmapFileHeaderBytes + bitmapInfoHeaderBytes) return ImageHeaderShort;
    uint32_t entries = 0;
    ImageStatus status = ReadInfoHeader(bytes + bitmapFileHeaderBytes, size - bitmapFileHeaderBytes, &header, &entries);
    if (status != ImageOk && status != ImageCompressed) return status;
    if (entries == 0) return ImageNoPalette;
    // In 64 bits: a header size near 4 GiB must not wrap round to the start of the file in a 32-bit build.
    uint64_t table = bitmapFileHeaderBytes + uint64_t(Read32(bytes + bitmapFileHeaderBytes));
    if (table > size || (size - table) / 4 < entries) return ImagePaletteShort;
    // Entries are (blue, green, red, reserved); a table of fewer than 256 leaves the rest black.
    std::memset(colours->entries, 0, sizeof colours->entries);
    for (uint32_t i = 0; i < entries; ++i) {
        const uint8_t* quad = bytes + size_t(table) + i * 4;
        colours->entries[i][0] = quad[2];
        colours->entries[i][1] = quad[1];
        colours->entries[i][2] = quad[0];
    }
    return ImageOk;
}

ImageStatus ReadPcxColours(const uint8_t* bytes, size_t size, PaletteColours* colours)
{
    if (size < paletteBytes) return ImagePaletteShort;
    CopyRgbTriples(bytes + size - paletteBytes, colours);
    return ImageOk;
}

ImageStatus ReadPalColours(const uint8_t* bytes, size_t size, PaletteColours* colours)
{
    if (size != paletteBytes) return ImagePaletteLength;
    CopyRgbTriples(bytes, colours);
    return ImageOk;
}

ImageStatus ReadResourceColours(const uint8_t* bytes, size_t size, PaletteColours* colours)
{
    if (size < paletteBytes) return ImagePaletteShort;
    CopyRgbTriples(bytes, colours);
    return ImageOk;
}

ImageStatus ReadPaletteBytes(PaletteFormat format, const uint8_t* bytes, size_t size, PaletteColours* colours)
{
    switch (format) {
        case PaletteBitmapFile:
            return ReadBitmapFileColours(bytes, size, colours);
        case PalettePcx:
            return ReadPcxColours(bytes, size, colours);
        case PaletteFile:
            return ReadPalColours(bytes, size, colours);
        case PaletteResource:
            return ReadResourceColours(bytes, size, colours);
    }
    return ImagePaletteShort;
}

bool CarriesOwnPalette(PictureFormat format, const uint8_t* bytes, size_t size)
{
    PictureHeader header;
    if (format == PictureBitmapFile) {
        PaletteColours colours;
        ImageStatus status = ReadBitmapFileHeader(bytes, size, &header);
        return (status == ImageOk || status == ImageCompressed) && header.bitDepth == 8 &&
               ReadBitmapFileColours(bytes, size, &colours) == ImageOk;
    }
    if (format == PicturePcx) {
        return ReadPcxHeader(bytes, size, &header) == ImageOk && header.planes == 1 &&
               size >= pcxHeaderBytes + paletteBytes + 1 && bytes[size - paletteBytes - 1] == 0x0C;
    }
    return false;
}

void MergeStaticColours(uint8_t entries[256][4], const uint8_t (*system)[4], int systemSize, int reservedCount)
{
    int n = systemSize < 0 ? 0 : (systemSize > 256 ? 256 : systemSize);
    int s = reservedCount > 0 ? reservedCount / 2 : 0;
    if (s > n / 2) s = n / 2;
    for (int i = 0; i < s; ++i) {
        std::memcpy(entries[i], system[i], 4);
        std::memcpy(entries[256 - s + i], system[n - s + i], 4);
    }
    for (int i = s; i < n - s; ++i) entries[i][3] = paletteReservedFlag;
}
