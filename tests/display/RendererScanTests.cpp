// The plug-in scan against the stand-in renderers: which plug-ins count, the mode filter, grouping,
// the texts, and that every plug-in is queried once and released.
#include "DisplayTestSupport.h"
#include "TestKit.h"
#include "display/DisplayCatalogue.h"
#include "display/ModeRecord.h"
#include "launcher/ProcLookup.h"

#include <windows.h>

namespace {

std::string ModeTexts(const DeviceEntry* device)
{
    std::string joined;
    for (const auto& mode : device->modes) joined += (joined.empty() ? "" : "|") + mode->text;
    return joined;
}

int CountModes(const RendererEntry* renderer)
{
    int count = 0;
    for (const auto& device : renderer->devices) count += static_cast<int>(device->modes.size());
    return count;
}

#if defined(__i386__)
// Calls a plug-in's FreeModeList the way a plain C (__cdecl) caller does: push the argument, call, and
// remove the argument itself. Answers how far the stack pointer moved; a plug-in built as __stdcall
// removes the argument as well and moves it by 4.
int StackMoveOfFreeModeList(FreeModeListFunction freeModeList, ModeRecord* head)
{
    int moved;
    __asm__ volatile(
        "movl %%esp, %%esi\n\t"
        "pushl %2\n\t"
        "call *%1\n\t"
        "addl $4, %%esp\n\t"
        "movl %%esp, %%eax\n\t"
        "subl %%esi, %%eax\n\t"
        "movl %%esi, %%esp\n\t"
        : "=a"(moved)
        : "r"(freeModeList), "r"(head)
        : "esi", "ecx", "edx", "memory", "cc");
    return moved;
}
#endif

}  // namespace

#if defined(__i386__)
TEST_CASE(PluginExportsArePlainCNamesWithTheCallerRemovingTheArguments)
{
    PluginFolder folder("scan-cdecl", {"GROUPS.REN"});
    folder.Write("renderer-calls.log", "");
    HMODULE plugin = LoadLibraryA(folder.Path("GROUPS.REN").c_str());
    REQUIRE(plugin != NULL);
    GetSupportedModesFunction getSupportedModes = LookupProc<GetSupportedModesFunction>(plugin, "GetSupportedModes");
    FreeModeListFunction freeModeList = LookupProc<FreeModeListFunction>(plugin, "FreeModeList");
    CHECK(getSupportedModes != NULL);
    CHECK(freeModeList != NULL);
    if (getSupportedModes && freeModeList) {
        ModeRecord* head = getSupportedModes();
        CHECK(head != NULL);
        CHECK_EQ(StackMoveOfFreeModeList(freeModeList, head), 0);
    }
    FreeLibrary(plugin);
    CHECK_EQ(folder.Read("renderer-calls.log"), "GROUPS.REN GetSupportedModes\nGROUPS.REN FreeModeList head\n");
}
#endif

TEST_CASE(FolderWithoutPluginsGivesAnEmptyCatalogue)
{
    PluginFolder folder("scan-empty", {});
    folder.Write("readme.txt", "no renderers here\n");
    DisplayCatalogue catalogue;
    CHECK_EQ(catalogue.ScanRenderers(""), 0);
    CHECK_EQ(catalogue.ScanRenderers(NULL), 0);
    CHECK_EQ(catalogue.ScanRenderers(folder.Path("no such folder").c_str()), 0);
    CHECK(catalogue.renderers.empty());
    CHECK(catalogue.AddRenderer(NULL) == NULL);
    CHECK(catalogue.AddRenderer("MISSING.REN") == NULL);
}

TEST_CASE(UnusablePluginsAreLeftOutSilentlyAndEveryPluginIsReleased)
{
    PluginFolder folder("scan-unusable", {"NOFREE.REN", "NULLLIST.REN", "FILTER.REN"});
    folder.Write("JUNK.REN", "not a library at all\n");
    folder.Write("renderer-calls.log", "");
    DisplayCatalogue catalogue;
    CHECK_EQ(catalogue.ScanRenderers(""), 1);
    REQUIRE(catalogue.renderers.size() == 1);
    CHECK_EQ(catalogue.renderers[0]->fileName, "FILTER.REN");
    for (const char* name : {"NOFREE.REN", "NULLLIST.REN", "FILTER.REN", "JUNK.REN"}) {
        CHECK(GetModuleHandleA(name) == NULL);
    }
    // The plug-in without FreeModeList is never asked; the one answering null is not handed it back;
    // the usable one gets back the head of its own list.
    std::string log = folder.Read("renderer-calls.log");
    CHECK(log.find("NOFREE.REN") == std::string::npos);
    CHECK(log.find("NULLLIST.REN GetSupportedModes\n") != std::string::npos);
    CHECK(log.find("NULLLIST.REN FreeModeList") == std::string::npos);
    CHECK(log.find("FILTER.REN GetSupportedModes\nFILTER.REN FreeModeList head\n") != std::string::npos);
    CHECK(log.find("other") == std::string::npos);
}

TEST_CASE(FilterPluginKeepsOnlyFourByThreeModesOfEveryDepth)
{
    PluginFolder folder("scan-filter", {"FILTER.REN"});
    DisplayCatalogue catalogue;
    RendererEntry* renderer = catalogue.AddRenderer("FILTER.REN");
    REQUIRE(renderer != NULL);
    CHECK_EQ(renderer->description, "Filter Test Renderer");
    CHECK_EQ(renderer->DisplayText(), "Filter Test Renderer (FILTER.REN)");
    REQUIRE(renderer->devices.size() == 1);
    const DeviceEntry* device = renderer->devices[0].get();
    CHECK_EQ(device->DisplayText(), "Filter Label (Filter Card)");
    CHECK_EQ(device->deviceFlag, 1);
    CHECK_EQ(ModeTexts(device),
             "640 x 480 x 16|800 x 600 x 16|1024 x 768 x 16|1152 x 864 x 16|1280 x 960 x 16|1600 x 1200 x 16|"
             "641 x 481 x 16|640 x 480 x 8|640 x 480 x 24|640 x 480 x 32");
}

TEST_CASE(GroupingFollowsCardDescExactlyAndKeepsTheFirstRecord)
{
    PluginFolder folder("scan-groups", {"GROUPS.REN"});
    DisplayCatalogue catalogue;
    RendererEntry* renderer = catalogue.AddRenderer("GROUPS.REN");
    REQUIRE(renderer != NULL);
    CHECK_EQ(renderer->description, "");
    CHECK_EQ(renderer->DisplayText(), "GROUPS.REN");
    REQUIRE(renderer->devices.size() == 4);
    const DeviceEntry* alpha = renderer->devices[0].get();
    CHECK_EQ(alpha->DisplayText(), "Alpha One (Alpha Card)");
    CHECK_EQ(alpha->deviceFlag, 7);
    CHECK_EQ(ModeTexts(alpha), "640 x 480 x 16|800 x 600 x 16|1024 x 768 x 24");
    const DeviceEntry* beta = renderer->devices[1].get();
    CHECK_EQ(beta->DisplayText(), "Beta (Beta Card)");
    CHECK_EQ(ModeTexts(beta), "800 x 600 x 16|800 x 600 x 16");
    CHECK_EQ(renderer->devices[2]->DisplayText(), "Lower Alpha (alpha card)");
    // Texts that fill their fields without a NUL keep what a terminated field holds.
    CHECK_EQ(renderer->devices[3]->cardDesc, std::string(127, 'D'));
    CHECK_EQ(renderer->devices[3]->cardLabel, std::string(127, 'L'));
}

TEST_CASE(PluginWhoseRecordsAreAllDroppedIsStillARenderer)
{
    PluginFolder folder("scan-dropped", {"DROPPED.REN"});
    DisplayCatalogue catalogue;
    CHECK_EQ(catalogue.ScanRenderers(""), 1);
    REQUIRE(catalogue.renderers.size() == 1);
    CHECK(catalogue.renderers[0]->devices.empty());
    // String 5 is 300 characters long; 254 of them are read.
    std::string expected;
    while (expected.size() < 254) expected += "Overlong renderer description ";
    CHECK_EQ(catalogue.renderers[0]->description, expected.substr(0, 254));
}

TEST_CASE(BrokenAndHugeListsAreReadOnce)
{
    PluginFolder folder("scan-lists", {"LOOP.REN", "MANY.REN"});
    DisplayCatalogue catalogue;
    CHECK_EQ(catalogue.ScanRenderers(""), 2);
    const RendererEntry* loop = catalogue.FindRenderer("LOOP.REN");
    REQUIRE(loop != NULL && loop->devices.size() == 1);
    CHECK_EQ(ModeTexts(loop->devices[0].get()), "640 x 480 x 16|800 x 600 x 16|1024 x 768 x 16");
    const RendererEntry* many = catalogue.FindRenderer("MANY.REN");
    REQUIRE(many != NULL);
    CHECK_EQ(many->devices.size(), size_t(2000));
    CHECK_EQ(CountModes(many), 160000);
    CHECK_EQ(many->devices[1999]->DisplayText(), "Label 1999 (Card 1999)");
    CHECK_EQ(many->devices[1999]->deviceFlag, 1);
}

TEST_CASE(FolderPatternsWithAndWithoutTrailingBackslash)
{
    PluginFolder folder("scan-patterns", {"FILTER.REN", "GROUPS.REN"});
    DisplayCatalogue plain;
    CHECK_EQ(plain.ScanRenderers(folder.path.c_str()), 2);
    DisplayCatalogue slashed;
    CHECK_EQ(slashed.ScanRenderers((folder.path + "\\").c_str()), 2);
    // A folder too long for the 259-character pattern is not cut into some other folder's pattern.
    DisplayCatalogue tooLong;
    CHECK_EQ(tooLong.ScanRenderers((folder.path + "\\" + std::string(260, 'x')).c_str()), 0);
}
