// Hit-testing of the link zones: inclusive bounds, zone 1 first, disabled zones, unsigned mouse positions.
#include "TestKit.h"
#include "mainwindow/LinkZones.h"

namespace {

uint32_t Position(uint32_t x, uint32_t y)
{
    return (y << 16) | (x & 0xFFFF);
}

}  // namespace

TEST_CASE(ZonesHoldTheirBordersAndZoneOneWinsWhereTheyOverlap)
{
    LinkZone one = {10, 20, 30, 25, true};
    LinkZone two = {5, 24, 40, 40, true};
    const struct {
        uint32_t x, y;
        int zone;
    } cases[] = {
        {10, 20, 1}, {30, 25, 1}, {31, 20, 0}, {9, 22, 0},  {20, 24, 1},  // overlap: zone 1
        {5, 40, 2},  {40, 26, 2}, {41, 30, 0}, {20, 41, 0}, {0, 0, 0},
    };
    for (const auto& c : cases) CHECK_EQ(ZoneAtPosition(one, two, Position(c.x, c.y)), c.zone);

    // A position left of the window arrives as a large unsigned x and lies in no zone.
    LinkZone wide = {0, 0, 70000, 10, true};
    CHECK_EQ(ZoneAtPosition(wide, two, Position(0xFFFF, 5)), 1);
    CHECK_EQ(ZoneAtPosition(one, two, Position(0xFFFB, 30)), 0);

    LinkZone disabled = {0, 0, 0, 0, false};
    CHECK_EQ(ZoneAtPosition(disabled, two, Position(0, 0)), 0);
    CHECK_EQ(ZoneAtPosition(disabled, disabled, Position(0, 0)), 0);
    CHECK_EQ(ZoneAtPosition(disabled, two, Position(5, 24)), 2);
}
