// The processor's features outside Windows, from the compiler's CPU check.
#include "utils/ProcessorFeatures.h"

bool ProcessorHasSse2()
{
#if defined(__x86_64__)
    return true;
#elif defined(__i386__)
    __builtin_cpu_init();
    return __builtin_cpu_supports("sse2");
#else
    return false;
#endif
}
