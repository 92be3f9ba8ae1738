// Hit-testing of the main window's two link zones.
#include "mainwindow/LinkZones.h"

bool ZoneHolds(const LinkZone& zone, int32_t x, int32_t y)
{
    return zone.enabled && zone.left <= x && x <= zone.right && zone.top <= y && y <= zone.bottom;
}

int ZoneAtPosition(const LinkZone& first, const LinkZone& second, uint32_t position)
{
    int32_t x = int32_t(position & 0xFFFF);
    int32_t y = int32_t((position >> 16) & 0xFFFF);
    if (ZoneHolds(first, x, y)) return 1;
    if (ZoneHolds(second, x, y)) return 2;
    return 0;
}
