// Loading the stored choice against Wine's real registry.
#include <vector>

#include "TestKit.h"
#include "TestRegistry.h"
#include "launcher/LauncherState.h"
#include "options/ChosenArchives.h"

typedef std::vector<std::string> Names;

namespace {

Names LoadedFrom(DWORD keep, const char* text)
{
    ClearLauncherSettings();  // before the store opens: it must not hold the deleted key
    OpenTestStore();
    WriteSettingDword("Save Rez Files", keep);
    if (text) WriteSettingString("Rez Files", text);
    chosenArchives = {"left over.rez"};
    LoadChosenArchives();
    return chosenArchives;
}

}  // namespace

TEST_CASE(LoadKeepsNamesOnlyWhenTheChoiceIsKept)
{
    CHECK(LoadedFrom(2, "b.rez||a.rez| b .rez|a.rez|") == Names({"b.rez", "a.rez", " b .rez", "a.rez"}));
    CHECK_EQ(keepChoice, 1);  // any value but 0 counts as kept
    CHECK(LoadedFrom(0, "a.rez").empty());
    CHECK_EQ(keepChoice, 0);
    CHECK(LoadedFrom(1, NULL).empty());
    CHECK_EQ(keepChoice, 1);
    ClearLauncherSettings();
    OpenTestStore();
    chosenArchives = {"x.rez"};
    LoadChosenArchives();  // first run: nothing stored at all
    CHECK(chosenArchives.empty());
    CHECK_EQ(keepChoice, 0);
    CloseTestStore();
}

TEST_CASE(LoadLeavesTheListEmptyForValuesThatAreNotAWholeText)
{
    const DWORD number = 7;
    const DWORD types[] = {REG_DWORD, REG_BINARY, REG_EXPAND_SZ, REG_MULTI_SZ};
    for (DWORD type : types) {
        LoadedFrom(1, NULL);
        WriteSettingRaw("Rez Files", type, type == REG_DWORD ? static_cast<const void*>(&number) : "a.rez\0",
                        type == REG_DWORD ? sizeof number : 7);
        chosenArchives = {"x.rez"};
        LoadChosenArchives();
        CHECK(chosenArchives.empty());
    }
    std::string longest = std::string(2041, 'n') + ".rez";
    CHECK(LoadedFrom(1, longest.c_str()) == Names({longest}));
    CHECK(LoadedFrom(1, (longest + "z").c_str()).empty());  // one more character no longer fits the read
    CloseTestStore();
}

TEST_CASE(WithoutAStoreLoadLeavesTheListAlone)
{
    CloseTestStore();
    chosenArchives = {"kept.rez"};
    LoadChosenArchives();
    CHECK(chosenArchives == Names({"kept.rez"}));
}
