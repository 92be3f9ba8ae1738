// Demo plug-in: a hardware renderer with the primary display driver and a 3D add-on card.
#include "RendererKit.h"

bool DescribeModes(ModeListBuilder& list)
{
    const char* primaryDesc = "display";
    const char* primaryLabel = "Primary Display Driver";
    const char* addonDesc = "accel";
    const char* addonLabel = "3D Accelerator";
    const unsigned sizes[][2] = {{640, 480}, {800, 600}, {1024, 768}, {1152, 864}, {1280, 1024}, {1600, 1200}};
    for (unsigned depth = 16; depth <= 32; depth += 16) {
        for (const auto& size : sizes) list.Add(1, primaryDesc, primaryLabel, size[0], size[1], depth);
    }
    list.Add(0, addonDesc, addonLabel, 640, 480, 16);
    list.Add(0, addonDesc, addonLabel, 800, 600, 16);
    return true;
}
