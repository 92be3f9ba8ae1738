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
const int maxMarks = 64;
StepMark marks[maxMarks];
int markCount = 0;

void WriteMarks()
{
    char path[MAX_PATH];
    DWORD length = GetEnvironmentVariableA("TUMBLERIDGE_STARTUP_STEPS", path, sizeof path);
    if (length == 0 || length >= sizeof path) return;
    FILE* file = std::fopen(path, "a");
    if (!file) return;
    for (int i = 0; i < markCount; ++i)
        std::fprintf(file, "%s%s=%lld", i ? "|" : "", marks[i].step, static_cast<long long>(marks[i].count));
    std::fprintf(file, "\n");
    std::fclose(file);
}

}  // namespace

void MarkStartupStep(const char* step)
{
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    if (markCount == 0) std::atexit(WriteMarks);
    if (markCount < maxMarks) marks[markCount++] = {step, now.QuadPart};
}
