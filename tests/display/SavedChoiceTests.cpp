// The saved display choice: reading "autoexec.cfg" lines and files, moving the choice into a catalogue,
// and composing the script again with a new choice.
#include "TestKit.h"
#include "display/DisplayCatalogue.h"
#include "display/SavedChoice.h"

#include <cstdio>
#include <string>

namespace {

// A script file in the test's folder, removed again at the end of the case.
struct ScriptFile {
    std::string name;
    explicit ScriptFile(const std::string& bytes, const char* fileName = "display-saved-choice-test.cfg")
        : name(fileName)
    {
        std::FILE* file = std::fopen(name.c_str(), "wb");
        if (file) {
            std::fwrite(bytes.data(), 1, bytes.size(), file);
            std::fclose(file);
        }
    }
    ~ScriptFile() { std::remove(name.c_str()); }
};

SavedChoice ReadLines(std::initializer_list<const char*> lines)
{
    SavedChoice choice;
    for (const char* line : lines) ReadSavedChoiceLine(&choice, line);
    return choice;
}

SavedChoice ReadScript(const std::string& bytes)
{
    ScriptFile file(bytes);
    SavedChoice choice;
    CHECK(ReadSavedChoiceFile(file.name.c_str(), &choice));
    return choice;
}

// A catalogue of two renderers: "D3D.REN" with devices "display" (flag 1) and "accel", and "SOFT.REN".
struct SampleCatalogue {
    DisplayCatalogue catalogue;
    RendererEntry* d3d;
    RendererEntry* soft;
    DeviceEntry* display;
    DeviceEntry* accel;
    SampleCatalogue()
    {
        d3d = catalogue.AppendRenderer(std::make_unique<RendererEntry>("D3D.REN"));
        display = d3d->AddDevice("display", "Primary", 1);
        display->AddMode(800, 600, 16);
        display->AddMode(1024, 768, 32);
        accel = d3d->AddDevice("accel", "Accelerator", 0);
        accel->AddMode(640, 480, 16);
        accel->AddMode(800, 600, 16);
        soft = catalogue.AppendRenderer(std::make_unique<RendererEntry>("SOFT.REN"));
        soft->AddDevice("software", "Software", 0)->AddMode(640, 480, 16);
        ChooseDefaultModes(&catalogue);
    }
};

DisplayChoice Choice(const char* renderDll, const char* cardDesc, int width, int height, int depth)
{
    DisplayChoice choice;
    choice.renderDll = renderDll;
    choice.cardDesc = cardDesc;
    choice.width = width;
    choice.height = height;
    choice.bitDepth = depth;
    return choice;
}

std::string Composed(const std::string& original, const DisplayChoice& choice)
{
    std::string composed;
    CHECK(ComposeSavedChoice(original, choice, &composed));
    return composed;
}

}  // namespace

TEST_CASE(LinesQuotedOrNotGiveTheSameValues)
{
    SavedChoice quoted = ReadLines({"\"RenderDll\" \"D3D.REN\"\n", "\"ScreenWidth\" \"1024\"\n"});
    SavedChoice bare = ReadLines({"RenderDll D3D.REN\n", "ScreenWidth 1024\n"});
    CHECK_EQ(quoted.values[KeyRenderDll], "D3D.REN");
    CHECK_EQ(bare.values[KeyRenderDll], "D3D.REN");
    CHECK_EQ(quoted.values[KeyScreenWidth], "1024");
    CHECK_EQ(bare.values[KeyScreenWidth], "1024");
    CHECK(bare.seen[KeyRenderDll] && bare.seen[KeyScreenWidth] && !bare.seen[KeyCardDesc]);
    CHECK_EQ(bare.seenCount, 2);
}

TEST_CASE(KeysMatchAsCaseInsensitivePrefixesAfterOneQuoteOnly)
{
    struct Case {
        const char* line;
        int key;  // -1: no key
        const char* value;
    };
    const Case cases[] = {
        {"rEnDeRdLl x.ren\n", KeyRenderDll, "x.ren"},
        {"RenderDllOld \"y\"\n", KeyRenderDll, "Old \"y"},  // a prefix counts; the value starts behind it
        {"\"Renderer\" \"Fast\"\n", KeyRenderer, "Fast"},
        {"CARDDESC\"\" \" \"Primary Card\"\"\n", KeyCardDesc, "Primary Card"},
        {"ScreenHeight:600\n", KeyScreenHeight, ":600"},
        {"BitDepth", KeyBitDepth, ""},
        {" \"RenderDll\" \"z\"\n", -1, ""},   // a leading blank matches nothing
        {"\"\"RenderDll\" \"z\"\n", -1, ""},  // only one quote is skipped
        {"\tBitDepth 32\n", -1, ""},
        {"Render\n", -1, ""},
        {"// RenderDll x\n", -1, ""},
        {"", -1, ""},
    };
    for (const Case& c : cases) {
        SavedChoice choice;
        bool matched = ReadSavedChoiceLine(&choice, c.line);
        int key = -1;
        for (int k = 0; k < SavedChoiceKeyCount; ++k) {
            if (choice.seen[k]) key = k;
        }
        if (key != c.key || matched != (c.key >= 0) || (key >= 0 && std::string(choice.values[key]) != c.value)) {
            std::printf("    line %s\n", c.line);
            CHECK_EQ(key, c.key);
            CHECK_EQ(matched, c.key >= 0);
            if (key >= 0) CHECK_EQ(choice.values[key], c.value);
        }
    }
}

TEST_CASE(ValueEndsLoseQuotesAndLineFeedsButNeverTheirFirstCharacter)
{
    CHECK_EQ(ReadLines({"CardDesc \"a b\"\"\n\"\n"}).values[KeyCardDesc], "a b");
    CHECK_EQ(ReadLines({"CardDesc \"a \t\r\n"}).values[KeyCardDesc], "a \t\r");  // blanks, tabs, CR stay
    CHECK_EQ(ReadLines({"CardDesc \n"}).values[KeyCardDesc], "\n");              // the first character stays
    CHECK_EQ(ReadLines({"CardDesc\n\n"}).values[KeyCardDesc], "\n");
    CHECK_EQ(ReadLines({"CardDesc \"\t\"\n"}).values[KeyCardDesc], "\t");
    CHECK_EQ(ReadLines({"CardDesc \"\"\"   "}).values[KeyCardDesc], "");
}

TEST_CASE(ValuesLongerThanTheirCapacityAreCut)
{
    std::string longText(400, 'x');
    SavedChoice choice = ReadLines({("RenderDll " + longText + "\n").c_str(), ("BitDepth " + longText).c_str(),
                                    ("CardDesc \"" + std::string(127, 'c') + "\"\n").c_str()});
    CHECK_EQ(choice.values[KeyRenderDll], std::string(127, 'x'));
    CHECK_EQ(choice.values[KeyBitDepth], std::string(63, 'x'));
    CHECK_EQ(choice.values[KeyCardDesc], std::string(127, 'c'));
}

TEST_CASE(FilesAreReadUntilAllSixKeysWereSeen)
{
    // Repeated before the sixth key: the later value counts. After it: never read.
    SavedChoice choice = ReadScript(
        "// display\n\"RenderDll\" \"first.REN\"\n\"Renderer\" \"r\"\n\"RenderDll\" \"second.REN\"\n"
        "\"CardDesc\" \"card\"\nScreenWidth 1024\n\"ScreenHeight\" \"768\"\n\"BitDepth\" \"32\"\n"
        "\"RenderDll\" \"third.REN\"\n\"CardDesc\" \"late\"\n");
    CHECK_EQ(choice.values[KeyRenderDll], "second.REN");
    CHECK_EQ(choice.values[KeyCardDesc], "card");
    CHECK_EQ(choice.values[KeyScreenWidth], "1024");
    CHECK_EQ(choice.values[KeyBitDepth], "32");
    CHECK_EQ(choice.seenCount, 6);

    // Without "Renderer" the reader never stops early, so the last "RenderDll" counts.
    SavedChoice noStop =
        ReadScript("RenderDll a\nCardDesc c\nScreenWidth 1\nScreenHeight 2\nBitDepth 3\nRenderDll b\n");
    CHECK_EQ(noStop.values[KeyRenderDll], "b");
    CHECK_EQ(noStop.seenCount, 5);

    // Missing keys keep their defaults.
    SavedChoice defaults = ReadScript("\"CardDesc\" \"c\"\n");
    CHECK_EQ(defaults.values[KeyScreenWidth], "640");
    CHECK_EQ(defaults.values[KeyScreenHeight], "480");
    CHECK_EQ(defaults.values[KeyBitDepth], "16");
    CHECK_EQ(defaults.values[KeyRenderDll], "");
    CHECK(!defaults.seen[KeyRenderDll]);

    SavedChoice missing;
    CHECK(!ReadSavedChoiceFile("display-no-such-file.cfg", &missing));
    CHECK(!ReadSavedChoiceFile(nullptr, &missing));
}

TEST_CASE(LongLinesAreReadInPiecesEachHandledAsALine)
{
    // 511 characters make the first piece; the rest of the line starts with a key and counts as one.
    std::string line = "// " + std::string(508, '-') + "CardDesc piece\n";
    SavedChoice choice = ReadScript(line + "RenderDll " + std::string(2000, 'r') + "\n");
    CHECK_EQ(choice.values[KeyCardDesc], "piece");
    CHECK_EQ(choice.values[KeyRenderDll], std::string(127, 'r'));
    // The third piece of the long RenderDll line ("rrr...") matches no key and changes nothing.
    CHECK_EQ(choice.seenCount, 2);
}

TEST_CASE(NulBytesAndBinaryJunkAreReadWithoutHarm)
{
    std::string junk;
    for (int i = 0; i < 5000; ++i) junk += static_cast<char>((i * 131 + 7) % 256);
    std::string script = std::string("RenderDll a\0b.REN\n", 18) + junk + "\n\"BitDepth\" \"24\"\n";
    SavedChoice choice = ReadScript(script);
    CHECK_EQ(choice.values[KeyRenderDll], "a");
    for (int key = 0; key < SavedChoiceKeyCount; ++key) {
        CHECK(std::string(choice.values[key]).size() < static_cast<size_t>(SavedChoice::Capacity(SavedChoiceKey(key))));
    }
}

TEST_CASE(DecimalValuesFollowTheRuntimesConversion)
{
    struct Case {
        const char* text;
        int value;
    };
    const Case cases[] = {{"1024", 1024},
                          {"  \t-16", -16},
                          {"+32x", 32},
                          {"x32", 0},
                          {"", 0},
                          {"- 5", 0},
                          {"600\r", 600},
                          {"99999999999", 2147483647},
                          {"-99999999999", -2147483647 - 1},
                          {"2147483647", 2147483647},
                          {"\n\v\f\r7", 7}};
    for (const Case& c : cases) {
        if (DecimalValue(c.text) != c.value) {
            std::printf("    text %s\n", c.text);
            CHECK_EQ(DecimalValue(c.text), c.value);
        }
    }
    CHECK_EQ(DecimalValue(nullptr), 0);
}

TEST_CASE(SavedChoicePreselectsRendererDeviceAndMode)
{
    SampleCatalogue sample;
    ScriptFile file(
        "\"RenderDll\" \"D3D.REN\"\n\"CardDesc\" \"display\"\n\"ScreenWidth\" \"1024\"\n"
        "\"ScreenHeight\" \"768\"\n\"BitDepth\" \"32\"\n");
    CHECK(ReadSavedChoice(&sample.catalogue, file.name.c_str()));
    CHECK(sample.catalogue.selectedRenderer == sample.d3d);
    CHECK(sample.d3d->selectedDevice == sample.display);
    CHECK(sample.display->selectedMode == sample.display->modes[1].get());
}

TEST_CASE(SavedChoiceThatDoesNotMatchLeavesDefaults)
{
    {  // the renderer's name in other letter case: nothing preselected
        SampleCatalogue sample;
        ScriptFile file("RenderDll d3d.ren\nCardDesc display\n");
        CHECK(ReadSavedChoice(&sample.catalogue, file.name.c_str()));
        CHECK(sample.catalogue.selectedRenderer == nullptr);
        CHECK(sample.d3d->selectedDevice == nullptr);
    }
    {  // no device saved: only the renderer
        SampleCatalogue sample;
        ScriptFile file("RenderDll D3D.REN\nScreenWidth 1024\nScreenHeight 768\nBitDepth 32\n");
        ReadSavedChoice(&sample.catalogue, file.name.c_str());
        CHECK(sample.catalogue.selectedRenderer == sample.d3d);
        CHECK(sample.d3d->selectedDevice == nullptr);
        CHECK(sample.display->selectedMode == sample.display->modes[0].get());
    }
    {  // a device but no sizes: 640 x 480 x 16 is looked for; "display" lacks it and keeps its default
        SampleCatalogue sample;
        ScriptFile file("RenderDll D3D.REN\nCardDesc display\n");
        ReadSavedChoice(&sample.catalogue, file.name.c_str());
        CHECK(sample.d3d->selectedDevice == sample.display);
        CHECK(sample.display->selectedMode == sample.display->modes[0].get());
    }
    {  // a mode the device lacks keeps the default; an unknown device selects none
        SampleCatalogue sample;
        ScriptFile file("RenderDll D3D.REN\nCardDesc accel\nScreenWidth 1600\nScreenHeight 1200\n");
        ReadSavedChoice(&sample.catalogue, file.name.c_str());
        CHECK(sample.d3d->selectedDevice == sample.accel);
        CHECK(sample.accel->selectedMode == sample.accel->modes[0].get());
        ScriptFile other("RenderDll SOFT.REN\nCardDesc nothing\n", "display-saved-choice-other.cfg");
        ReadSavedChoice(&sample.catalogue, other.name.c_str());
        CHECK(sample.catalogue.selectedRenderer == sample.soft);
        CHECK(sample.soft->selectedDevice == nullptr);
    }
    {  // no "RenderDll" at all, or no file: nothing is touched
        SampleCatalogue sample;
        ScriptFile file("CardDesc display\n");
        CHECK(ReadSavedChoice(&sample.catalogue, file.name.c_str()));
        CHECK(!ReadSavedChoice(&sample.catalogue, "display-no-such-file.cfg"));
        CHECK(sample.catalogue.selectedRenderer == nullptr && sample.d3d->selectedDevice == nullptr);
    }
}

TEST_CASE(ComposingKeepsEveryOtherLineByteForByte)
{
    const std::string original =
        "// engine settings\r\n\"RenderDll\" \"SOFT.REN\"\r\n\"Renderer\" \"Software Renderer\"\r\n"
        "\"ScreenWidthMax\" \"2048\"\r\n  cardDESC \"old card\"\t\r\n\r\n\"MusicVolume\" \"80\"\r\n"
        "\"ScreenWidth\" \"640\"\n\"RenderDll\" \"again.REN\"";
    const std::string expected =
        "// engine settings\r\n\"RenderDll\" \"D3D.REN\"\r\n\"Renderer\" \"Software Renderer\"\r\n"
        "\"ScreenWidthMax\" \"2048\"\r\n\"CardDesc\" \"display\"\r\n\r\n\"MusicVolume\" \"80\"\r\n"
        "\"ScreenWidth\" \"1024\"\n\"RenderDll\" \"D3D.REN\"\r\n\"ScreenHeight\" \"768\"\r\n\"BitDepth\" \"32\"\r\n";
    CHECK_EQ(Composed(original, Choice("D3D.REN", "display", 1024, 768, 32)), expected);
}

TEST_CASE(ComposingAppendsMissingKeysWithTheScriptsLineEnd)
{
    const char* lines =
        "\"RenderDll\" \"D3D.REN\"\n\"CardDesc\" \"display\"\n\"ScreenWidth\" \"800\"\n"
        "\"ScreenHeight\" \"600\"\n\"BitDepth\" \"16\"\n";
    CHECK_EQ(Composed("", Choice("D3D.REN", "display", 800, 600, 16)),
             "\"RenderDll\" \"D3D.REN\"\r\n\"CardDesc\" \"display\"\r\n\"ScreenWidth\" \"800\"\r\n"
             "\"ScreenHeight\" \"600\"\r\n\"BitDepth\" \"16\"\r\n");
    CHECK_EQ(Composed("// x\n// no end", Choice("D3D.REN", "display", 800, 600, 16)),
             std::string("// x\n// no end\n") + lines);
    // A script that already holds the choice comes back unchanged.
    CHECK_EQ(Composed(lines, Choice("D3D.REN", "display", 800, 600, 16)), lines);
}

TEST_CASE(ComposingRefusesWhatWouldNotReadBack)
{
    // A choice is written only when the script reads back as it; otherwise nothing is composed, and the
    // problem names the key ("value KEY" for a value that cannot be written, "line KEY WORD" for a line of
    // the script in the way). The device texts of a plug-in are tried through the stand-in plug-ins in
    // the display dialog's tests.
    const std::string script = "\"RenderDll\" \"SOFT.REN\"\r\n// end\r\n";
    // Its first 511 characters are read as "CardDesc", its rest, the sixth key, ends the reading.
    const std::string stopsInPiece = "RenderDll a\nCardDesc b\nScreenWidth 1\nScreenHeight 2\nBitDepth 3\nCardDescr" +
                                     std::string(502, '-') + "Renderer r\n";
    struct Case {
        const char* renderDll;
        std::string cardDesc;
        std::string original;
        std::string problem;  // "" when written
    } cases[] = {
        {"D3D.REN", "card", script, ""},
        {"D3D.REN", "two\nlines", script, "value CardDesc"},
        {"D3D\r.REN", "card", script, "value RenderDll"},
        {" D3D.REN", "card", script, "value RenderDll"},
        {"D3D.REN", "quote \" inside", script, ""},
        {"D3D.REN", std::string(128, 'c'), script, "value CardDesc"},
        {"D3D.REN", "end mark \x1A", script, "value CardDesc"},
        // Other lines that the reader would take in place of the written ones get the written line behind
        // them (ComposingPutsTheLineWhereTheReaderTakesIt) unless the reader stops inside them.
        {"D3D.REN", "card", script + "\"CardDesc\" \"old\"\r\nCardDescription \"other\"\r\n", ""},
        {"D3D.REN", "card", script + "CardDescription \"other\"\r\n\"CardDesc\" \"old\"\r\n", ""},
        {"D3D.REN", "card", stopsInPiece, "line CardDesc CardDescr" + std::string(31, '-')},  // 40 characters
        {"D3D.REN", "card", script + "\x1A", ""},  // the missing keys go before the end mark
        {"D3D.REN", "card", "RenderDll a\nCardDesc b\nScreenWidth 1\nScreenHeight 2\nBitDepth 3\n\x1A", ""},
    };
    for (const Case& c : cases) {
        std::string composed = "unchanged";
        ComposeProblem problem;
        bool written =
            ComposeSavedChoice(c.original, Choice(c.renderDll, c.cardDesc.c_str(), 800, 600, 16), &composed, &problem);
        std::string told;
        if (!written) {
            told = std::string(problem.valueUnwritable ? "value " : "line ") + savedChoiceKeyNames[problem.key] +
                   (problem.valueUnwritable ? "" : " " + problem.line);
        }
        if (told != c.problem) std::printf("    %s / %s\n", c.renderDll, c.cardDesc.c_str());
        CHECK_EQ(told, c.problem);
        if (!written) CHECK_EQ(composed, "unchanged");
    }
}

TEST_CASE(ComposingPutsTheLineWhereTheReaderTakesIt)
{
    // Lines that merely begin with a key's letters are other commands to the engine and stay as they are;
    // the written line goes where the reader takes its value last.
    const std::string rest = "\"ScreenWidth\" \"800\"\n\"ScreenHeight\" \"600\"\n\"BitDepth\" \"16\"\n";
    struct Case {
        std::string original;
        std::string composed;
    } cases[] = {
        // Behind the last line that the reader takes for the key.
        {"\"RenderDll\" \"a.ren\"\nRenderDllBackup b\n// end\n",
         "\"RenderDll\" \"D3D.REN\"\nRenderDllBackup b\n\"RenderDll\" \"D3D.REN\"\n// end\n\"CardDesc\" \"card\"\n" +
             rest},
        // Before it, when reading ends in it (the sixth key): the reader then stops at the written line.
        {"Renderer r\nCardDesc c\nScreenWidth 1\nScreenHeight 2\nBitDepth 3\nRenderDllBackup b\n",
         "Renderer r\n\"CardDesc\" \"card\"\n\"ScreenWidth\" \"800\"\n\"ScreenHeight\" \"600\"\n\"BitDepth\" \"16\"\n"
         "\"RenderDll\" \"D3D.REN\"\nRenderDllBackup b\n"},
        // Missing keys before the line that holds the end-of-text mark, which ends the reading.
        {"// x\r\nrest\x1A junk\r\n",
         "// x\r\n\"RenderDll\" \"D3D.REN\"\r\n\"CardDesc\" \"card\"\r\n\"ScreenWidth\" \"800\"\r\n"
         "\"ScreenHeight\" \"600\"\r\n\"BitDepth\" \"16\"\r\nrest\x1A junk\r\n"},
    };
    for (const Case& c : cases) CHECK_EQ(Composed(c.original, Choice("D3D.REN", "card", 800, 600, 16)), c.composed);
}

TEST_CASE(ScriptsAreReadAsTextFilesAre)
{
    SavedChoice choice;
    ReadSavedChoiceText("CardDesc \"a\rb\"\r\nRenderDll \"x.REN\"\r\r\n", &choice);
    CHECK_EQ(choice.values[KeyCardDesc], "a\rb");        // a lone carriage return stays
    CHECK_EQ(choice.values[KeyRenderDll], "x.REN\"\r");  // only the line feed of "\r\r\n" is cut
    ReadSavedChoiceText("RenderDll a\r\nCardDesc b\x1A\nCardDesc c\n", &choice);
    CHECK_EQ(choice.values[KeyRenderDll], "a");
    CHECK_EQ(choice.values[KeyCardDesc], "b");  // Ctrl-Z ends the text
    ScriptFile file("BitDepth 8\r\x1A" "BitDepth 32\n");
    REQUIRE(ReadSavedChoiceFile(file.name.c_str(), &choice));
    CHECK_EQ(choice.values[KeyBitDepth], "8\r");
}

TEST_CASE(ComposedScriptReadsBackAsTheChoice)
{
    SampleCatalogue sample;
    const std::string original = "\"renderdll\" \"SOFT.REN\"\n\"Renderer\" \"x\"\n\"CardDesc\" \"software\"\n// end\n";
    ScriptFile file(Composed(original, Choice("D3D.REN", "display", 1024, 768, 32)));
    CHECK(ReadSavedChoice(&sample.catalogue, file.name.c_str()));
    CHECK(sample.catalogue.selectedRenderer == sample.d3d);
    CHECK(sample.d3d->selectedDevice == sample.display);
    CHECK(sample.display->selectedMode == sample.display->modes[1].get());
}

TEST_CASE(CurrentChoiceNeedsRendererDeviceAndMode)
{
    SampleCatalogue sample;
    DisplayChoice choice;
    CHECK(!CurrentDisplayChoice(sample.catalogue, &choice));
    sample.catalogue.selectedRenderer = sample.d3d;
    CHECK(!CurrentDisplayChoice(sample.catalogue, &choice));
    sample.d3d->selectedDevice = sample.accel;
    sample.accel->selectedMode = nullptr;
    CHECK(!CurrentDisplayChoice(sample.catalogue, &choice));
    sample.accel->selectedMode = sample.accel->modes[1].get();
    REQUIRE(CurrentDisplayChoice(sample.catalogue, &choice));
    CHECK_EQ(choice.renderDll, "D3D.REN");
    CHECK_EQ(choice.cardDesc, "accel");
    CHECK(choice.width == 800 && choice.height == 600 && choice.bitDepth == 16);
}
