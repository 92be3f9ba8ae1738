// Measures the time from process creation to the first visible dialog, for the launcher (in a game folder
// of its own) and for a bare program that shows one empty dialog: once on the machine as it is, and once
// with more processes running (small sleepers), and prints both rows and their ratios. Given the launcher's
// timed build and the bare program's, it then prints when each start-up step ended (median of the runs).
// Usage: StartupBench <launcher.exe> <bare.exe> <work folder> <runs> <sleeper.exe> <sleepers>
//                     [<timed launcher.exe> <timed bare.exe> <steps file>]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "ProcessDriver.h"

namespace {

double Milliseconds(LONGLONG counts)
{
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(counts) / static_cast<double>(frequency.QuadPart);
}

// Milliseconds from CreateProcess to a visible dialog of the new process; -1 on failure. *startCount gets
// the performance counter just before CreateProcess (the counter is the same in every process).
double TimeToDialog(const std::string& exe, const std::string& folder, LONGLONG* startCount = nullptr)
{
    std::string line = "\"" + exe + "\"";
    std::vector<char> command(line.begin(), line.end());
    command.push_back('\0');
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    LARGE_INTEGER start, now;
    QueryPerformanceCounter(&start);
    if (startCount) *startCount = start.QuadPart;
    if (!CreateProcessA(exe.c_str(), &command[0], NULL, NULL, FALSE, 0, NULL, folder.c_str(), &startup, &process))
        return -1;
    HWND found = NULL;
    double elapsed = -1;
    for (int i = 0; i < 30000; ++i) {
        found = FindProcessDialog(process.dwProcessId, [](HWND) { return true; });
        if (found) {
            QueryPerformanceCounter(&now);
            elapsed = Milliseconds(now.QuadPart - start.QuadPart);
            break;
        }
        Sleep(1);
    }
    if (found) PostMessageA(found, WM_COMMAND, IDCANCEL, 0);
    if (WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0) TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return elapsed;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? -1 : values[values.size() / 2];
}

// Small programs that run, doing nothing, until this object ends them.
class Sleepers {
public:
    ~Sleepers()
    {
        for (HANDLE process : processes) {
            TerminateProcess(process, 0);
            WaitForSingleObject(process, 5000);
            CloseHandle(process);
        }
        if (running) CloseHandle(running);
    }

    // Starts count sleepers and waits until each has said that it runs.
    bool Start(const std::string& exe, int count)
    {
        if (count <= 0) return true;
        SECURITY_ATTRIBUTES inherit = {sizeof inherit, NULL, TRUE};
        running = CreateSemaphoreA(&inherit, 0, count, NULL);
        if (!running) return false;
        for (int i = 0; i < count; ++i) {
            std::string line = "\"" + exe + "\" " + std::to_string(reinterpret_cast<INT_PTR>(running));
            std::vector<char> command(line.begin(), line.end());
            command.push_back('\0');
            STARTUPINFOA startup = {};
            startup.cb = sizeof startup;
            PROCESS_INFORMATION process = {};
            if (!CreateProcessA(exe.c_str(), &command[0], NULL, NULL, TRUE, 0, NULL, NULL, &startup, &process))
                return false;
            CloseHandle(process.hThread);
            processes.push_back(process.hProcess);
        }
        for (int i = 0; i < count; ++i) {
            if (WaitForSingleObject(running, 30000) != WAIT_OBJECT_0) return false;
        }
        return true;
    }

private:
    HANDLE running = NULL;
    std::vector<HANDLE> processes;
};

struct Row {
    double launcher;
    double bare;
    double ratio;
};

// Median times of the launcher and the bare program, run in turn, and the median of the ratios of each
// launcher run to the bare run right after it: on a shared machine the load drifts from second to second,
// and a pair taken together sees the same load. False when a run failed.
bool MeasureRow(const char* launcher, const char* bare, const char* folder, int runs, Row* row)
{
    // A few runs of each first, not counted: the first starts after the Wine server came up fill caches,
    // and Wine's own services are still settling.
    for (int run = 0; run < 3; ++run) {
        double l = TimeToDialog(launcher, folder);
        double b = l < 0 ? -1 : TimeToDialog(bare, folder);
        if (l < 0 || b < 0) {
            std::printf("warm-up run %d failed: %s showed no dialog\n", run, l < 0 ? launcher : bare);
            return false;
        }
    }
    std::vector<double> launcherTimes, bareTimes, ratios;
    for (int run = 0; run < runs; ++run) {
        double l = TimeToDialog(launcher, folder);
        double b = TimeToDialog(bare, folder);
        if (l < 0 || b < 0) {
            std::printf("run %d failed (launcher %.1f ms, bare %.1f ms)\n", run, l, b);
            return false;
        }
        launcherTimes.push_back(l);
        bareTimes.push_back(b);
        ratios.push_back(l / b);
    }
    row->launcher = Median(launcherTimes);
    row->bare = Median(bareTimes);
    row->ratio = Median(ratios);
    return true;
}

// Step marks of one run of a timed build: the steps in their order, and the milliseconds from the start
// of CreateProcess to the end of each (a step marked more than once counts at its first mark).
struct StepRun {
    std::vector<std::string> order;
    std::map<std::string, double> at;
};

bool ReadStepRun(const char* file, LONGLONG startCount, StepRun* run)
{
    FILE* input = std::fopen(file, "r");
    if (!input) return false;
    char line[4096];
    bool read = std::fgets(line, sizeof line, input) != NULL;
    std::fclose(input);
    if (!read) return false;
    std::string text(line);
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
    size_t begin = 0;
    while (begin < text.size()) {
        size_t end = text.find('|', begin);
        if (end == std::string::npos) end = text.size();
        std::string mark = text.substr(begin, end - begin);
        size_t equals = mark.rfind('=');
        if (equals != std::string::npos) {
            std::string step = mark.substr(0, equals);
            if (!run->at.count(step)) {
                run->order.push_back(step);
                run->at[step] = Milliseconds(std::atoll(mark.c_str() + equals + 1) - startCount);
            }
        }
        begin = end + 1;
    }
    return !run->order.empty();
}

// Runs a timed build runs times and prints, per step, the median time at which it ended and the median of
// its own length.
void PrintSteps(const char* title, const char* exe, const char* folder, const char* stepsFile, int runs)
{
    SetEnvironmentVariableA("TUMBLERIDGE_STARTUP_STEPS", stepsFile);
    std::vector<StepRun> measured;
    std::vector<double> seen;
    for (int i = 0; i < runs; ++i) {
        DeleteFileA(stepsFile);
        LONGLONG start = 0;
        double shown = TimeToDialog(exe, folder, &start);
        StepRun run;
        if (shown >= 0 && ReadStepRun(stepsFile, start, &run)) {
            measured.push_back(run);
            seen.push_back(shown);
        }
    }
    SetEnvironmentVariableA("TUMBLERIDGE_STARTUP_STEPS", NULL);
    DeleteFileA(stepsFile);
    std::printf("%s, median of %d runs (ms):\n", title, static_cast<int>(measured.size()));
    if (measured.empty()) return;
    std::printf("  %-34s %8s %8s\n", "step", "ends at", "takes");
    const StepRun& first = measured[0];
    // A step named "lane: step" ran on a thread of its own: it takes from the lane's previous step, or from
    // the entry point; every other step takes from the previous step of the main thread.
    std::map<std::string, std::string> previous;
    for (const std::string& step : first.order) {
        size_t colon = step.find(": ");
        std::string lane = colon == std::string::npos ? "" : step.substr(0, colon);
        if (!lane.empty() && !previous.count(lane)) previous[lane] = first.order[0];
        std::vector<double> ends, lengths;
        for (const StepRun& run : measured) {
            auto at = run.at.find(step);
            if (at == run.at.end()) continue;
            ends.push_back(at->second);
            auto before = run.at.find(previous[lane]);
            lengths.push_back(at->second - (before == run.at.end() ? 0 : before->second));
        }
        std::printf("  %-34s %8.1f %8.1f\n", step.c_str(), Median(ends), Median(lengths));
        previous[lane] = step;
    }
    std::printf("  %-34s %8.1f\n", "seen visible by this benchmark", Median(seen));
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 7 && argc != 10) {
        std::printf(
            "usage: StartupBench <launcher.exe> <bare.exe> <work folder> <runs> <sleeper.exe> <sleepers>\n"
            "                    [<timed launcher.exe> <timed bare.exe> <steps file>]\n");
        return 2;
    }
    const char* folder = argv[3];
    int runs = std::max(1, std::atoi(argv[4]));
    int sleeperCount = std::max(0, std::atoi(argv[6]));

    bool timed = argc == 10;
    Row idle, loaded;
    if (!MeasureRow(argv[1], argv[2], folder, runs, &idle)) return 1;
    if (timed) {
        PrintSteps("start-up steps of the launcher's timed build", argv[7], folder, argv[9], runs);
        PrintSteps("steps of the bare dialog's timed build", argv[8], folder, argv[9], runs);
    }
    {
        Sleepers sleepers;
        if (!sleepers.Start(argv[5], sleeperCount)) {
            std::printf("could not start %d sleepers\n", sleeperCount);
            return 1;
        }
        if (!MeasureRow(argv[1], argv[2], folder, runs, &loaded)) return 1;
        if (timed) PrintSteps("the launcher's steps with the sleepers running", argv[7], folder, argv[9], runs);
    }

    std::printf("start to first dialog, median of %d runs (ms), and the median ratio of a run to its bare pair:\n",
                runs);
    std::printf("  %-26s %15s %11s %7s\n", "", "Tumbleridge.exe", "bare dialog", "ratio");
    std::printf("  %-26s %15.1f %11.1f %7.2f\n", "as the machine is", idle.launcher, idle.bare,
                idle.launcher / idle.bare);
    char label[64];
    std::snprintf(label, sizeof label, "with %d more processes", sleeperCount);
    std::printf("  %-26s %15.1f %11.1f %7.2f\n", label, loaded.launcher, loaded.bare, loaded.ratio);
    return 0;
}
