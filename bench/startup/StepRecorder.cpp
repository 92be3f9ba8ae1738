// The timed build's record of start-up steps: the performance counter at each mark, appended at exit as one
// line "step=count|step=count|..." to the file that TUMBLERIDGE_STARTUP_STEPS names (nothing without it).
#include <windows.h>

#include <cstdio>
#include <cstdlib>

#include "launcher/StartupSteps.h"

namespace {

struct StepMark {
    const char* step;
    LONGLONG count;
};
const LONG maxMarks = 64;
StepMark marks[maxMarks];
volatile LONG markCount = 0;  // marks taken, counted by every thread that marks

void WriteMarks()
{
    char path[MAX_PATH];
    DWORD length = GetEnvironmentVariableA("TUMBLERIDGE_STARTUP_STEPS", path, sizeof path);
    if (length == 0 || length >= sizeof path) return;
    FILE* file = std::fopen(path, "a");
    if (!file) return;
    LONG count = markCount < maxMarks ? markCount : maxMarks;
    for (LONG i = 0; i < count; ++i)
        std::fprintf(file, "%s%s=%lld", i ? "|" : "", marks[i].step, static_cast<long long>(marks[i].count));
    std::fprintf(file, "\n");
    std::fclose(file);
}

}  // namespace

void MarkStartupStep(const char* step)
{
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    LONG index = InterlockedIncrement(&markCount) - 1;
    if (index == 0) std::atexit(WriteMarks);
    if (index < maxMarks) marks[index] = {step, now.QuadPart};
}
