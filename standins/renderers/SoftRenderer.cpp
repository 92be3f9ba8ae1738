// Demo plug-in: a software renderer that draws into any display mode of the primary display.
#include "RendererKit.h"

bool DescribeModes(ModeListBuilder& list)
{
    list.Add(0, "software", "Software Rasteriser", 640, 480, 16);
    list.Add(0, "software", "Software Rasteriser", 800, 600, 16);
    list.Add(0, "software", "Software Rasteriser", 1024, 768, 16);
    return true;
}
