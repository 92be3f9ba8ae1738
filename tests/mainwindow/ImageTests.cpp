// DIB sections, palettes and the picture set under Wine: files written here, the launcher's own resources,
// and drawing through a selected palette.
#include <windows.h>

#include "AllocationLimit.h"
#include "PictureBuilders.h"
#include "RunScanCheck.h"
#include "TestFiles.h"
#include "TestKit.h"
#include "mainwindow/ImageFiles.h"
#include "mainwindow/ImageSet.h"

namespace {

std::string WriteTestFile(const std::string& folder, const std::string& name, const Bytes& bytes)
{
    std::string path = JoinPath(folder, name);
    WriteFileBytes(path, std::string(bytes.begin(), bytes.end()));
    return path;
}

bool SamePixels(const DibImage& image, const TestPicture& picture)
{
    if (image.width != picture.width || image.height != picture.height) return false;
    for (int y = 0; y < picture.height; ++y) {
        const uint8_t* row = image.bits + image.rowOffsets[y];
        for (int x = 0; x < picture.width; ++x) {
            for (int c = 0; c < picture.channels; ++c) {
                int stored = picture.channels == 1 ? x : x * 3 + (2 - c);
                if (row[stored] != picture.At(x, y, c)) return false;
            }
        }
    }
    return true;
}

// A 32-bit memory surface to draw into and read back.
struct Canvas {
    HDC dc;
    HBITMAP bitmap;
    HGDIOBJ previous;
    uint32_t* pixels;
    int width, height;
    Canvas(int w, int h) : width(w), height(h)
    {
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = w;
        info.bmiHeader.biHeight = -h;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        void* memory = NULL;
        dc = CreateCompatibleDC(NULL);
        bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &memory, NULL, 0);
        pixels = static_cast<uint32_t*>(memory);
        previous = SelectObject(dc, bitmap);
    }
    ~Canvas()
    {
        SelectObject(dc, previous);
        DeleteObject(bitmap);
        DeleteDC(dc);
    }
    COLORREF At(int x, int y) const
    {
        uint32_t p = pixels[y * width + x];
        return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
    }
};

}  // namespace

TEST_CASE(PicturesLoadFromEveryFileKindIntoTheirRows)
{
    std::string folder = FreshWorkFolder("mainwindow-pictures");
    Bytes palette = TestPalette768(5);
    TestPicture grey = PatternPicture(67, 5, 1, 1);
    TestPicture colour = PatternPicture(5, 4, 3, 2);
    // Lines long enough for the quick parts of the run-length loops, of the scan this processor runs.
    TestPicture wide = PatternPicture(700, 6, 1, 3);
    CHECK(RunScanAsExpected());
    struct Case {
        const char* name;
        Bytes file;
        const TestPicture* picture;
    } cases[] = {
        {"odd.PCX", PcxFile(grey, 68, &palette), &grey},
        {"colour.pcx", PcxFile(colour, 6, nullptr), &colour},
        {"raw.rid", RidFile(grey), &grey},
        {"packed.Pid", PidPackedFile(grey, grey.pixels[0]), &grey},
        {"rows.pid", PidRowCodedFile(grey), &grey},
        {"wide.pcx", PcxFile(wide, 700, &palette), &wide},
        {"wide-packed.pid", PidPackedFile(wide, wide.pixels[0]), &wide},
        {"wide-rows.pid", PidRowCodedFile(wide), &wide},
        {"grey.bmp", BitmapFile(grey, &palette), &grey},
        {"colour.BMP", BitmapFile(colour, nullptr), &colour},
    };
    HDC screen = GetDC(NULL);
    for (const Case& c : cases) {
        DibImage image;
        bool loaded = image.LoadImageFile(WriteTestFile(folder, c.name, c.file).c_str(), screen) != FALSE;
        if (!loaded || !SamePixels(image, *c.picture))
            testkit::Fail(__FILE__, __LINE__, std::string(c.name) + ": " + DescribeImageStatus(image.status));
        CHECK(image.bitmap != NULL);
        CHECK_EQ(image.bitDepth, c.picture->channels * 8);
        CHECK_EQ(image.rowPadding, image.rowBytes - c.picture->width * c.picture->channels);
        image.Release();
        image.Release();
        CHECK(image.bitmap == NULL && image.bits == NULL && image.rowOffsets == NULL);
    }
    ReleaseDC(NULL, screen);
}

TEST_CASE(RefusedPictureFilesLeaveNothingBehind)
{
    std::string folder = FreshWorkFolder("mainwindow-refused");
    TestPicture picture = PatternPicture(6, 3, 1, 1);
    Bytes bmp = BitmapFile(picture, nullptr);
    Bytes offsetPastEnd = bmp;
    Put32(&offsetPastEnd, 10, 100000);
    Bytes sixteenBits = bmp;
    Put16(&sixteenBits, 28, 16);
    Bytes pcx = PcxFile(picture, 6, nullptr);
    Bytes cutPcx(pcx.begin(), pcx.begin() + 130);
    // 262144 rows of 4 pixels: a row table of 1 MiB from a file of 256 KiB.
    Bytes tallPid = PidHeader(packedRunCoding, 4, 262144, 0);
    tallPid.insert(tallPid.end(), 262144, 0x84);
    struct Case {
        const char* name;
        Bytes file;
        ImageStatus status;
        size_t largestAllocation;  // 0: no limit
    } cases[] = {
        {"past.bmp", offsetPastEnd, ImagePixelsShort},
        {"short.bmp", Bytes(bmp.begin(), bmp.end() - 1), ImagePixelsShort},
        {"deep.bmp", sixteenBits, ImageBadDepth},
        {"cut.pcx", cutPcx, ImageCodesEnd},
        {"tiny.bmp", Bytes(bmp.begin(), bmp.begin() + 20), ImageHeaderShort},
        {"tall.pid", tallPid, ImageNoSurface, 512 * 1024},
    };
    HDC screen = GetDC(NULL);
    for (const Case& c : cases) {
        DibImage image;
        std::string path = WriteTestFile(folder, c.name, c.file);
        {
            AllocationLimit limit(c.largestAllocation ? c.largestAllocation : SIZE_MAX);
            CHECK(!image.LoadImageFile(path.c_str(), screen));
        }
        if (image.status != c.status)
            testkit::Fail(__FILE__, __LINE__, std::string(c.name) + ": " + DescribeImageStatus(image.status));
        CHECK(image.bitmap == NULL && image.rowOffsets == NULL);
    }
    WriteTestFile(folder, "empty.rid", Bytes());
    DibImage image;
    CHECK(!image.LoadImageFile(JoinPath(folder, "empty.rid").c_str(), screen));
    CHECK(!image.LoadImageFile(JoinPath(folder, "missing.pcx").c_str(), screen));
    ReleaseDC(NULL, screen);
}

TEST_CASE(NamesWithoutAFileExtensionAreResourcesOfTheLoaderModule)
{
    HDC screen = GetDC(NULL);
    loaderModule = GetModuleHandleA(NULL);
    DibImage picture;
    REQUIRE(picture.LoadImageFile("GAME1", screen));
    CHECK(picture.width == 320 && picture.height == 240 && picture.bitDepth == 8);
    DibImage numbered;
    CHECK(numbered.LoadImageFile("#138", screen));
    CHECK(std::memcmp(numbered.bits, picture.bits, size_t(picture.rowBytes) * 240) == 0);
    DibImage missing;
    CHECK(!missing.LoadImageFile("GAME7", screen));

    ImagePalette palette;
    REQUIRE(palette.LoadPaletteFile("GAME1", paletteKeepColours));
    CHECK(palette.palette != NULL);
    CHECK(!ImagePalette().LoadPaletteFile("GAME", paletteKeepColours));

    loaderModule = NULL;
    CHECK(!DibImage().LoadImageFile("GAME1", screen));
    CHECK(!ImagePalette().LoadPaletteFile("GAME1", 0));
    ReleaseDC(NULL, screen);
}

TEST_CASE(PaletteFilesGiveTheirColoursWithFlagsClearWhenNothingIsMerged)
{
    std::string folder = FreshWorkFolder("mainwindow-palettes");
    Bytes colours = TestPalette768(9);
    Bytes longer = colours;
    longer.push_back(1);
    std::string names[] = {
        WriteTestFile(folder, "exact.pal", colours),
        WriteTestFile(folder, "withpalette.PCX", PcxFile(PatternPicture(3, 3, 1, 1), 4, &colours)),
        WriteTestFile(folder, "table.bmp", BitmapFile(PatternPicture(3, 3, 1, 1), &colours)),
    };
    // Wine has no palette display, so even without paletteKeepColours no system colour is merged.
    CHECK(!IsPaletteDisplay());
    for (const std::string& name : names) {
        ImagePalette palette;
        REQUIRE(palette.LoadPaletteFile(name.c_str(), 0));
        CHECK_EQ(int(palette.entries.palVersion), 0x300);
        CHECK_EQ(int(palette.entries.palNumEntries), 256);
        PALETTEENTRY read[256];
        CHECK_EQ(GetPaletteEntries(palette.palette, 0, 256, read), 256u);
        int wrong = 0;
        for (int i = 0; i < 256; ++i) {
            wrong += read[i].peRed != colours[i * 3] || read[i].peGreen != colours[i * 3 + 1] ||
                     read[i].peBlue != colours[i * 3 + 2] || palette.entries.palPalEntry[i].peFlags != 0;
        }
        if (wrong) testkit::Fail(__FILE__, __LINE__, name + ": " + std::to_string(wrong) + " entries differ");
    }
    ImagePalette refused;
    CHECK(!refused.LoadPaletteFile(WriteTestFile(folder, "long.pal", longer).c_str(), 0));
    CHECK_EQ(int(refused.status), int(ImagePaletteLength));
    CHECK(refused.palette == NULL);
}

TEST_CASE(EightBitPicturesDrawInTheColoursOfTheSelectedPalette)
{
    // The file's own table is a grey ramp; the palette selected for drawing decides the colours.
    std::string folder = FreshWorkFolder("mainwindow-draw");
    TestPicture picture = {4, 2, 1, {0, 1, 2, 3, 250, 251, 252, 255}};
    Bytes colours = TestPalette768(21);
    std::string pictureName = WriteTestFile(folder, "grey.bmp", BitmapFile(picture, nullptr));
    std::string paletteName = WriteTestFile(folder, "colours.pal", colours);

    Canvas canvas(8, 4);
    DibImage image;
    REQUIRE(image.LoadImageFile(pictureName.c_str(), canvas.dc));
    ImagePalette palette;
    REQUIRE(palette.LoadPaletteFile(paletteName.c_str(), paletteKeepColours));
    HPALETTE previous = SelectPalette(canvas.dc, palette.palette, FALSE);
    RealizePalette(canvas.dc);
    SetStretchBltMode(canvas.dc, COLORONCOLOR);
    CHECK(image.Draw(canvas.dc, 0, 0, 8, 4) != 0);
    SelectPalette(canvas.dc, previous, FALSE);
    int wrong = 0;
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 8; ++x) {
            int index = picture.At(x / 2, y / 2);
            wrong += canvas.At(x, y) != RGB(colours[index * 3], colours[index * 3 + 1], colours[index * 3 + 2]);
        }
    }
    CHECK_EQ(wrong, 0);
}

TEST_CASE(PictureSetOwnsWhatItLoadsAndLendsItsContextWithThePalette)
{
    std::string folder = FreshWorkFolder("mainwindow-set");
    std::string paletteName = WriteTestFile(folder, "set.pal", TestPalette768(2));
    HWND window = CreateWindowA("STATIC", "set", WS_POPUP, 0, 0, 40, 40, NULL, NULL, NULL, NULL);
    REQUIRE(window != NULL);

    ImageSet set;
    CHECK(set.Attach(GetModuleHandleA(NULL), window));
    // A picture loads with no palette current, and failed loads leave the lists alone.
    DibImage* picture = set.AddPicture("GAME1");
    CHECK(picture != NULL);
    CHECK(set.AddPicture("NO SUCH PICTURE") == NULL);
    CHECK(set.AddPalette("NO SUCH PALETTE", 1) == NULL);
    CHECK_EQ(set.pictures.size(), size_t(1));
    CHECK(set.palettes.empty());
    ImagePalette* palette = set.AddPalette(paletteName.c_str(), 1);
    REQUIRE(palette != NULL);
    CHECK(set.currentPalette == NULL);

    HDC plain = set.GetPaletteDC(FALSE, FALSE);
    REQUIRE(plain != NULL);
    HPALETTE before = static_cast<HPALETTE>(GetCurrentObject(plain, OBJ_PAL));
    CHECK(set.previousPalette == NULL);
    set.ReleasePaletteDC(plain);

    set.currentPalette = palette;
    HDC dc = set.GetPaletteDC(TRUE, TRUE);
    REQUIRE(dc != NULL);
    CHECK(GetCurrentObject(dc, OBJ_PAL) == palette->palette);
    CHECK(set.previousPalette == before);
    set.ReleasePaletteDC(dc);
    CHECK(set.previousPalette == NULL);

    HBITMAP section = picture->bitmap;
    HPALETTE logical = palette->palette;
    set.ReleaseAll();
    CHECK(GetObjectType(section) == 0 && GetObjectType(logical) == 0);
    CHECK(set.pictures.empty() && set.palettes.empty() && set.currentPalette == NULL);
    CHECK(set.resourceModule == NULL && set.window == NULL);
    set.ReleaseAll();
    DestroyWindow(window);
}
