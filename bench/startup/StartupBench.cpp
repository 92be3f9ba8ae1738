// Measures the time from process creation to the first visible dialog, for the launcher (in a game folder
// of its own), for its own window "GAME" shown by a program that does nothing else, and for a bare program
// that shows one empty dialog: once on the machine as it is, and once with more processes running (small
// sleepers), and prints both rows with the launcher's ratios to the other two. Given the timed builds of the
// three, it then prints when each start-up step ended (median of the runs).
// Usage: StartupBench <launcher.exe> <same window.exe> <bare.exe> <work folder> <runs> <sleeper.exe> <sleepers>
//                     [<timed launcher.exe> <timed same window.exe> <timed bare.exe> <steps file>]
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

// The programs compared, in the order of their columns; the launcher is the first.
const int programCount = 3;
const char* const programNames[programCount] = {"Tumbleridge.exe", "same window", "bare dialog"};

struct Row {
    double times[programCount];   // median of each program's runs
    double ratios[programCount];  // median ratio of a launcher run to the other program's run of the same round
};

// Runs the programs in rounds, each once per round, and takes the median of each one's times and of the
// ratios of the launcher's run to each other program's run of the same round: on a shared machine the load
// drifts from second to second, and runs taken together see the same load. Each round starts with the next
// program in turn, so none always runs first. False when a run failed.
bool MeasureRow(const char* const* programs, const char* folder, int runs, Row* row)
{
    // A round of each first, not counted: the first starts after the Wine server came up fill caches,
    // and Wine's own services are still settling.
    for (int round = 0; round < 3; ++round) {
        for (int p = 0; p < programCount; ++p) {
            if (TimeToDialog(programs[p], folder) < 0) {
                std::printf("warm-up round %d failed: %s showed no dialog\n", round, programs[p]);
                return false;
            }
        }
    }
    std::vector<double> times[programCount], ratios[programCount];
    for (int round = 0; round < runs; ++round) {
        double took[programCount];
        for (int i = 0; i < programCount; ++i) {
            int p = (round + i) % programCount;
            took[p] = TimeToDialog(programs[p], folder);
            if (took[p] < 0) {
                std::printf("round %d failed: %s showed no dialog\n", round, programs[p]);
                return false;
            }
        }
        for (int p = 0; p < programCount; ++p) {
            times[p].push_back(took[p]);
            ratios[p].push_back(took[0] / took[p]);
        }
    }
    for (int p = 0; p < programCount; ++p) {
        row->times[p] = Median(times[p]);
        row->ratios[p] = Median(ratios[p]);
    }
    return true;
}

void PrintRow(const char* label, const Row& row)
{
    std::printf("  %-24s", label);
    for (int p = 0; p < programCount; ++p) std::printf(" %15.1f", row.times[p]);
    for (int p = 1; p < programCount; ++p) std::printf(" %15.2f", row.ratios[p]);
    std::printf("\n");
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
    if (argc != 8 && argc != 12) {
        std::printf(
            "usage: StartupBench <launcher.exe> <same window.exe> <bare.exe> <work folder> <runs> <sleeper.exe>\n"
            "                    <sleepers> [<timed launcher.exe> <timed same window.exe> <timed bare.exe>\n"
            "                    <steps file>]\n");
        return 2;
    }
    const char* const programs[programCount] = {argv[1], argv[2], argv[3]};
    const char* folder = argv[4];
    int runs = std::max(1, std::atoi(argv[5]));
    int sleeperCount = std::max(0, std::atoi(argv[7]));
    bool timed = argc == 12;
    const char* const timedPrograms[programCount] = {timed ? argv[8] : nullptr, timed ? argv[9] : nullptr,
                                                     timed ? argv[10] : nullptr};
    const char* stepsFile = timed ? argv[11] : nullptr;

    Row idle, loaded;
    if (!MeasureRow(programs, folder, runs, &idle)) return 1;
    if (timed) {
        PrintSteps("start-up steps of the launcher's timed build", timedPrograms[0], folder, stepsFile, runs);
        PrintSteps("steps of the same window's timed build", timedPrograms[1], folder, stepsFile, runs);
        PrintSteps("steps of the bare dialog's timed build", timedPrograms[2], folder, stepsFile, runs);
    }
    {
        Sleepers sleepers;
        if (!sleepers.Start(argv[6], sleeperCount)) {
            std::printf("could not start %d sleepers\n", sleeperCount);
            return 1;
        }
        if (!MeasureRow(programs, folder, runs, &loaded)) return 1;
        if (timed) {
            PrintSteps("the launcher's steps with the sleepers running", timedPrograms[0], folder, stepsFile, runs);
            PrintSteps("the same window's steps with the sleepers running", timedPrograms[1], folder, stepsFile, runs);
        }
    }

    std::printf(
        "start to first dialog, median of %d runs of each (ms), and the median ratio of a launcher run to\n"
        "the other program's run of the same round:\n",
        runs);
    std::printf("  %-24s", "");
    for (int p = 0; p < programCount; ++p) std::printf(" %15s", programNames[p]);
    for (int p = 1; p < programCount; ++p) std::printf(" %15s", (std::string("/ ") + programNames[p]).c_str());
    std::printf("\n");
    PrintRow("as the machine is", idle);
    char label[64];
    std::snprintf(label, sizeof label, "with %d more processes", sleeperCount);
    PrintRow(label, loaded);
    return 0;
}
