// Small encoders that compose picture and palette files byte by byte for the tests and the benchmark.
#ifndef TUMBLERIDGE_PICTUREBUILDERS_H
#define TUMBLERIDGE_PICTUREBUILDERS_H

#include <cstdint>
#include <string>
#include <vector>

typedef std::vector<uint8_t> Bytes;

// Pixels of a picture, top row first: width * height bytes (8 bits) or width * height * 3 (red, green, blue).
struct TestPicture {
    int width;
    int height;
    int channels;  // 1 or 3
    Bytes pixels;
    uint8_t At(int x, int y, int channel = 0) const { return pixels[(size_t(y) * width + x) * channels + channel]; }
};

TestPicture PatternPicture(int width, int height, int channels, unsigned seed);

void Put16(Bytes* bytes, size_t offset, uint32_t value);
void Put32(Bytes* bytes, size_t offset, uint32_t value);

// A PCX file: 8 bits per plane, planes 1 or 3, plane rows of bytesPerLine (0: the width; padding is zero),
// runs never crossing a plane row; with an appended palette (marker 0x0C and 768 bytes) when given.
Bytes PcxFile(const TestPicture& picture, int bytesPerLine, const Bytes* palette768);
// A PCX header alone, for hand-coded rows.
Bytes PcxHeader(int width, int height, int planes, int bytesPerLine, int bitsPerPlane = 8);

// ".RID": the 32-byte header and the rows as stored, first row first.
Bytes RidFile(const TestPicture& picture);
// ".PID" header (flags, width, height, fill) followed by codes.
Bytes PidHeader(uint32_t flags, int width, int height, uint8_t fill);
// ".PID" with packed runs (flag 0x20) of the fill byte where it repeats, literals elsewhere.
Bytes PidPackedFile(const TestPicture& picture, uint8_t fill);
// ".PID" with row run-length codes.
Bytes PidRowCodedFile(const TestPicture& picture);

// A bitmap file with a 40-byte info header, rows bottom-up (or top-down for topDown), padded to 4 bytes;
// 8-bit pictures carry the table of 256 (blue, green, red, 0) entries made from palette768 (or grey).
Bytes BitmapFile(const TestPicture& picture, const Bytes* palette768, bool topDown = false);

// 768 bytes of red, green, blue that differ from entry to entry.
Bytes TestPalette768(unsigned seed);

#endif
