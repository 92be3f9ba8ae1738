// Stand-in plug-in for the catalogue benchmark: 500 records over four devices, most of them kept.
#include "RendererKit.h"

#include <cstdio>

bool DescribeModes(ModeListBuilder& list)
{
    const unsigned sizes[][2] = {{640, 480},   {800, 600},   {1024, 768}, {1152, 864},  {1280, 960},
                                 {1600, 1200}, {1280, 1024}, {720, 480},  {2048, 1536}, {1920, 1440}};
    const unsigned depths[] = {8, 16, 24, 32};
    char desc[64];
    char label[64];
    for (int i = 0; i < 500; ++i) {
        int device = i % 4;
        std::snprintf(desc, sizeof desc, "Bench Adapter %d", device);
        std::snprintf(label, sizeof label, "Bench Card %d", device);
        const unsigned* size = sizes[(i / 4) % 10];
        list.Add(device == 0, desc, label, size[0], size[1], depths[(i / 40) % 4]);
    }
    return true;
}
