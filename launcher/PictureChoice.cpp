// The random choice of the main window's picture.
#include "launcher/PictureChoice.h"

#include <cstdio>
#include <cstdlib>

int PictureCountFromText(const char* text)
{
    // Read like atoi, but a number too large for an int does not overflow.
    long count = text ? std::strtol(text, nullptr, 10) : 0;
    if (count > 1000000) count = 1000000;
    return count < 1 ? 1 : static_cast<int>(count);
}

void ChoosePicture(int count, uint32_t* lastRandom, RandomFunction random, char* name, size_t capacity)
{
    if (count <= 1) {
        std::snprintf(name, capacity, "GAME%i", 1);
        return;
    }
    int pick = random() % count;
    for (int pass = 0; pass < 20; ++pass) {
        if (static_cast<uint32_t>(pick) == *lastRandom) pick = random() % count;
    }
    std::snprintf(name, capacity, "GAME%i", pick + 1);
    *lastRandom = static_cast<uint32_t>(pick);
}
