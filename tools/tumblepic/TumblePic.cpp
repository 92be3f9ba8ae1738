// tumblepic: shows modders what the launcher makes of a picture file, by writing it as a binary PPM.
//   tumblepic INPUT OUTPUT.ppm [PALETTE]    the picture, top row first (8-bit pictures through a palette)
//   tumblepic --info INPUT                  "WIDTH HEIGHT DEPTH" on one line
// A refused file gives one line naming the file and the reason, exit code 1, and no output file.
#include <cstdio>
#include <string>
#include <vector>

#include "mainwindow/ImageDecode.h"

namespace {

typedef std::vector<uint8_t> Bytes;

int Refuse(const std::string& file, const std::string& reason)
{
    std::fprintf(stderr, "tumblepic: %s: %s\n", file.c_str(), reason.c_str());
    return 1;
}

int Usage()
{
    std::fprintf(stderr, "usage: tumblepic INPUT OUTPUT.ppm [PALETTE]\n       tumblepic --info INPUT\n");
    return 2;
}

bool ReadFileBytes(const std::string& name, Bytes* bytes)
{
    FILE* file = std::fopen(name.c_str(), "rb");
    if (!file) return false;
    bytes->clear();
    uint8_t buffer[65536];
    size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) bytes->insert(bytes->end(), buffer, buffer + got);
    bool ok = !std::ferror(file);
    std::fclose(file);
    return ok;
}

// Reads and decodes a picture file; an empty reason on success.
std::string LoadPicture(const std::string& name, Bytes* bytes, PictureFormat* format, MemorySurface* surface)
{
    *format = PictureFormatOf(name.c_str());
    if (*format == PictureResource) return "not a picture file the launcher reads (.bmp, .pcx, .rid, .pid)";
    if (!ReadFileBytes(name, bytes)) return "cannot be read";
    if (bytes->empty()) return "the file is empty";
    ImageStatus status = DecodePictureToMemory(*format, bytes->data(), bytes->size(), surface);
    return status == ImageOk ? "" : DescribeImageStatus(status);
}

// The colours of a palette named on the command line: a ".PAL" file, or a picture file that carries one.
std::string LoadPaletteArgument(const std::string& name, PaletteColours* colours)
{
    PaletteFormat format = PaletteFormatOf(name.c_str());
    if (format == PaletteResource) return "not a palette file (.pal, or a .bmp or .pcx that carries a palette)";
    Bytes bytes;
    if (!ReadFileBytes(name, &bytes)) return "cannot be read";
    if (format != PaletteFile && !CarriesOwnPalette(PictureFormatOf(name.c_str()), bytes.data(), bytes.size()))
        return DescribeImageStatus(ImageNoPalette);
    ImageStatus status = ReadPaletteBytes(format, bytes.data(), bytes.size(), colours);
    return status == ImageOk ? "" : DescribeImageStatus(status);
}

void GreyRamp(PaletteColours* colours)
{
    for (int i = 0; i < 256; ++i) {
        colours->entries[i][0] = colours->entries[i][1] = colours->entries[i][2] = uint8_t(i);
        colours->entries[i][3] = 0;
    }
}

Bytes ComposePpm(const MemorySurface& surface, const PaletteColours& colours)
{
    const SurfaceLayout& layout = surface.layout;
    char head[64];
    int headLength = std::snprintf(head, sizeof head, "P6\n%d %d\n255\n", int(layout.width), int(layout.height));
    Bytes ppm(head, head + headLength);
    ppm.reserve(ppm.size() + size_t(layout.width) * size_t(layout.height) * 3);
    for (int32_t y = 0; y < layout.height; ++y) {
        const uint8_t* row = surface.Row(y);
        for (int32_t x = 0; x < layout.width; ++x) {
            if (layout.bitDepth == 8) {
                const uint8_t* colour = colours.entries[row[x]];
                ppm.insert(ppm.end(), colour, colour + 3);
            } else {
                const uint8_t* bgr = row + x * 3;
                uint8_t rgb[3] = {bgr[2], bgr[1], bgr[0]};
                ppm.insert(ppm.end(), rgb, rgb + 3);
            }
        }
    }
    return ppm;
}

bool WriteWholeFile(const std::string& name, const Bytes& bytes)
{
    FILE* file = std::fopen(name.c_str(), "wb");
    if (!file) return false;
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    ok = std::fclose(file) == 0 && ok;
    if (!ok) std::remove(name.c_str());
    return ok;
}

int ShowInfo(const std::string& input)
{
    Bytes bytes;
    PictureFormat format;
    MemorySurface surface;
    std::string reason = LoadPicture(input, &bytes, &format, &surface);
    if (!reason.empty()) return Refuse(input, reason);
    std::printf("%d %d %d\n", int(surface.layout.width), int(surface.layout.height), int(surface.layout.bitDepth));
    return 0;
}

int Convert(const std::string& input, const std::string& output, const char* paletteName)
{
    Bytes bytes;
    PictureFormat format;
    MemorySurface surface;
    std::string reason = LoadPicture(input, &bytes, &format, &surface);
    if (!reason.empty()) return Refuse(input, reason);

    // 8-bit pixels are indices: the palette given, else the picture's own, else a grey ramp.
    PaletteColours colours;
    GreyRamp(&colours);
    if (paletteName) {
        reason = LoadPaletteArgument(paletteName, &colours);
        if (!reason.empty()) return Refuse(paletteName, reason);
    } else if (surface.layout.bitDepth == 8 && CarriesOwnPalette(format, bytes.data(), bytes.size())) {
        ImageStatus status = ReadPaletteBytes(PaletteFormatOf(input.c_str()), bytes.data(), bytes.size(), &colours);
        if (status != ImageOk) return Refuse(input, DescribeImageStatus(status));
    }
    if (!WriteWholeFile(output, ComposePpm(surface, colours))) return Refuse(output, "cannot be written");
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc == 3 && std::string(argv[1]) == "--info") return ShowInfo(argv[2]);
    if (argc == 3 || argc == 4) {
        if (argv[1][0] == '-') return Usage();
        return Convert(argv[1], argv[2], argc == 4 ? argv[3] : nullptr);
    }
    return Usage();
}
