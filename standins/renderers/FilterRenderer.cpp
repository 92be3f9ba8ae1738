// Stand-in plug-in for the mode filter: one device reporting sizes that pass and sizes that do not.
#include "RendererKit.h"

bool DescribeModes(ModeListBuilder& list)
{
    const char* desc = "Filter Card";
    const char* label = "Filter Label";
    const unsigned sizes[][2] = {{640, 480},   {1280, 1024}, {800, 600}, {720, 480},  {1024, 768},
                                 {640, 400},   {1152, 864},  {512, 384}, {1280, 960}, {320, 240},
                                 {1600, 1200}, {641, 481},   {639, 479}, {642, 481}};
    for (const auto& size : sizes) list.Add(1, desc, label, size[0], size[1], 16);
    // Every depth passes; a huge height whose 4/3 wraps around 32 bits must not pass.
    list.Add(1, desc, label, 640, 480, 8);
    list.Add(1, desc, label, 640, 480, 24);
    list.Add(1, desc, label, 640, 480, 32);
    list.Add(1, desc, label, 0x55555555u, 0xC0000000u, 16);
    return true;
}
