// Stand-in plug-in with a very long list: 200000 records over 2000 interleaved devices.
#include "RendererKit.h"

#include <cstdio>

bool DescribeModes(ModeListBuilder& list)
{
    const int deviceCount = 2000;
    const unsigned sizes[][2] = {{640, 480}, {800, 600}, {1024, 768}, {1280, 1024}, {1600, 1200}};
    char desc[64];
    char label[64];
    for (int round = 0; round < 100; ++round) {
        for (int device = 0; device < deviceCount; ++device) {
            std::snprintf(desc, sizeof desc, "Card %04d", device);
            std::snprintf(label, sizeof label, "Label %04d", device);
            const unsigned* size = sizes[round % 5];
            list.Add(device & 1, desc, label, size[0], size[1], 16 + 8 * (round / 5 % 3));
        }
    }
    return true;
}
