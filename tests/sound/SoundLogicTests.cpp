// The portable half of the 3D sound configuration: provider kinds, the provider list, sample counts.
#include <climits>
#include <string>

#include "TestKit.h"
#include "sound/ProviderKinds.h"
#include "sound/ProviderList.h"
#include "sound/SampleCount.h"

namespace {

const char* const eaxName = "Microsoft DirectSound3D with Creative Labs EAX(TM)";
const char* const hardwareName = "Microsoft DirectSound3D hardware support";
const char* const softwareName = "Microsoft DirectSound3D software emulation";

}  // namespace

TEST_CASE(EachKnownNameGetsItsKind)
{
    struct Row {
        const char* name;
        int kind;
    };
    const Row rows[] = {
        {eaxName, 2},
        {"Aureal A3D Interactive(TM)", 4},
        {hardwareName, 1},
        {softwareName, 3},
        {"Intel Realistic Sound Experience(TM)", 5},
        {"Miles 2D Stereo Positional Audio", 6},
        {"Dolby Surround", 7},
        {"", 7},
    };
    for (const Row& row : rows) {
        if (ProviderKindFromName(row.name) != row.kind)
            testkit::Fail(__FILE__, __LINE__, std::string("wrong kind for \"") + row.name + "\"");
    }
    CHECK_EQ(ProviderKindFromName(NULL), 7);
}

TEST_CASE(EqualityTestsNeedTheWholeNameAndContainmentTestsDoNot)
{
    // A version suffix breaks the two equality tests, and the EAX name contains none of the other texts.
    CHECK_EQ(ProviderKindFromName((std::string(eaxName) + " 2.0").c_str()), 7);
    CHECK_EQ(ProviderKindFromName((std::string(softwareName) + " (slow)").c_str()), 7);
    CHECK_EQ(ProviderKindFromName((std::string("Creative ") + eaxName).c_str()), 7);
    // The containment tests find their text anywhere.
    CHECK_EQ(ProviderKindFromName("Vortex: Aureal A3D Interactive(TM) 2.0"), 4);
    CHECK_EQ(ProviderKindFromName((std::string(hardwareName) + " (SB Live)").c_str()), 1);
    CHECK_EQ(ProviderKindFromName("RSX 3D: Intel Realistic Sound Experience(TM)"), 5);
    CHECK_EQ(ProviderKindFromName("Miles 2D Stereo Positional Audio v6"), 6);
}

TEST_CASE(NameTestsAreCaseSensitiveAndTheFirstMatchWins)
{
    CHECK_EQ(ProviderKindFromName("microsoft directsound3d hardware support"), 7);
    CHECK_EQ(ProviderKindFromName("MICROSOFT DIRECTSOUND3D SOFTWARE EMULATION"), 7);
    CHECK_EQ(ProviderKindFromName("aureal a3d interactive(tm)"), 7);
    // Aureal is tested before the DirectSound hardware text, and that before Intel and Miles.
    CHECK_EQ(ProviderKindFromName((std::string(hardwareName) + " / Aureal A3D Interactive(TM)").c_str()), 4);
    CHECK_EQ(ProviderKindFromName((std::string("Intel Realistic Sound Experience(TM) on ") + hardwareName).c_str()), 1);
    CHECK_EQ(ProviderKindFromName("Miles 2D Stereo Positional Audio + Intel Realistic Sound Experience(TM)"), 5);
}

TEST_CASE(ProviderListHoldsEntriesNewestFirstAndFreesThemAll)
{
    ProviderEntry* first = NULL;
    CHECK_EQ(CountProviders(first), 0);
    REQUIRE(PushProvider(&first, 1, hardwareName) != NULL);
    REQUIRE(PushProvider(&first, 3, softwareName) != NULL);
    REQUIRE(PushProvider(&first, 7, NULL) != NULL);
    CHECK_EQ(CountProviders(first), 3);
    CHECK_EQ(first->kind, 7);
    CHECK_EQ(first->name, "");
    CHECK_EQ(first->next->kind, 3);
    CHECK_EQ(first->next->name, softwareName);
    CHECK_EQ(first->next->next->name, hardwareName);
    CHECK(first->next->next->next == NULL);
    FreeProviders(&first);
    CHECK(first == NULL);
    FreeProviders(&first);  // an empty list is fine too
}

TEST_CASE(ProviderNamesAreCutTo260Characters)
{
    ProviderEntry* first = NULL;
    std::string exact(260, 'x');
    std::string longer = std::string(259, 'y') + "ABCDEF";
    REQUIRE(PushProvider(&first, 7, exact.c_str()) != NULL);
    CHECK_EQ(std::string(first->name), exact);
    REQUIRE(PushProvider(&first, 7, longer.c_str()) != NULL);
    CHECK_EQ(std::strlen(first->name), 260u);
    CHECK_EQ(std::string(first->name), std::string(259, 'y') + "A");
    FreeProviders(&first);
}

TEST_CASE(SampleCountsAcceptOnlyUnsignedDecimalNumbers)
{
    struct Row {
        const char* text;
        uint32_t count;
    };
    const Row rows[] = {
        {"16", 16},
        {"0", 0},
        {"007", 7},
        {"  32\t", 32},
        {"4294967295", UINT32_MAX},
        {"4294967296", 0},
        {"99999999999999999999999999", 0},
        {"-1", 0},
        {"-0", 0},
        {"+5", 0},
        {"abc", 0},
        {"12abc", 0},
        {"1 2", 0},
        {"0x10", 0},
        {"", 0},
        {"   ", 0},
    };
    for (const Row& row : rows) {
        uint32_t count = SampleCountFromText(row.text);
        if (count != row.count)
            testkit::Fail(__FILE__, __LINE__,
                          std::string("\"") + row.text + "\" gave " + std::to_string(count) + ", expected " +
                              std::to_string(row.count));
    }
    CHECK_EQ(SampleCountFromText(NULL), 0u);
}
