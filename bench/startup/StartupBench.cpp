// Measures the time from process creation to the first visible dialog, for the launcher (in a game folder
// of its own) and for a bare program that shows one empty dialog, and prints both and their ratio.
// Usage: StartupBench <launcher.exe> <bare.exe> <work folder> [runs]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "DialogSearch.h"

namespace {

// Milliseconds from CreateProcess to a visible dialog of the new process; -1 on failure.
double TimeToDialog(const std::string& exe, const std::string& folder)
{
    std::string line = "\"" + exe + "\"";
    std::vector<char> command(line.begin(), line.end());
    command.push_back('\0');
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    LARGE_INTEGER frequency, start, now;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    if (!CreateProcessA(exe.c_str(), &command[0], NULL, NULL, FALSE, 0, NULL, folder.c_str(), &startup, &process))
        return -1;
    HWND found = NULL;
    double elapsed = -1;
    for (int i = 0; i < 30000; ++i) {
        found = FindProcessDialog(process.dwProcessId, [](HWND) { return true; });
        if (found) {
            QueryPerformanceCounter(&now);
            elapsed = 1000.0 * static_cast<double>(now.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
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

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 4) {
        std::printf("usage: StartupBench <launcher.exe> <bare.exe> <work folder> [runs]\n");
        return 2;
    }
    int runs = argc > 4 ? std::atoi(argv[4]) : 9;
    std::vector<double> launcher, bare;
    // Alternate the two, so that a busy moment of the machine falls on both alike.
    for (int run = 0; run < runs; ++run) {
        double l = TimeToDialog(argv[1], argv[3]);
        double b = TimeToDialog(argv[2], argv[3]);
        if (l < 0 || b < 0) {
            std::printf("run %d failed (launcher %.1f ms, bare %.1f ms)\n", run, l, b);
            return 1;
        }
        launcher.push_back(l);
        bare.push_back(b);
    }
    double l = Median(launcher), b = Median(bare);
    std::printf("start to first dialog, median of %d runs:\n", runs);
    std::printf("  Tumbleridge.exe   %8.1f ms\n", l);
    std::printf("  bare dialog       %8.1f ms\n", b);
    std::printf("  ratio             %8.2f\n", l / b);
    return 0;
}
