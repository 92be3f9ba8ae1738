// tumblepic: shows modders what the launcher makes of a picture file, by writing it as a binary PPM.
//   tumblepic INPUT OUTPUT.ppm [PALETTE]    the picture, top row first (8-bit pictures through a palette)
//   tumblepic --info INPUT                  "WIDTH HEIGHT DEPTH" on one line
// A refused file gives one line naming the file and the reason, exit code 1, and no output file. Nothing
// here throws: memory that cannot be had refuses the file like any other fault.
#include <cstdio>
#include <cstring>

#include "mainwindow/ImageDecode.h"

namespace {

typedef HeapArray<uint8_t> Bytes;

// The largest file read: what a 32-bit process can hope to hold, the same limit in every build.
const long largestFile = 0x7FFFFFFE;

int Refuse(const char* file, const char* reason)
{
    std::fprintf(stderr, "tumblepic: %s: %s\n", file, reason);
    return 1;
}

int Usage()
{
    std::fprintf(stderr, "usage: tumblepic INPUT OUTPUT.ppm [PALETTE]\n       tumblepic --info INPUT\n");
    return 2;
}

// Reads the whole file into memory sized by the file; nullptr on success, else the reason.
const char* ReadFileBytes(const char* name, Bytes* bytes)
{
    FILE* file = std::fopen(name, "rb");
    if (!file) return "cannot be read";
    const char* reason = nullptr;
    long length = std::fseek(file, 0, SEEK_END) == 0 ? std::ftell(file) : -1;
    if (length < 0 || std::fseek(file, 0, SEEK_SET) != 0) {
        reason = "cannot be read";
    } else if (length == 0) {
        reason = "the file is empty";
    } else if (length > largestFile) {
        reason = "the file is too large to read";
    } else if (!bytes->Allocate(size_t(length))) {
        reason = "there is not enough memory to read the file";
    } else if (std::fread(bytes->data(), 1, bytes->size(), file) != bytes->size() || std::fgetc(file) != EOF) {
        reason = "cannot be read";
    }
    std::fclose(file);
    return reason;
}

// Reads and decodes a picture file; nullptr on success, else the reason.
const char* LoadPicture(const char* name, Bytes* bytes, PictureFormat* format, MemorySurface* surface)
{
    *format = PictureFormatOf(name);
    if (*format == PictureResource) return "not a picture file the launcher reads (.bmp, .pcx, .rid, .pid)";
    const char* reason = ReadFileBytes(name, bytes);
    if (reason) return reason;
    ImageStatus status = DecodePictureToMemory(*format, bytes->data(), bytes->size(), surface);
    return status == ImageOk ? nullptr : DescribeImageStatus(status);
}

// The colours of a palette named on the command line: a ".PAL" file, or a picture file that carries one.
const char* LoadPaletteArgument(const char* name, PaletteColours* colours)
{
    PaletteFormat format = PaletteFormatOf(name);
    if (format == PaletteResource) return "not a palette file (.pal, or a .bmp or .pcx that carries a palette)";
    Bytes bytes;
    const char* reason = ReadFileBytes(name, &bytes);
    if (reason) return reason;
    if (format != PaletteFile && !CarriesOwnPalette(PictureFormatOf(name), bytes.data(), bytes.size()))
        return DescribeImageStatus(ImageNoPalette);
    ImageStatus status = ReadPaletteBytes(format, bytes.data(), bytes.size(), colours);
    return status == ImageOk ? nullptr : DescribeImageStatus(status);
}

void GreyRamp(PaletteColours* colours)
{
    for (int i = 0; i < 256; ++i) {
        colours->entries[i][0] = colours->entries[i][1] = colours->entries[i][2] = uint8_t(i);
        colours->entries[i][3] = 0;
    }
}

// Writes the picture as a PPM one row at a time; nullptr on success, else the reason (and no file left).
const char* WritePpm(const char* name, const MemorySurface& surface, const PaletteColours& colours)
{
    const SurfaceLayout& layout = surface.layout;
    Bytes line;
    if (!line.Allocate(size_t(layout.width) * 3)) return "there is not enough memory to write the file";
    FILE* file = std::fopen(name, "wb");
    if (!file) return "cannot be written";
    bool ok = std::fprintf(file, "P6\n%d %d\n255\n", int(layout.width), int(layout.height)) > 0;
    for (int32_t y = 0; ok && y < layout.height; ++y) {
        const uint8_t* row = surface.Row(y);
        uint8_t* out = line.data();
        for (int32_t x = 0; x < layout.width; ++x, out += 3) {
            if (layout.bitDepth == 8) {
                std::memcpy(out, colours.entries[row[x]], 3);
            } else {
                const uint8_t* bgr = row + size_t(x) * 3;
                out[0] = bgr[2];
                out[1] = bgr[1];
                out[2] = bgr[0];
            }
        }
        ok = std::fwrite(line.data(), 1, line.size(), file) == line.size();
    }
    ok = std::fclose(file) == 0 && ok;
    if (ok) return nullptr;
    std::remove(name);
    return "cannot be written";
}

int ShowInfo(const char* input)
{
    Bytes bytes;
    PictureFormat format;
    MemorySurface surface;
    const char* reason = LoadPicture(input, &bytes, &format, &surface);
    if (reason) return Refuse(input, reason);
    std::printf("%d %d %d\n", int(surface.layout.width), int(surface.layout.height), int(surface.layout.bitDepth));
    return 0;
}

int Convert(const char* input, const char* output, const char* paletteName)
{
    Bytes bytes;
    PictureFormat format;
    MemorySurface surface;
    const char* reason = LoadPicture(input, &bytes, &format, &surface);
    if (reason) return Refuse(input, reason);

    // 8-bit pixels are indices: the palette given, else the picture's own, else a grey ramp.
    PaletteColours colours;
    GreyRamp(&colours);
    if (paletteName) {
        reason = LoadPaletteArgument(paletteName, &colours);
        if (reason) return Refuse(paletteName, reason);
    } else if (surface.layout.bitDepth == 8 && CarriesOwnPalette(format, bytes.data(), bytes.size())) {
        ImageStatus status = ReadPaletteBytes(PaletteFormatOf(input), bytes.data(), bytes.size(), &colours);
        if (status != ImageOk) return Refuse(input, DescribeImageStatus(status));
    }
    reason = WritePpm(output, surface, colours);
    return reason ? Refuse(output, reason) : 0;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc == 3 && std::strcmp(argv[1], "--info") == 0) return ShowInfo(argv[2]);
    if (argc == 3 || argc == 4) {
        if (argv[1][0] == '-') return Usage();
        return Convert(argv[1], argv[2], argc == 4 ? argv[3] : nullptr);
    }
    return Usage();
}
