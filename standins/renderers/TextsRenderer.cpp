// Stand-in plug-in for the saved choice: device texts that autoexec.cfg can and cannot carry back.
#include "RendererKit.h"

#include <cstring>

bool DescribeModes(ModeListBuilder& list)
{
    const char* const descs[] = {
        "Plain Card",
        "Blank End ",
        "Tab\tInside",
        " Blank Start",
        "\"Quote Start",
        "Quote End\"",
        "Two\r\nLines",
        "Text\x1A"
        "End Mark",
    };
    for (const char* desc : descs) list.Add(0, desc, "Label", 640, 480, 16);

    // A cardDesc that fills its whole field without a NUL.
    ModeRecord full;
    std::memset(&full, 0, sizeof full);
    std::memset(full.cardDesc, 'W', sizeof full.cardDesc);
    std::strcpy(full.cardLabel, "Wide");
    full.width = 640;
    full.height = 480;
    full.bitDepth = 16;
    list.AddRaw(full);
    return true;
}
