// Benchmark of the display catalogue build: 32 copies of the stand-in plug-in BENCH.REN (500 records
// each) are scanned as the display dialog scans the game folder. It prints the whole build, the time
// spent inside the plug-ins (loading, GetSupportedModes, FreeModeList, release) and the launcher's own
// work on the records (walk, filter, grouping, copies, texts), each averaged over the rounds.
//
//   . scripts/wine-env.sh; tr_wine_start $BUILD_ROOT
//   wine $BUILD_ROOT/win64/bench/display_bench.exe [rounds]      (default 20)
//   tr_wine_stop
#include "display/DisplayCatalogue.h"
#include "display/ModeRecord.h"
#include "launcher/ProcLookup.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

const int pluginCount = 32;

double Now()
{
    static LARGE_INTEGER frequency = {};
    if (!frequency.QuadPart) QueryPerformanceFrequency(&frequency);
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    return static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

std::string ExeFolder()
{
    char path[MAX_PATH];
    DWORD length = GetModuleFileNameA(NULL, path, sizeof path);
    std::string text(path, length);
    return text.substr(0, text.find_last_of('\\'));
}

// A fresh folder beside the benchmark holding BENCH00.REN ... BENCH31.REN; false when the plug-in is missing.
bool PreparePlugins(const std::string& folder, std::vector<std::string>* names)
{
    std::string source = ExeFolder() + "\\..\\standins\\BENCH.REN";
    CreateDirectoryA(folder.c_str(), NULL);
    for (int i = 0; i < pluginCount; ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "BENCH%02d.REN", i);
        if (!CopyFileA(source.c_str(), (folder + "\\" + name).c_str(), FALSE)) return false;
        names->push_back(name);
    }
    return true;
}

// The plug-in's share of one catalogue build: every call into a plug-in, without the launcher's copying.
double PluginSide(const std::vector<std::string>& names, std::vector<ModeRecord*>* keptLists,
                  std::vector<HMODULE>* keptModules)
{
    double spent = 0;
    for (const std::string& name : names) {
        double start = Now();
        HMODULE library = LoadLibraryA(name.c_str());
        GetSupportedModesFunction get = LookupProc<GetSupportedModesFunction>(library, "GetSupportedModes");
        FreeModeListFunction release = LookupProc<FreeModeListFunction>(library, "FreeModeList");
        char description[255];
        LoadStringA(library, 5, description, sizeof description);
        ModeRecord* head = get ? get() : NULL;
        spent += Now() - start;
        if (keptLists) {  // hold one list per plug-in for the launcher-side measurement
            keptLists->push_back(head);
            keptModules->push_back(library);
            continue;
        }
        start = Now();
        if (release && head) release(head);
        if (library) FreeLibrary(library);
        spent += Now() - start;
    }
    return spent;
}

}  // namespace

int main(int argc, char** argv)
{
    int rounds = argc > 1 ? std::atoi(argv[1]) : 20;
    if (rounds < 1) rounds = 1;
    std::string folder = ExeFolder() + "\\display-bench-plugins";
    std::vector<std::string> names;
    if (!PreparePlugins(folder, &names)) {
        std::printf("BENCH.REN not found beside the build's stand-ins; build the win64 tree first.\n");
        return 1;
    }
    SetCurrentDirectoryA(folder.c_str());

    double whole = 0;
    std::size_t renderers = 0, modes = 0;
    for (int round = 0; round < rounds; ++round) {
        DisplayCatalogue catalogue;
        double start = Now();
        catalogue.ScanRenderers("");
        ChooseDefaultModes(&catalogue);
        whole += Now() - start;
        renderers = catalogue.renderers.size();
        modes = 0;
        for (const auto& renderer : catalogue.renderers) {
            for (const auto& device : renderer->devices) modes += device->modes.size();
        }
    }

    double plugins = 0;
    for (int round = 0; round < rounds; ++round) plugins += PluginSide(names, NULL, NULL);

    // The launcher's own work, measured directly on lists held open.
    std::vector<ModeRecord*> lists;
    std::vector<HMODULE> modules;
    PluginSide(names, &lists, &modules);
    double own = 0;
    for (int round = 0; round < rounds; ++round) {
        DisplayCatalogue catalogue;
        double start = Now();
        for (std::size_t i = 0; i < lists.size(); ++i) {
            std::unique_ptr<RendererEntry> entry(new RendererEntry(names[i]));
            entry->AddModeRecords(lists[i]);
            catalogue.AppendRenderer(std::move(entry));
        }
        ChooseDefaultModes(&catalogue);
        own += Now() - start;
    }
    for (std::size_t i = 0; i < lists.size(); ++i) {
        FreeModeListFunction release = LookupProc<FreeModeListFunction>(modules[i], "FreeModeList");
        if (release && lists[i]) release(lists[i]);
        FreeLibrary(modules[i]);
    }

    std::printf("display catalogue build: %d plug-ins x 500 records, %d rounds; %u renderers, %u modes kept\n",
                pluginCount, rounds, static_cast<unsigned>(renderers), static_cast<unsigned>(modes));
    std::printf("  whole build (scan and defaults)      %9.3f ms\n", whole * 1000 / rounds);
    std::printf("  inside the plug-ins (load to release) %8.3f ms\n", plugins * 1000 / rounds);
    std::printf("  launcher's own work on the records   %9.3f ms  (%.3f us per record)\n", own * 1000 / rounds,
                own * 1e6 / rounds / (pluginCount * 500.0));
    std::printf("  the rest (folder search, lookups)    %9.3f ms\n", (whole - plugins - own) * 1000 / rounds);
    return 0;
}
