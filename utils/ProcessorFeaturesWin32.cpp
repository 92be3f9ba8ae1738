// The processor's features on Windows, which also says whether the system supports them.
#include <windows.h>

#include "utils/ProcessorFeatures.h"

bool ProcessorHasSse2()
{
    return IsProcessorFeaturePresent(PF_XMMI64_INSTRUCTIONS_AVAILABLE) != 0;
}
