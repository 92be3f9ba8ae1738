// Stand-in plug-in with both exports whose GetSupportedModes answers null.
#include "RendererKit.h"

bool DescribeModes(ModeListBuilder&)
{
    return false;
}
