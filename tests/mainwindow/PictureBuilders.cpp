// Encoders for test and benchmark pictures.
#include "PictureBuilders.h"

#include <algorithm>

TestPicture PatternPicture(int width, int height, int channels, unsigned seed)
{
    TestPicture picture = {width, height, channels, Bytes(size_t(width) * height * channels)};
    unsigned state = seed * 2654435761u + 1;
    for (size_t i = 0; i < picture.pixels.size(); ++i) {
        // Runs of equal bytes mixed with noise, so that both kinds of code appear.
        state = state * 1103515245u + 12345u;
        uint8_t value = uint8_t((i / 7) * 13 + seed);
        picture.pixels[i] = ((state >> 16) & 3) == 0 ? uint8_t(state >> 24) : value;
    }
    return picture;
}

void Put16(Bytes* bytes, size_t offset, uint32_t value)
{
    (*bytes)[offset] = uint8_t(value);
    (*bytes)[offset + 1] = uint8_t(value >> 8);
}

void Put32(Bytes* bytes, size_t offset, uint32_t value)
{
    Put16(bytes, offset, value & 0xFFFF);
    Put16(bytes, offset + 2, value >> 16);
}

Bytes PcxHeader(int width, int height, int planes, int bytesPerLine, int bitsPerPlane)
{
    Bytes header(128, 0);
    header[0] = 10;
    header[1] = 5;
    header[2] = 1;
    header[3] = uint8_t(bitsPerPlane);
    Put16(&header, 4, 0);
    Put16(&header, 6, 0);
    Put16(&header, 8, uint32_t(width - 1));
    Put16(&header, 10, uint32_t(height - 1));
    header[65] = uint8_t(planes);
    Put16(&header, 66, uint32_t(bytesPerLine));
    return header;
}

namespace {

// PCX-style codes for one line: runs of up to 63, and single bytes of 0xC0 or more as runs of one.
void EncodeRunLength(const uint8_t* line, size_t count, Bytes* out)
{
    size_t i = 0;
    while (i < count) {
        size_t run = 1;
        while (i + run < count && run < 63 && line[i + run] == line[i]) ++run;
        if (run > 1 || line[i] >= 0xC0) {
            out->push_back(uint8_t(0xC0 | run));
            out->push_back(line[i]);
        } else {
            out->push_back(line[i]);
        }
        i += run;
    }
}

}  // namespace

Bytes PcxFile(const TestPicture& picture, int bytesPerLine, const Bytes* palette768)
{
    int planeBytes = bytesPerLine ? bytesPerLine : picture.width;
    Bytes file = PcxHeader(picture.width, picture.height, picture.channels, bytesPerLine);
    Bytes line(static_cast<size_t>(planeBytes));
    for (int y = 0; y < picture.height; ++y) {
        for (int plane = 0; plane < picture.channels; ++plane) {
            std::fill(line.begin(), line.end(), 0);
            for (int x = 0; x < picture.width; ++x) line[size_t(x)] = picture.At(x, y, plane);
            EncodeRunLength(line.data(), line.size(), &file);
        }
    }
    if (palette768) {
        file.push_back(0x0C);
        file.insert(file.end(), palette768->begin(), palette768->end());
    }
    return file;
}

Bytes RidFile(const TestPicture& picture)
{
    Bytes file(32, 0);
    Put32(&file, 8, uint32_t(picture.width));
    Put32(&file, 12, uint32_t(picture.height));
    file.insert(file.end(), picture.pixels.begin(), picture.pixels.end());
    return file;
}

Bytes PidHeader(uint32_t flags, int width, int height, uint8_t fill)
{
    Bytes file(32, 0);
    Put32(&file, 4, flags);
    Put32(&file, 8, uint32_t(width));
    Put32(&file, 12, uint32_t(height));
    file[24] = fill;
    return file;
}

Bytes PidPackedFile(const TestPicture& picture, uint8_t fill)
{
    Bytes file = PidHeader(0x20 | 0x100, picture.width, picture.height, fill);
    for (int y = 0; y < picture.height; ++y) {
        const uint8_t* row = picture.pixels.data() + size_t(y) * picture.width;
        int x = 0;
        while (x < picture.width) {
            int run = 0;
            while (x + run < picture.width && run < 127 && row[x + run] == fill) ++run;
            if (run > 0) {
                file.push_back(uint8_t(0x80 + run));
                x += run;
                continue;
            }
            int literal = 0;
            while (x + literal < picture.width && literal < 127 && row[x + literal] != fill) ++literal;
            file.push_back(uint8_t(literal));
            file.insert(file.end(), row + x, row + x + literal);
            x += literal;
        }
    }
    return file;
}

Bytes PidRowCodedFile(const TestPicture& picture)
{
    Bytes file = PidHeader(0, picture.width, picture.height, 0);
    for (int y = 0; y < picture.height; ++y)
        EncodeRunLength(picture.pixels.data() + size_t(y) * picture.width, size_t(picture.width), &file);
    return file;
}

Bytes BitmapFile(const TestPicture& picture, const Bytes* palette768, bool topDown)
{
    int depth = picture.channels * 8;
    size_t rowBytes = (size_t(picture.width) * picture.channels + 3) & ~size_t(3);
    size_t table = depth == 8 ? 1024 : 0;
    size_t offset = 14 + 40 + table;
    Bytes file(offset + rowBytes * picture.height, 0);
    file[0] = 'B';
    file[1] = 'M';
    Put32(&file, 2, uint32_t(file.size()));
    Put32(&file, 10, uint32_t(offset));
    Put32(&file, 14, 40);
    Put32(&file, 18, uint32_t(picture.width));
    Put32(&file, 22, uint32_t(topDown ? -picture.height : picture.height));
    Put16(&file, 26, 1);
    Put16(&file, 28, uint32_t(depth));
    for (size_t i = 0; i < table / 4; ++i) {
        uint8_t grey = uint8_t(i);
        file[54 + i * 4] = palette768 ? (*palette768)[i * 3 + 2] : grey;
        file[54 + i * 4 + 1] = palette768 ? (*palette768)[i * 3 + 1] : grey;
        file[54 + i * 4 + 2] = palette768 ? (*palette768)[i * 3] : grey;
    }
    for (int y = 0; y < picture.height; ++y) {
        size_t stored = size_t(topDown ? y : picture.height - 1 - y);
        uint8_t* row = file.data() + offset + stored * rowBytes;
        for (int x = 0; x < picture.width; ++x) {
            if (picture.channels == 1) {
                row[x] = picture.At(x, y);
            } else {
                row[x * 3] = picture.At(x, y, 2);
                row[x * 3 + 1] = picture.At(x, y, 1);
                row[x * 3 + 2] = picture.At(x, y, 0);
            }
        }
    }
    return file;
}

Bytes TestPalette768(unsigned seed)
{
    Bytes palette(768);
    for (int i = 0; i < 256; ++i) {
        palette[size_t(i) * 3] = uint8_t(i * 7 + seed);
        palette[size_t(i) * 3 + 1] = uint8_t(255 - i);
        palette[size_t(i) * 3 + 2] = uint8_t(i * 3 + 40);
    }
    return palette;
}
