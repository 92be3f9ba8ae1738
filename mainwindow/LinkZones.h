// The two invisible web links over the main window's picture: which zone a mouse position lies in.
#ifndef TUMBLERIDGE_LINKZONES_H
#define TUMBLERIDGE_LINKZONES_H

#include <cstdint>

// A rectangle in the dialog's client coordinates, every bound inclusive. A disabled zone holds no point.
struct LinkZone {
    int32_t left;
    int32_t top;
    int32_t right;
    int32_t bottom;
    bool enabled;
};

bool ZoneHolds(const LinkZone& zone, int32_t x, int32_t y);

// 1 or 2 for the zone under the point (zone 1 wins where they overlap), 0 for neither. The position is a
// mouse message's second parameter: x in the low 16 bits and y in the high 16 bits, both unsigned.
int ZoneAtPosition(const LinkZone& first, const LinkZone& second, uint32_t position);

#endif
