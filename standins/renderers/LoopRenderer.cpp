// Stand-in plug-in with a broken list: the last record links back to the second one.
#include "RendererKit.h"

bool DescribeModes(ModeListBuilder& list)
{
    list.Add(1, "Loop Card", "Loop", 640, 480, 16);
    list.Add(1, "Loop Card", "Loop", 800, 600, 16);
    list.Add(1, "Loop Card", "Loop", 1024, 768, 16);
    list.LoopBackTo(1);
    return true;
}
