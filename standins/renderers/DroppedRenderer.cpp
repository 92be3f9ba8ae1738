// Stand-in plug-in whose every record is dropped by the mode filter; it is still a renderer.
#include "RendererKit.h"

bool DescribeModes(ModeListBuilder& list)
{
    list.Add(1, "Small Card", "Small", 320, 240, 16);
    list.Add(1, "Small Card", "Small", 1280, 1024, 16);
    list.Add(1, "Small Card", "Small", 640, 400, 16);
    return true;
}
