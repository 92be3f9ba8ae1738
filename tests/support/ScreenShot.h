// A picture of the screen, or of a rectangle of it, for tests and the screenshot tour.
#ifndef TUMBLERIDGE_SCREENSHOT_H
#define TUMBLERIDGE_SCREENSHOT_H

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

class ScreenShot {
public:
    ScreenShot();                           // the whole screen
    explicit ScreenShot(const RECT& area);  // that rectangle, in screen coordinates

    // The colour at a point given in screen coordinates; CLR_INVALID outside the picture.
    COLORREF At(int x, int y) const;
    // Writes the picture as an uncompressed 24-bit .bmp file.
    bool SaveBitmap(const std::string& path) const;

    int left, top, width, height;
    std::vector<uint32_t> pixels;  // 0x00RRGGBB, top row first

private:
    void Capture();
};

#endif
