// Stand-in plug-in for grouping: devices spread over non-adjacent records, a second label for a known
// device, descriptions differing only in case, empty texts, a repeated mode and texts without a NUL.
#include "RendererKit.h"

#include <cstring>

bool DescribeModes(ModeListBuilder& list)
{
    list.Add(0, "", "No Desc", 640, 480, 16);  // dropped: empty cardDesc
    list.Add(7, "Alpha Card", "Alpha One", 640, 480, 16);
    list.Add(0, "Beta Card", "", 640, 480, 16);  // dropped: new device without a label
    list.Add(3, "Beta Card", "Beta", 800, 600, 16);
    list.Add(9, "Alpha Card", "Alpha Two", 800, 600, 16);     // Alpha keeps "Alpha One" and flag 7
    list.Add(0, "alpha card", "Lower Alpha", 1024, 768, 32);  // a device of its own
    list.Add(3, "Beta Card", "", 800, 600, 16);               // known device: kept, and repeated
    list.Add(7, "Alpha Card", "Alpha One", 320, 240, 16);     // dropped: too small
    list.Add(7, "Alpha Card", "Alpha One", 1024, 768, 24);

    // Both texts fill their whole field; the launcher must stop at the field's end.
    ModeRecord full;
    std::memset(&full, 0, sizeof full);
    std::memset(full.cardDesc, 'D', sizeof full.cardDesc);
    std::memset(full.cardLabel, 'L', sizeof full.cardLabel);
    full.width = 640;
    full.height = 480;
    full.bitDepth = 16;
    list.AddRaw(full);
    return true;
}
