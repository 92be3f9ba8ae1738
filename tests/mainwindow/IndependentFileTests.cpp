// The readers against PCX and BMP files written by ImageMagick (tests/mainwindow/independent/make_files.sh):
// each decodes, through its own palette for 8-bit pictures, to the reference picture the encoder was given.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "PictureBuilders.h"
#include "TestKit.h"
#include "mainwindow/ImageDecode.h"

namespace {

std::string Folder()
{
    const char* folder = std::getenv("TR_INDEPENDENT_FILES");
    return folder ? folder : "";
}

bool ReadAll(const std::string& path, Bytes* bytes)
{
    FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return false;
    int c;
    while ((c = std::fgetc(file)) != EOF) bytes->push_back(uint8_t(c));
    std::fclose(file);
    return true;
}

// A binary PPM as ImageMagick writes it: "P6\n<w> <h>\n255\n" and the pixels.
bool ReadPpm(const std::string& path, TestPicture* picture)
{
    Bytes bytes;
    if (!ReadAll(path, &bytes)) return false;
    int width = 0, height = 0, maximum = 0, consumed = 0;
    std::string text(bytes.begin(), bytes.begin() + std::min<size_t>(bytes.size(), 64));
    if (std::sscanf(text.c_str(), "P6 %d %d %d%n", &width, &height, &maximum, &consumed) != 3 || maximum != 255)
        return false;
    size_t start = size_t(consumed) + 1;
    *picture = {width, height, 3, Bytes(bytes.begin() + long(start), bytes.end())};
    return picture->pixels.size() == size_t(width) * height * 3;
}

// Decodes the file and compares its colours with the reference, pixel by pixel.
void CheckMatchesReference(const std::string& name, const std::string& reference)
{
    Bytes file;
    TestPicture expected;
    REQUIRE(ReadAll(Folder() + "/" + name, &file));
    REQUIRE(ReadPpm(Folder() + "/" + reference, &expected));
    PictureFormat format = PictureFormatOf(name.c_str());
    MemorySurface surface;
    ImageStatus status = DecodePictureToMemory(format, file.data(), file.size(), &surface);
    if (status != ImageOk) testkit::Fail(__FILE__, __LINE__, name + ": " + DescribeImageStatus(status));
    REQUIRE(status == ImageOk);
    CHECK_EQ(surface.layout.width, expected.width);
    CHECK_EQ(surface.layout.height, expected.height);
    PaletteColours colours = {};
    if (surface.layout.bitDepth == 8) {
        REQUIRE(CarriesOwnPalette(format, file.data(), file.size()));
        REQUIRE(ReadPaletteBytes(PaletteFormatOf(name.c_str()), file.data(), file.size(), &colours) == ImageOk);
    }
    int wrong = 0;
    for (int y = 0; y < expected.height; ++y) {
        const uint8_t* row = surface.Row(y);
        for (int x = 0; x < expected.width; ++x) {
            const uint8_t* rgb = nullptr;
            uint8_t swapped[3];
            if (surface.layout.bitDepth == 8) {
                rgb = colours.entries[row[x]];
            } else {
                swapped[0] = row[x * 3 + 2];
                swapped[1] = row[x * 3 + 1];
                swapped[2] = row[x * 3];
                rgb = swapped;
            }
            for (int c = 0; c < 3; ++c) wrong += rgb[c] != expected.At(x, y, c);
        }
    }
    if (wrong) testkit::Fail(__FILE__, __LINE__, name + ": " + std::to_string(wrong) + " colour bytes differ");
}

}  // namespace

TEST_CASE(ImageMagickPcxFilesOfOddAndEvenWidthDecodeToTheirReference)
{
    REQUIRE(!Folder().empty());
    for (const char* name : {"odd", "even"}) {
        std::string reference = std::string("ref-") + name + ".ppm";
        CheckMatchesReference(std::string(name) + "-8.pcx", reference);
        CheckMatchesReference(std::string(name) + "-24.pcx", reference);
    }
}

TEST_CASE(ImageMagickBitmapFilesWithEitherHeaderDecodeToTheirReference)
{
    REQUIRE(!Folder().empty());
    for (const char* name : {"odd", "even"}) {
        std::string reference = std::string("ref-") + name + ".ppm";
        CheckMatchesReference(std::string(name) + "-8.bmp", reference);
        CheckMatchesReference(std::string(name) + "-24.bmp", reference);
        CheckMatchesReference(std::string(name) + "-24v5.bmp", reference);
    }
}

TEST_CASE(ImageMagickFilesWeDoNotReadAreRefusedWithTheirReason)
{
    Bytes rle;
    REQUIRE(ReadAll(Folder() + "/refused-rle8.bmp", &rle));
    MemorySurface surface;
    CHECK_EQ(int(DecodePictureToMemory(PictureBitmapFile, rle.data(), rle.size(), &surface)), int(ImageCompressed));
    Bytes cut;
    REQUIRE(ReadAll(Folder() + "/refused-cut.pcx", &cut));
    CHECK_EQ(int(DecodePictureToMemory(PicturePcx, cut.data(), cut.size(), &surface)), int(ImageCodesEnd));
}
