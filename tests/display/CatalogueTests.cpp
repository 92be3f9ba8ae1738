// The display catalogue without plug-ins: the mode filter, the record walk, lookups, texts and defaults.
#include "TestKit.h"
#include "TestText.h"
#include "display/DisplayCatalogue.h"
#include "display/ModeRecord.h"

#include <chrono>
#include <cstdio>
#include <cstring>
#include <deque>

namespace {

// A plug-in's list made in memory; records never move once added (deque), so links stay valid.
struct RecordList {
    std::deque<ModeRecord> records;

    ModeRecord& Add(int flag, const char* desc, const char* label, unsigned width, unsigned height, unsigned depth = 16)
    {
        ModeRecord record;
        std::memset(&record, 0, sizeof record);
        record.deviceFlag = flag;
        std::snprintf(record.cardDesc, sizeof record.cardDesc, "%s", desc);
        std::snprintf(record.cardLabel, sizeof record.cardLabel, "%s", label);
        record.width = width;
        record.height = height;
        record.bitDepth = depth;
        records.push_back(record);
        if (records.size() > 1) records[records.size() - 2].next = &records.back();
        return records.back();
    }
    const ModeRecord* Head() const { return records.empty() ? nullptr : &records.front(); }
};

std::vector<std::string> ModeTexts(const DeviceEntry* device)
{
    std::vector<std::string> texts;
    for (const auto& mode : device->modes) texts.push_back(mode->text);
    return texts;
}

}  // namespace

TEST_CASE(ModeFilterKeepsOnlyFourByThreeFrom640By480)
{
    struct Case {
        unsigned width, height;
        bool kept;
    };
    const Case cases[] = {
        {640, 480, true},
        {800, 600, true},
        {1024, 768, true},
        {1152, 864, true},
        {1280, 960, true},
        {1600, 1200, true},
        {641, 481, true},
        {1280, 1024, false},
        {720, 480, false},
        {640, 400, false},
        {512, 384, false},
        {320, 240, false},
        {639, 479, false},
        {642, 481, false},
        {640, 479, false},
        {853, 640, true},
        // 0xC0000000 * 4 wraps to 0 in 32 bits: nothing equals it but 0, which is below the minimum.
        {0x55555555u, 0xC0000000u, false},
        {0, 0xC0000000u, false},
        {0xFFFFFFFFu, 0xFFFFFFFFu, false},
    };
    for (const Case& c : cases) {
        if (IsKeptMode(c.width, c.height) != c.kept) {
            std::printf("    %u x %u\n", c.width, c.height);
            CHECK_EQ(IsKeptMode(c.width, c.height), c.kept);
        }
    }
}

TEST_CASE(RecordWalkGroupsByCardDescAndKeepsTheFirstRecordsTexts)
{
    RecordList list;
    list.Add(0, "", "No Desc", 640, 480);
    list.Add(7, "Alpha", "Alpha One", 640, 480);
    list.Add(0, "Beta", "", 640, 480);  // new device without a label: skipped
    list.Add(3, "Beta", "Beta", 800, 600);
    list.Add(9, "Alpha", "Alpha Two", 800, 600, 32);  // second label of a known device
    list.Add(0, "alpha", "Lower", 1024, 768);         // differs only in case: a device of its own
    list.Add(3, "Beta", "", 800, 600);                // known device, empty label: kept, a repeat
    list.Add(7, "Alpha", "Alpha One", 320, 240);      // too small
    RendererEntry renderer("X.REN");
    CHECK_EQ(renderer.AddModeRecords(list.Head()), size_t(5));
    REQUIRE(renderer.devices.size() == 3);
    const DeviceEntry* alpha = renderer.devices[0].get();
    CHECK_EQ(alpha->cardDesc, "Alpha");
    CHECK_EQ(alpha->cardLabel, "Alpha One");
    CHECK_EQ(alpha->deviceFlag, 7);
    CHECK_EQ(Joined(ModeTexts(alpha)), "640 x 480 x 16|800 x 600 x 32");
    CHECK_EQ(renderer.devices[1]->cardDesc, "Beta");
    CHECK_EQ(Joined(ModeTexts(renderer.devices[1].get())), "800 x 600 x 16|800 x 600 x 16");
    CHECK_EQ(renderer.devices[2]->cardDesc, "alpha");
    CHECK(renderer.FindDevice("ALPHA") == nullptr);
    // Equal modes stay two entries; lookups find the first.
    DeviceEntry* beta = renderer.devices[1].get();
    CHECK(beta->FindMode(800, 600, 16) == beta->modes[0].get());
    // Later walks (another list of the same plug-in) add to the devices already there.
    RecordList more;
    more.Add(1, "Beta", "Other", 1024, 768);
    renderer.AddModeRecords(more.Head());
    CHECK_EQ(renderer.devices.size(), size_t(3));
    CHECK_EQ(beta->modes.size(), size_t(3));
    CHECK_EQ(beta->cardLabel, "Beta");
}

TEST_CASE(RecordWalkReadsTextsOnlyWithinTheirFields)
{
    RecordList list;
    ModeRecord& full = list.Add(1, "", "", 640, 480);
    std::memset(full.cardDesc, 'D', sizeof full.cardDesc);
    std::memset(full.cardLabel, 'L', sizeof full.cardLabel);
    RendererEntry renderer("X.REN");
    renderer.AddModeRecords(list.Head());
    REQUIRE(renderer.devices.size() == 1);
    // What a terminated field can hold, and what "autoexec.cfg" can carry back.
    CHECK_EQ(renderer.devices[0]->cardDesc, std::string(modeRecordTextSize - 1, 'D'));
    CHECK_EQ(renderer.devices[0]->cardLabel, std::string(modeRecordTextSize - 1, 'L'));
}

TEST_CASE(RecordWalkEndsWhereTheListRunsBackIntoItself)
{
    RecordList list;
    list.Add(1, "Loop", "Loop", 640, 480);
    list.Add(1, "Loop", "Loop", 800, 600);
    list.Add(1, "Loop", "Loop", 1024, 768);
    list.records.back().next = &list.records[1];
    RendererEntry renderer("X.REN");
    CHECK_EQ(renderer.AddModeRecords(list.Head()), size_t(3));
    REQUIRE(renderer.devices.size() == 1);
    CHECK_EQ(Joined(ModeTexts(renderer.devices[0].get())), "640 x 480 x 16|800 x 600 x 16|1024 x 768 x 16");

    RecordList self;
    self.Add(1, "Self", "Self", 640, 480).next = &self.records[0];
    RendererEntry single("Y.REN");
    CHECK_EQ(single.AddModeRecords(self.Head()), size_t(1));
    CHECK_EQ(single.AddModeRecords(nullptr), size_t(0));
}

TEST_CASE(RecordWalkOfManyInterleavedDevicesStaysLinear)
{
    RecordList list;
    char desc[32];
    const int devices = 2000;
    for (int round = 0; round < 50; ++round) {
        for (int device = 0; device < devices; ++device) {
            std::snprintf(desc, sizeof desc, "Card %d", device);
            list.Add(0, desc, "Label", round % 2 ? 800 : 640, round % 2 ? 600 : 480, 8 + round);
        }
    }
    RendererEntry renderer("X.REN");
    auto start = std::chrono::steady_clock::now();
    CHECK_EQ(renderer.AddModeRecords(list.Head()), size_t(100000));
    double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    REQUIRE(renderer.devices.size() == size_t(devices));
    CHECK_EQ(renderer.devices[1234]->cardDesc, "Card 1234");
    CHECK_EQ(renderer.devices[1234]->modes.size(), size_t(50));
    CHECK_EQ(renderer.devices[1234]->modes[49]->text, "800 x 600 x 57");
    // A linear search per record costs about 10^8 text comparisons here; the index keeps it far below.
    CHECK(seconds < 5.0);
}

TEST_CASE(LookupsAndSelectionsLeaveTheChoiceAloneWhenNothingMatches)
{
    DisplayCatalogue catalogue;
    RendererEntry* renderer = catalogue.AppendRenderer(std::make_unique<RendererEntry>("Soft.REN"));
    CHECK(catalogue.FindRenderer("Soft.REN") == renderer);
    CHECK(catalogue.FindRenderer("SOFT.REN") == nullptr);
    CHECK(catalogue.FindRenderer(nullptr) == nullptr);

    CHECK(renderer->AddDevice("", "label", 0) == nullptr);
    CHECK(renderer->AddDevice("desc", "", 0) == nullptr);
    CHECK(renderer->AddDevice(nullptr, "label", 0) == nullptr);
    CHECK(renderer->devices.empty());
    DeviceEntry* device = renderer->AddDevice("desc", "label", 0);
    REQUIRE(device != nullptr);
    CHECK(renderer->SelectDevice("desc"));
    CHECK(renderer->selectedDevice == device);
    CHECK(!renderer->SelectDevice("other"));
    CHECK(renderer->selectedDevice == device);
    CHECK(renderer->FindDevice(nullptr) == nullptr);

    ModeEntry* mode = device->AddMode(800, 600, 16);
    CHECK(device->SelectMode(800, 600, 16));
    CHECK(!device->SelectMode(800, 600, 32));
    CHECK(device->selectedMode == mode);

    device->Clear();
    CHECK(device->modes.empty() && device->selectedMode == nullptr);
    renderer->Clear();
    CHECK(renderer->devices.empty() && renderer->selectedDevice == nullptr);
    catalogue.selectedRenderer = renderer;
    catalogue.Clear();
    CHECK(catalogue.renderers.empty() && catalogue.selectedRenderer == nullptr);
}

TEST_CASE(ListTextsOfRenderersDevicesAndModes)
{
    RendererEntry plain("SOFT.REN");
    CHECK_EQ(plain.DisplayText(), "SOFT.REN");
    RendererEntry described("D3D.REN");
    described.description = "Hardware";
    CHECK_EQ(described.DisplayText(), "Hardware (D3D.REN)");
    DeviceEntry device("display", "Primary Display Driver", 1);
    CHECK_EQ(device.DisplayText(), "Primary Display Driver (display)");
    // Widths are signed in the catalogue: a huge reported number shows as the plug-in's bits read signed.
    CHECK_EQ(ModeEntry(1024, 768, 32).text, "1024 x 768 x 32");
    CHECK_EQ(ModeEntry(-1, 0, -16).text, "-1 x 0 x -16");
}

TEST_CASE(DefaultModesDependOnTheDeviceFlagAndKeepAChoiceMade)
{
    DisplayCatalogue catalogue;
    RendererEntry* renderer = catalogue.AppendRenderer(std::make_unique<RendererEntry>("R.REN"));
    DeviceEntry* flagged = renderer->AddDevice("flagged", "F", 4);
    flagged->AddMode(1024, 768, 16);
    ModeEntry* flaggedDefault = flagged->AddMode(800, 600, 16);
    DeviceEntry* plain = renderer->AddDevice("plain", "P", 0);
    plain->AddMode(800, 600, 16);
    DeviceEntry* both = renderer->AddDevice("both", "B", 1);
    both->AddMode(800, 600, 16);
    ModeEntry* first640 = both->AddMode(640, 480, 16);
    both->AddMode(640, 480, 16);
    DeviceEntry* chosen = renderer->AddDevice("chosen", "C", 1);
    chosen->AddMode(640, 480, 16);
    ModeEntry* made = chosen->AddMode(1024, 768, 32);
    chosen->selectedMode = made;
    DeviceEntry* depth = renderer->AddDevice("depth", "D", 1);
    depth->AddMode(640, 480, 32);
    depth->AddMode(800, 600, 32);

    ChooseDefaultModes(&catalogue);
    CHECK(flagged->selectedMode == flaggedDefault);
    CHECK(plain->selectedMode == nullptr);
    CHECK(both->selectedMode == first640);
    CHECK(chosen->selectedMode == made);
    CHECK(depth->selectedMode == nullptr);
    CHECK(renderer->selectedDevice == nullptr);
    CHECK(catalogue.selectedRenderer == nullptr);
}
