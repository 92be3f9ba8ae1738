// Copies the screen into memory through a DIB section and writes it as a .bmp file.
#include "ScreenShot.h"

#include <cstring>

#include "TestFiles.h"

ScreenShot::ScreenShot() : left(0), top(0), width(GetSystemMetrics(SM_CXSCREEN)), height(GetSystemMetrics(SM_CYSCREEN))
{
    Capture();
}

ScreenShot::ScreenShot(const RECT& area)
    : left(area.left), top(area.top), width(area.right - area.left), height(area.bottom - area.top)
{
    Capture();
}

void ScreenShot::Capture()
{
    if (width <= 0 || height <= 0) {
        width = height = 0;
        return;
    }
    pixels.assign(size_t(width) * size_t(height), 0);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    HDC screen = GetDC(NULL);
    HDC memory = CreateCompatibleDC(screen);
    void* bits = NULL;
    HBITMAP section = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, NULL, 0);
    if (section && bits) {
        HGDIOBJ previous = SelectObject(memory, section);
        BitBlt(memory, 0, 0, width, height, screen, left, top, SRCCOPY);
        GdiFlush();
        std::memcpy(pixels.data(), bits, pixels.size() * 4);
        SelectObject(memory, previous);
    }
    if (section) DeleteObject(section);
    DeleteDC(memory);
    ReleaseDC(NULL, screen);
}

COLORREF ScreenShot::At(int x, int y) const
{
    x -= left;
    y -= top;
    if (x < 0 || y < 0 || x >= width || y >= height) return CLR_INVALID;
    uint32_t p = pixels[size_t(y) * size_t(width) + size_t(x)];
    return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}

bool ScreenShot::SaveBitmap(const std::string& path) const
{
    size_t rowBytes = (size_t(width) * 3 + 3) & ~size_t(3);
    std::string file(54, '\0');
    auto put16 = [&](size_t at, uint16_t v) { std::memcpy(&file[at], &v, 2); };
    auto put32 = [&](size_t at, uint32_t v) { std::memcpy(&file[at], &v, 4); };
    put16(0, 0x4D42);  // "BM"
    put32(2, uint32_t(54 + rowBytes * size_t(height)));
    put32(10, 54);
    put32(14, 40);
    put32(18, uint32_t(width));
    put32(22, uint32_t(height));  // bottom row first
    put16(26, 1);
    put16(28, 24);
    for (int y = height - 1; y >= 0; --y) {
        std::string row(rowBytes, '\0');
        for (int x = 0; x < width; ++x)
            std::memcpy(&row[size_t(x) * 3], &pixels[size_t(y) * size_t(width) + size_t(x)], 3);
        file += row;
    }
    return WriteFileBytes(path, file);
}
