// The portable picture and palette readers on files composed here, byte by byte.
#include "AllocationLimit.h"
#include "CodePages.h"
#include "PictureBuilders.h"
#include "RunScanCheck.h"
#include "TestKit.h"
#include "mainwindow/ImageDecode.h"

namespace {

ImageStatus Decode(PictureFormat format, const Bytes& file, MemorySurface* surface)
{
    return DecodePictureToMemory(format, file.data(), file.size(), surface);
}

// Every pixel of the surface against the picture, top row first.
bool SamePixels(const MemorySurface& surface, const TestPicture& picture)
{
    if (surface.layout.width != picture.width || surface.layout.height != picture.height) return false;
    for (int y = 0; y < picture.height; ++y) {
        const uint8_t* row = surface.Row(y);
        for (int x = 0; x < picture.width; ++x) {
            if (picture.channels == 1) {
                if (row[x] != picture.At(x, y)) return false;
            } else if (row[x * 3] != picture.At(x, y, 2) || row[x * 3 + 1] != picture.At(x, y, 1) ||
                       row[x * 3 + 2] != picture.At(x, y, 0)) {
                return false;
            }
        }
    }
    return true;
}

Bytes Concat(Bytes head, const Bytes& tail)
{
    head.insert(head.end(), tail.begin(), tail.end());
    return head;
}

}  // namespace

TEST_CASE(SurfaceLayoutPadsRowsToFourBytesAndRefusesImpossibleFigures)
{
    struct Case {
        int32_t width, height, depth;
        ImageStatus status;
        int32_t rowBytes, rowPadding;
    } cases[] = {
        {321, 10, 8, ImageOk, 324, 3},
        {320, 10, 8, ImageOk, 320, 0},
        {5, 2, 24, ImageOk, 16, 1},
        {1, -3, 8, ImageOk, 4, 3},
        {0, 10, 8, ImageBadSize, 0, 0},
        {-4, 10, 8, ImageBadSize, 0, 0},
        {4, 0, 8, ImageBadSize, 0, 0},
        {4, INT32_MIN, 8, ImageBadSize, 0, 0},
        {4, 4, 16, ImageBadDepth, 0, 0},
        {4, 4, 32, ImageBadDepth, 0, 0},
        {INT32_MAX, 1, 24, ImageTooLarge, 0, 0},
        {65536, 65536, 8, ImageTooLarge, 0, 0},
    };
    for (const Case& c : cases) {
        SurfaceLayout layout = {};
        CHECK_EQ(int(PlanSurface(c.width, c.height, c.depth, &layout)), int(c.status));
        if (c.status != ImageOk) continue;
        CHECK_EQ(layout.rowBytes, c.rowBytes);
        CHECK_EQ(layout.rowPadding, c.rowPadding);
        CHECK_EQ(layout.height, c.height < 0 ? -c.height : c.height);
    }

    // Row 0 is the top of the picture: the last row in memory bottom-up, the first top-down.
    SurfaceLayout layout;
    int32_t offsets[3];
    PlanSurface(5, 3, 8, &layout);
    FillRowOffsets(layout, offsets);
    CHECK(offsets[0] == 16 && offsets[1] == 8 && offsets[2] == 0);
    PlanSurface(5, -3, 8, &layout);
    FillRowOffsets(layout, offsets);
    CHECK(offsets[0] == 0 && offsets[1] == 8 && offsets[2] == 16);
}

TEST_CASE(NamesChooseTheirReaderByTheLastExtensionInAnyCase)
{
    CHECK_EQ(int(PictureFormatOf("GAME1")), int(PictureResource));
    CHECK_EQ(int(PictureFormatOf("art\\game1.bmp")), int(PictureBitmapFile));
    CHECK_EQ(int(PictureFormatOf("Title.Pcx")), int(PicturePcx));
    CHECK_EQ(int(PictureFormatOf("sky.rid")), int(PictureRaw));
    CHECK_EQ(int(PictureFormatOf("sky.PID")), int(PicturePacked));
    CHECK_EQ(int(PictureFormatOf("pics.bmp\\GAME2")), int(PictureResource));
    CHECK_EQ(int(PictureFormatOf("sky.pcx.bak")), int(PictureResource));
    CHECK_EQ(int(PictureFormatOf("sky.pal")), int(PictureResource));
    {
        UsingLeadBytes japanese(CodePage932());
        CHECK_EQ(int(PictureFormatOf("\x95\x5C\\\x83\x5C.Pcx")), int(PicturePcx));  // 表\ソ.Pcx
        CHECK_EQ(int(PictureFormatOf("\x83\x5C.pid")), int(PicturePacked));
    }
    CHECK_EQ(int(PaletteFormatOf("sky.pal")), int(PaletteFile));
    CHECK_EQ(int(PaletteFormatOf("SKY.BMP")), int(PaletteBitmapFile));
    CHECK_EQ(int(PaletteFormatOf("sky.pcx")), int(PalettePcx));
    CHECK_EQ(int(PaletteFormatOf("sky.rid")), int(PaletteResource));
    CHECK_EQ(int(PaletteFormatOf("GAME")), int(PaletteResource));
}

TEST_CASE(PcxRowsDecodeForEveryWidthWithOrWithoutPaddedPlaneRows)
{
    // bytes per line: 0 and less than the width keep plane rows of exactly the width; more drops padding.
    for (int channels : {1, 3}) {
        for (int width : {1, 2, 5, 6, 67}) {
            TestPicture picture = PatternPicture(width, 9, channels, unsigned(width * channels));
            int even = (width + 1) & ~1;
            for (int bytesPerLine : {width, even, 0}) {
                MemorySurface surface;
                CHECK_EQ(int(Decode(PicturePcx, PcxFile(picture, bytesPerLine, nullptr), &surface)), int(ImageOk));
                CHECK(SamePixels(surface, picture));
                CHECK_EQ(surface.layout.bitDepth, channels * 8);
            }
        }
    }
    // An odd width with rows of exactly the width but a header that claims less: the width rule holds.
    TestPicture picture = PatternPicture(7, 4, 1, 3);
    Bytes file = PcxFile(picture, 0, nullptr);
    Put16(&file, 66, 3);
    MemorySurface surface;
    CHECK_EQ(int(Decode(PicturePcx, file, &surface)), int(ImageOk));
    CHECK(SamePixels(surface, picture));
}

TEST_CASE(PcxRunOfZeroTakesItsByteAndRunOfOneWritesIt)
{
    Bytes file = Concat(PcxHeader(3, 1, 1, 3), {0xC0, 0x55, 0xC1, 0xC5, 0x07, 0xC1, 0xC0});
    MemorySurface surface;
    REQUIRE(Decode(PicturePcx, file, &surface) == ImageOk);
    const uint8_t* row = surface.Row(0);
    CHECK(row[0] == 0xC5 && row[1] == 0x07 && row[2] == 0xC0);
}

TEST_CASE(PcxFilesThatCannotFillThePictureAreRefused)
{
    MemorySurface surface;
    struct Case {
        const char* what;
        Bytes file;
        ImageStatus status;
    } cases[] = {
        {"two planes", Concat(PcxHeader(2, 1, 2, 2), {1, 2, 3, 4}), ImageBadDepth},
        {"four bits per plane", Concat(PcxHeader(2, 1, 1, 2, 4), {1, 2}), ImageBadDepth},
        {"Xmax before Xmin", Concat(PcxHeader(0, 1, 1, 2), {1, 2}), ImageBadSize},
        {"Ymax before Ymin", Concat(PcxHeader(2, -1, 1, 2), {1, 2}), ImageBadSize},
        {"a run past the row", Concat(PcxHeader(4, 2, 1, 4), {0xC5, 9, 1, 2, 3, 4}), ImageRunPastRow},
        {"a run past the scanline into the next", Concat(PcxHeader(2, 2, 1, 2), {0xC4, 9}), ImageRunPastRow},
        {"codes end early", Concat(PcxHeader(4, 2, 1, 4), {1, 2, 3, 4, 5}), ImageCodesEnd},
        {"run byte missing", Concat(PcxHeader(4, 1, 1, 4), {1, 2, 0xC2}), ImageCodesEnd},
        {"header cut", Bytes(100, 0), ImageHeaderShort},
        {"huge header, tiny file", Concat(PcxHeader(30000, 30000, 1, 30000), {0xFF, 1}), ImageCodesEnd},
    };
    for (const Case& c : cases) {
        ImageStatus status = Decode(PicturePcx, c.file, &surface);
        if (status != c.status)
            testkit::Fail(__FILE__, __LINE__, std::string(c.what) + ": " + DescribeImageStatus(status));
    }
}

TEST_CASE(RawRowsAreStoredTopRowFirstForEveryWidth)
{
    for (int width : {4, 5, 8, 13}) {
        TestPicture picture = PatternPicture(width, 6, 1, unsigned(width));
        MemorySurface surface;
        REQUIRE(Decode(PictureRaw, RidFile(picture), &surface) == ImageOk);
        CHECK(SamePixels(surface, picture));
    }
    TestPicture picture = PatternPicture(5, 6, 1, 1);
    Bytes file = RidFile(picture);
    file.pop_back();
    MemorySurface surface;
    CHECK_EQ(int(Decode(PictureRaw, file, &surface)), int(ImagePixelsShort));
    Put32(&file, 12, uint32_t(-6));
    CHECK_EQ(int(Decode(PictureRaw, file, &surface)), int(ImageBadSize));
    CHECK_EQ(int(Decode(PictureRaw, Bytes(31, 0), &surface)), int(ImageHeaderShort));
}

TEST_CASE(PackedRunsFillWithTheFillByteAndStopAfterTheLastRow)
{
    // 0x85: five fill bytes; 0x02 a b: two literals; codes carry on across the row end.
    Bytes codes = {0x85, 0x02, 0x11, 0x22, 0x03, 0x33, 0x44, 0x55, 0x84, 0x7F, 0x99};
    MemorySurface surface;
    REQUIRE(Decode(PicturePacked, Concat(PidHeader(0x20 | 0x100, 7, 2, 0xAB), codes), &surface) == ImageOk);
    const uint8_t expected[2][7] = {{0xAB, 0xAB, 0xAB, 0xAB, 0xAB, 0x11, 0x22},
                                    {0x33, 0x44, 0x55, 0xAB, 0xAB, 0xAB, 0xAB}};
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 7; ++x) CHECK_EQ(int(surface.Row(y)[x]), int(expected[y][x]));

    // Without flag 0x100 the fill is 0, whatever the header's fill value.
    REQUIRE(Decode(PicturePacked, Concat(PidHeader(0x20, 7, 2, 0xAB), codes), &surface) == ImageOk);
    CHECK_EQ(int(surface.Row(0)[0]), 0);
    CHECK_EQ(int(surface.Row(1)[6]), 0);

    // Encoded pictures come back whole.
    TestPicture picture = PatternPicture(301, 7, 1, 5);
    REQUIRE(Decode(PicturePacked, PidPackedFile(picture, picture.pixels[3]), &surface) == ImageOk);
    CHECK(SamePixels(surface, picture));
}

TEST_CASE(PackedCodesThatLeaveTheirRowOrTheFileAreRefused)
{
    MemorySurface surface;
    CHECK_EQ(int(Decode(PicturePacked, Concat(PidHeader(0x20, 4, 2, 0), {0x83, 0x82}), &surface)),
             int(ImageRunPastRow));
    CHECK_EQ(int(Decode(PicturePacked, Concat(PidHeader(0x20, 4, 2, 0), {0x05, 1, 2, 3, 4, 5}), &surface)),
             int(ImageRunPastRow));
    CHECK_EQ(int(Decode(PicturePacked, Concat(PidHeader(0x20, 4, 1, 0), {0x04, 1, 2}), &surface)), int(ImageCodesEnd));
    CHECK_EQ(int(Decode(PicturePacked, Concat(PidHeader(0x20, 4, 2, 0), {0x84}), &surface)), int(ImageCodesEnd));
    CHECK_EQ(int(Decode(PicturePacked, Concat(PidHeader(0x20, 0, 2, 0), {0x84}), &surface)), int(ImageBadSize));
    CHECK_EQ(int(Decode(PicturePacked, Concat(PidHeader(0x20, 1 << 20, 1 << 12, 0), {0xFF}), &surface)),
             int(ImageTooLarge));
    CHECK_EQ(int(Decode(PicturePacked, Concat(PidHeader(0x20, 4096, 4096, 0), {0xFF, 0xFF}), &surface)),
             int(ImageCodesEnd));
}

TEST_CASE(RowCodedPidDecodesLikePcxRowsAndIgnoresTheFill)
{
    TestPicture picture = PatternPicture(33, 5, 1, 9);
    MemorySurface surface;
    REQUIRE(Decode(PicturePacked, PidRowCodedFile(picture), &surface) == ImageOk);
    CHECK(SamePixels(surface, picture));

    Bytes file = Concat(PidHeader(0x100, 3, 1, 0x77), {0xC2, 0x05, 0x06});
    REQUIRE(Decode(PicturePacked, file, &surface) == ImageOk);
    CHECK(surface.Row(0)[0] == 5 && surface.Row(0)[1] == 5 && surface.Row(0)[2] == 6);
    CHECK_EQ(int(Decode(PicturePacked, Concat(PidHeader(0, 3, 1, 0), {0xC4, 1}), &surface)), int(ImageRunPastRow));
}

TEST_CASE(BitmapFileRowsAreCopiedAsStoredInEitherRowOrder)
{
    Bytes palette = TestPalette768(3);
    for (bool topDown : {false, true}) {
        for (int channels : {1, 3}) {
            TestPicture picture = PatternPicture(5, 4, channels, unsigned(channels) + topDown);
            MemorySurface surface;
            REQUIRE(Decode(PictureBitmapFile, BitmapFile(picture, &palette, topDown), &surface) == ImageOk);
            CHECK(SamePixels(surface, picture));
            CHECK_EQ(surface.layout.rowBytes, channels == 1 ? 8 : 16);
        }
    }
}

TEST_CASE(BitmapFilesThatCannotDescribeTheirPixelsAreRefused)
{
    TestPicture picture = PatternPicture(6, 3, 1, 1);
    Bytes good = BitmapFile(picture, nullptr);
    struct Case {
        const char* what;
        size_t offset;
        int width;  // 2 or 4: bytes to write at offset
        uint32_t value;
        ImageStatus status;
    } cases[] = {
        {"pixel offset past the end", 10, 4, 5000, ImagePixelsShort},
        {"pixel offset leaves too few rows", 10, 4, 54 + 1024 + 2, ImagePixelsShort},
        {"16 bits", 28, 2, 16, ImageBadDepth},
        {"4 bits", 28, 2, 4, ImageBadDepth},
        {"run-length compressed", 30, 4, 1, ImageCompressed},
        {"a 12-byte header", 14, 4, 12, ImageHeaderKind},
        {"width 0", 18, 4, 0, ImageBadSize},
        {"rows too long", 18, 4, 0x7FFFFFF0, ImageTooLarge},
    };
    MemorySurface surface;
    for (const Case& c : cases) {
        Bytes file = good;
        if (c.width == 2)
            Put16(&file, c.offset, c.value);
        else
            Put32(&file, c.offset, c.value);
        ImageStatus status = Decode(PictureBitmapFile, file, &surface);
        if (status != c.status)
            testkit::Fail(__FILE__, __LINE__, std::string(c.what) + ": " + DescribeImageStatus(status));
    }
    Bytes cut(good.begin(), good.end() - 1);
    CHECK_EQ(int(Decode(PictureBitmapFile, cut, &surface)), int(ImagePixelsShort));
    CHECK_EQ(int(Decode(PictureBitmapFile, Bytes(good.begin(), good.begin() + 53), &surface)), int(ImageHeaderShort));
}

TEST_CASE(PackedDibResourcesSkipTheirColourTable)
{
    TestPicture picture = PatternPicture(7, 3, 1, 2);
    Bytes file = BitmapFile(picture, nullptr);
    Bytes resource(file.begin() + 14, file.end());  // what a resource compiler keeps of a bitmap file
    MemorySurface surface;
    REQUIRE(Decode(PictureResource, resource, &surface) == ImageOk);
    CHECK(SamePixels(surface, picture));

    // A table of 16 entries (colours used 16) is 64 bytes long.
    Bytes shortTable(resource.begin(), resource.begin() + 40 + 64);
    shortTable.insert(shortTable.end(), resource.begin() + 40 + 1024, resource.end());
    Put32(&shortTable, 32, 16);
    REQUIRE(Decode(PictureResource, shortTable, &surface) == ImageOk);
    CHECK(SamePixels(surface, picture));

    TestPicture colour = PatternPicture(5, 2, 3, 4);
    Bytes file24 = BitmapFile(colour, nullptr);
    REQUIRE(Decode(PictureResource, Bytes(file24.begin() + 14, file24.end()), &surface) == ImageOk);
    CHECK(SamePixels(surface, colour));
    Put32(&resource, 0, 0x7FFFFFFF);
    CHECK_EQ(int(Decode(PictureResource, resource, &surface)), int(ImageHeaderShort));
}

TEST_CASE(MemoryThatCannotBeHadFailsTheDecodeInsteadOfEndingTheProgram)
{
    // Packed runs of 127 fill bytes: a 2 MiB surface from a 16 KiB file.
    Bytes pid = PidHeader(packedRunCoding | packedFillUsed, 127 * 8, 2048, 7);
    pid.insert(pid.end(), 8 * 2048, 0xFF);
    // One row of width 1 in plane rows of 65535 bytes: a small surface, a large line to decode into.
    Bytes pcx = PcxHeader(1, 1, 1, 65535);
    for (int i = 0; i < 1040; ++i) pcx.insert(pcx.end(), {0xFF, 7});
    pcx.insert(pcx.end(), {0xCF, 7});
    struct Case {
        const char* what;
        PictureFormat format;
        const Bytes& file;
    } cases[] = {
        {"the surface", PicturePacked, pid},
        {"the line of a padded PCX row", PicturePcx, pcx},
    };
    for (const Case& c : cases) {
        MemorySurface surface;
        ImageStatus status;
        {
            AllocationLimit limit(32 * 1024);
            status = Decode(c.format, c.file, &surface);
        }
        if (status != ImageNoSurface)
            testkit::Fail(__FILE__, __LINE__, std::string(c.what) + ": " + DescribeImageStatus(status));
        REQUIRE(Decode(c.format, c.file, &surface) == ImageOk);
        CHECK_EQ(int(surface.Row(surface.layout.height - 1)[0]), 7);
    }
}

TEST_CASE(PalettesReadTheirColoursFromEachKindOfFile)
{
    Bytes palette = TestPalette768(11);
    PaletteColours colours;
    auto matches = [&](const PaletteColours& read) {
        for (int i = 0; i < 256; ++i) {
            if (read.entries[i][0] != palette[i * 3] || read.entries[i][1] != palette[i * 3 + 1] ||
                read.entries[i][2] != palette[i * 3 + 2] || read.entries[i][3] != 0)
                return false;
        }
        return true;
    };
    CHECK_EQ(int(ReadPalColours(palette.data(), palette.size(), &colours)), int(ImageOk));
    CHECK(matches(colours));
    Bytes longer = palette;
    longer.push_back(0);
    CHECK_EQ(int(ReadPalColours(longer.data(), longer.size(), &colours)), int(ImagePaletteLength));
    CHECK_EQ(int(ReadPalColours(palette.data(), 767, &colours)), int(ImagePaletteLength));

    // PCX: the last 768 bytes, whatever stands before them.
    Bytes pcx = PcxFile(PatternPicture(4, 4, 1, 1), 4, &palette);
    CHECK_EQ(int(ReadPaletteBytes(PalettePcx, pcx.data(), pcx.size(), &colours)), int(ImageOk));
    CHECK(matches(colours));
    CHECK_EQ(int(ReadPcxColours(pcx.data(), 700, &colours)), int(ImagePaletteShort));

    Bytes bmp = BitmapFile(PatternPicture(3, 3, 1, 1), &palette);
    CHECK_EQ(int(ReadPaletteBytes(PaletteBitmapFile, bmp.data(), bmp.size(), &colours)), int(ImageOk));
    CHECK(matches(colours));
    Bytes bmp24 = BitmapFile(PatternPicture(3, 3, 3, 1), nullptr);
    CHECK_EQ(int(ReadBitmapFileColours(bmp24.data(), bmp24.size(), &colours)), int(ImageNoPalette));
    // The table lies behind the info header, whatever its size says and however the rows are stored.
    struct Case {
        const char* what;
        size_t offset;
        uint32_t value;
        ImageStatus status;
    } cases[] = {
        {"run-length compressed rows", 30, 1, ImageOk},
        {"an info header past the end", 14, 5000, ImagePaletteShort},
        {"an info header size that wraps in 32 bits", 14, 0xFFFFFFF2, ImagePaletteShort},
    };
    for (const Case& c : cases) {
        Bytes file = bmp;
        Put32(&file, c.offset, c.value);
        ImageStatus status = ReadBitmapFileColours(file.data(), file.size(), &colours);
        if (status != c.status)
            testkit::Fail(__FILE__, __LINE__, std::string(c.what) + ": " + DescribeImageStatus(status));
        if (status == ImageOk) CHECK(matches(colours));
    }
    // A table of fewer entries leaves the rest black instead of reading pixels as colours.
    Put32(&bmp, 46, 2);
    CHECK_EQ(int(ReadBitmapFileColours(bmp.data(), bmp.size(), &colours)), int(ImageOk));
    CHECK(colours.entries[1][0] == palette[3] && colours.entries[2][0] == 0 && colours.entries[255][2] == 0);
    CHECK_EQ(int(ReadBitmapFileColours(bmp.data(), 60, &colours)), int(ImagePaletteShort));

    CHECK_EQ(int(ReadResourceColours(palette.data(), palette.size(), &colours)), int(ImageOk));
    CHECK(matches(colours));
    CHECK_EQ(int(ReadResourceColours(palette.data(), 600, &colours)), int(ImagePaletteShort));
}

TEST_CASE(OnlyPicturesWithATableOrAMarkedPaletteCarryTheirOwn)
{
    Bytes palette = TestPalette768(1);
    Bytes withPalette = PcxFile(PatternPicture(4, 4, 1, 1), 4, &palette);
    Bytes without = PcxFile(PatternPicture(4, 4, 1, 1), 4, nullptr);
    Bytes colourPcx = PcxFile(PatternPicture(4, 4, 3, 1), 4, nullptr);
    CHECK(CarriesOwnPalette(PicturePcx, withPalette.data(), withPalette.size()));
    CHECK(!CarriesOwnPalette(PicturePcx, without.data(), without.size()));
    CHECK(!CarriesOwnPalette(PicturePcx, colourPcx.data(), colourPcx.size()));
    Bytes bmp8 = BitmapFile(PatternPicture(4, 4, 1, 1), &palette);
    Bytes bmp24 = BitmapFile(PatternPicture(4, 4, 3, 1), nullptr);
    CHECK(CarriesOwnPalette(PictureBitmapFile, bmp8.data(), bmp8.size()));
    CHECK(!CarriesOwnPalette(PictureBitmapFile, bmp24.data(), bmp24.size()));
    Put32(&bmp8, 30, 1);  // run-length compressed rows: refused as a picture, not as a palette
    CHECK(CarriesOwnPalette(PictureBitmapFile, bmp8.data(), bmp8.size()));
    Bytes rid = RidFile(PatternPicture(4, 4, 1, 1));
    CHECK(!CarriesOwnPalette(PictureRaw, rid.data(), rid.size()));
}

TEST_CASE(StaticColoursOfA256ColourDisplayTakeBothEndsOfThePalette)
{
    uint8_t system[256][4];
    for (int i = 0; i < 256; ++i) {
        system[i][0] = uint8_t(i);
        system[i][1] = 1;
        system[i][2] = 2;
        system[i][3] = 0;
    }
    uint8_t entries[256][4];
    for (int i = 0; i < 256; ++i) {
        entries[i][0] = 200;
        entries[i][1] = entries[i][2] = entries[i][3] = 0;
    }
    MergeStaticColours(entries, system, 256, 20);
    for (int i = 0; i < 10; ++i) {
        CHECK_EQ(int(entries[i][0]), i);
        CHECK_EQ(int(entries[246 + i][0]), 246 + i);
        CHECK_EQ(int(entries[i][3]), 0);
        CHECK_EQ(int(entries[246 + i][3]), 0);
    }
    int reserved = 0;
    for (int i = 10; i <= 245; ++i) reserved += entries[i][3] == paletteReservedFlag && entries[i][0] == 200;
    CHECK_EQ(reserved, 236);

    // A 16-entry system palette with 20 reserved: at most half of it at each end, nothing past entry 255.
    for (int i = 0; i < 256; ++i) entries[i][0] = 200, entries[i][3] = 0;
    MergeStaticColours(entries, system, 16, 20);
    CHECK(entries[7][0] == 7 && entries[8][0] == 200 && entries[248][0] == 8 && entries[255][0] == 15);
    CHECK_EQ(int(entries[8][3]), 0);
    // No system palette, or a larger one: nothing outside the 256 entries is touched.
    for (int i = 0; i < 256; ++i) entries[i][0] = 200, entries[i][3] = 0;
    MergeStaticColours(entries, system, 0, 20);
    CHECK(entries[0][0] == 200 && entries[255][0] == 200 && entries[100][3] == 0);
    MergeStaticColours(entries, system, 4096, 21);
    CHECK(entries[9][0] == 9 && entries[10][0] == 200 && entries[245][3] == paletteReservedFlag);
}

namespace {

// Rows of plain stretches and runs of every length up to 70, single bytes of 0xC0 or more and stretches of
// several windows, so that stretches and runs end at every offset within a block and a window of the loops.
TestPicture StretchPicture(int width, int height)
{
    TestPicture picture = {width, height, 1, Bytes(size_t(width) * height)};
    unsigned state = unsigned(width);
    size_t i = 0;
    for (int segment = 0; i < picture.pixels.size(); ++segment) {
        state = state * 1103515245u + 12345u;
        size_t length = segment % 9 == 4 ? 150 + segment % 150 : segment % 71;
        uint8_t value = uint8_t(state >> 16);
        for (size_t k = 0; k < length && i < picture.pixels.size(); ++k, ++i)
            picture.pixels[i] = segment % 3 ? uint8_t((value + k * 7) % 0xC0) : value;
    }
    return picture;
}

}  // namespace

TEST_CASE(RunScansDecodeLikeTheReferenceUpToEveryEdge)
{
    // The vector scan where the processor has SSE2, the word scan where it has not (a run as a Pentium II).
    CHECK(RunScanAsExpected());
    // 256: lines of whole windows, so that a window can end where its line does.
    for (int width : {1, 15, 129, 256, 300}) {
        Bytes file = PidRowCodedFile(StretchPicture(width, 40));
        Bytes codes(file.begin() + 32, file.end());
        // Whole lines, lines that end inside stretches and runs (a run past the line's end), and codes cut short.
        for (size_t count : {size_t(width), size_t(width) + 9, size_t(width) * 3 - 1}) {
            for (size_t drop = 0; drop <= codes.size() / 3; drop += 1 + drop % 37) {
                size_t cut = codes.size() - drop;
                std::string reference = LineRecord(ReferenceLine, codes.data(), cut, count);
                CHECK(LineRecord(WordLine, codes.data(), cut, count) == reference);
                CHECK(LineRecord(FastestLine, codes.data(), cut, count) == reference);
            }
        }
        // Packed runs: the same picture whole, cut short, or read with rows that its codes cross.
        TestPicture picture = StretchPicture(width, 40);
        Bytes packed = PidPackedFile(picture, 0x41);
        MemorySurface surface;
        REQUIRE(DecodePictureToMemory(PicturePacked, packed.data(), packed.size(), &surface) == ImageOk);
        CHECK(SamePixels(surface, picture));
        for (size_t drop = 0; drop <= (packed.size() - 32) / 3; drop += 1 + drop % 41) {
            size_t cut = packed.size() - drop;
            for (int32_t rowWidth : {width, width + 1}) {
                std::string word = PackedRecord(RunScanWord, packed.data() + 32, cut - 32, rowWidth, 40, 0x41);
                CHECK(PackedRecord(FastestRunScan(), packed.data() + 32, cut - 32, rowWidth, 40, 0x41) == word);
                CHECK(word.find("guard") == std::string::npos);
            }
        }
    }
    // Packed rows wider than the row buffer are decoded in place.
    TestPicture wide = StretchPicture(9001, 3);
    Bytes packed = PidPackedFile(wide, 0x41);
    MemorySurface surface;
    REQUIRE(DecodePictureToMemory(PicturePacked, packed.data(), packed.size(), &surface) == ImageOk);
    CHECK(SamePixels(surface, wide));
    std::string word = PackedRecord(RunScanWord, packed.data() + 32, packed.size() - 32, 9001, 3, 0x41);
    CHECK(word.find("guard") == std::string::npos);
    CHECK(PackedRecord(FastestRunScan(), packed.data() + 32, packed.size() - 32, 9001, 3, 0x41) == word);
}
