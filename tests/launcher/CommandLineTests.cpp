// The launcher's switches, the engine command line, program commands and the picture choice.
#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "CodePages.h"
#include "TestKit.h"
#include "launcher/CommandLine.h"
#include "launcher/PictureChoice.h"
#include "utils/CharacterWalk.h"

namespace {

struct Folder {
    std::set<std::string> files;
};

bool InFolder(const char* name, void* context)
{
    return static_cast<Folder*>(context)->files.count(name) > 0;
}

std::string Compose(const char* title, Folder folder, size_t capacity = engineCommandCapacity)
{
    std::vector<char> output(capacity);
    if (!ComposeEngineCommandLine(title, InFolder, &folder, output.data(), capacity)) return "(failed)";
    return output.data();
}

}  // namespace

TEST_CASE(SwitchesMatchAnywhereIgnoringCase)
{
    struct Row {
        const char* arguments;
        bool multi;
        bool play;
    } rows[] = {
        {"", false, false},
        {"-GOGAME", false, true},
        {"-gogame", false, true},
        {"-GoMulti", true, false},
        {"connect", true, false},
        {"+connect 10.0.0.1", true, false},
        {"-gomultiplayer", true, false},
        {"xx-GOGAMEyy", false, true},
        {"-gogame CONNECT", true, true},
        {"-go game", false, false},
        {"\x83\x41-gogame", false, true},  // ア before the switch
    };
    for (bool doubleByte : {false, true}) {
        UsingLeadBytes codePage(doubleByte ? CodePage932() : LeadBytes());
        for (const Row& row : rows) {
            LauncherSwitches switches = ScanLauncherSwitches(row.arguments);
            CHECK_EQ(switches.playMulti, row.multi);
            CHECK_EQ(switches.play, row.play);
        }
    }
    CHECK(!ScanLauncherSwitches(NULL).play);
    // ツ ("\x83" "c") and イ ("\x83" "C") before "onnect": a "CONNECT" only when their second byte is
    // taken for a letter.
    CHECK(ScanLauncherSwitches("\x83\x63onnect").playMulti);
    UsingLeadBytes japanese(CodePage932());
    CHECK(!ScanLauncherSwitches("\x83\x63onnect").playMulti);
    CHECK(!ScanLauncherSwitches("\x83\x43ONNECT").playMulti);
}

TEST_CASE(SwitchesBeyondTheFirst255CharactersAreNotSeen)
{
    std::string arguments(250, 'x');
    arguments += "-GOGAME";   // starts at 250, so only "-GOGA" lies within the copy
    CHECK(!ScanLauncherSwitches(arguments.c_str()).play);
    arguments = std::string(248, 'x') + "-GOGAME";   // ends at character 255
    CHECK(ScanLauncherSwitches(arguments.c_str()).play);
    std::string huge(100000, 'y');
    CHECK(!ScanLauncherSwitches(huge.c_str()).playMulti);
}

TEST_CASE(EngineCommandLineNamesTitleAndArchivesUpToTheFirstGap)
{
    CHECK_EQ(Compose("Tumbleridge", Folder{}), "STRATHEX.EXE -windowtitle \"Tumbleridge\" -rez tumbleridge.rez");
    CHECK_EQ(Compose("Tumbleridge", Folder{{"tumbleridge2.rez", "tumbleridge3.rez"}}),
             "STRATHEX.EXE -windowtitle \"Tumbleridge\" -rez tumbleridge.rez -rez tumbleridge2.rez -rez "
             "tumbleridge3.rez");
    CHECK_EQ(Compose("Tumbleridge", Folder{{"tumbleridge2.rez", "tumbleridge4.rez"}}),
             "STRATHEX.EXE -windowtitle \"Tumbleridge\" -rez tumbleridge.rez -rez tumbleridge2.rez");
    CHECK_EQ(Compose("Tumbleridge", Folder{{"tumbleridge3.rez"}}),
             "STRATHEX.EXE -windowtitle \"Tumbleridge\" -rez tumbleridge.rez");
    // The title goes in unchanged, quotes and all.
    CHECK_EQ(Compose("Say \"hi\"", Folder{}), "STRATHEX.EXE -windowtitle \"Say \"hi\"\" -rez tumbleridge.rez");
}

TEST_CASE(EngineCommandLineNeverExceeds1023Characters)
{
    Folder many;
    for (int n = 2; n < 200; ++n) many.files.insert("tumbleridge" + std::to_string(n) + ".rez");
    std::string line = Compose("Tumbleridge", many);
    CHECK(line.size() <= 1023);
    // Whole switches only, in order, and the next one would not have fitted.
    CHECK(line.size() > 1023 - std::strlen(" -rez tumbleridge100.rez"));
    CHECK_EQ(line.substr(line.size() - 4), ".rez");
    CHECK(line.find(" -rez tumbleridge2.rez -rez tumbleridge3.rez") != std::string::npos);

    std::string longTitle(1100, 'T');
    CHECK_EQ(Compose(longTitle.c_str(), Folder{}), "(failed)");
    // A tiny capacity: the fixed part fits exactly, no archive does.
    std::string fixed = "STRATHEX.EXE -windowtitle \"A\" -rez tumbleridge.rez";
    CHECK_EQ(Compose("A", Folder{{"tumbleridge2.rez"}}, fixed.size() + 1), fixed);
}

TEST_CASE(ProgramCommandAndEnginePathJoinFolderAndFileWithOneBackslash)
{
    typedef bool (*Compose)(const char* folder, const char* file, char* output, size_t capacity);
    struct Join {
        Compose compose;
        const char* folder;
        const char* file;
        const char* joined;
        bool doubleByte;  // in code page 932, else in a single-byte one
    } joins[] = {
        {ComposeProgramCommand, "D:\\", "SETUP.EXE", "D:\\SETUP.EXE"},
        {ComposeProgramCommand, "D:\\games", "SETUP.EXE", "D:\\games\\SETUP.EXE"},
        {ComposeProgramCommand, "", "SETUP.EXE", "SETUP.EXE"},
        {ComposeProgramCommand, NULL, "SETUP.EXE", "SETUP.EXE"},
        {ComposeProgramCommand, "D:\\games\\", "SETUP.EXE", "D:\\games\\SETUP.EXE"},
        {ComposeEnginePath, "C:\\", "STRATHEX.EXE", "C:\\STRATHEX.EXE"},
        {ComposeEnginePath, "C:\\Games\\Tumbleridge", "STRATHEX.EXE", "C:\\Games\\Tumbleridge\\STRATHEX.EXE"},
        {ComposeEnginePath, "", "STRATHEX.EXE", "STRATHEX.EXE"},
        {ComposeEnginePath, "C:", "STRATHEX.EXE", "C:STRATHEX.EXE"},  // short of a root: no backslash
        // Folders ending in ソ and 表, whose second byte is 0x5C: a backslash in a single-byte code page only.
        {ComposeProgramCommand, "D:\\\x83\x5C", "SETUP.EXE", "D:\\\x83\x5CSETUP.EXE"},
        {ComposeProgramCommand, "D:\\\x83\x5C", "SETUP.EXE", "D:\\\x83\x5C\\SETUP.EXE", true},
        {ComposeProgramCommand, "D:\\\x95\x5C\\", "SETUP.EXE", "D:\\\x95\x5C\\SETUP.EXE", true},
        {ComposeProgramCommand, "D:\\a\x95\x5C", "SETUP.EXE", "D:\\a\x95\x5C\\SETUP.EXE", true},
        {ComposeProgramCommand, "D:\\\x95", "SETUP.EXE", "D:\\\x95\\SETUP.EXE", true},  // a lead byte alone
        {ComposeEnginePath, "C:\\\x95\x5C", "STRATHEX.EXE", "C:\\\x95\x5C\\STRATHEX.EXE", true},
    };
    char output[programCommandCapacity];
    for (const Join& join : joins) {
        UsingLeadBytes codePage(join.doubleByte ? CodePage932() : LeadBytes());
        CHECK(join.compose(join.folder, join.file, output, sizeof output));
        CHECK_EQ(output, join.joined);
    }
    CHECK_EQ(FileNamePart("C:\\Games\\Tumbleridge.exe"), "Tumbleridge.exe");
    CHECK_EQ(FileNamePart("Tumbleridge.exe"), "Tumbleridge.exe");
    CHECK_EQ(FileNamePart("C:\\Games\\\x95\x5C.exe"), ".exe");  // 表 in a single-byte code page
    {
        UsingLeadBytes japanese(CodePage932());
        CHECK_EQ(FileNamePart("C:\\Games\\\x95\x5C.exe"), "\x95\x5C.exe");
        CHECK_EQ(FileNamePart("C:\\\x83\x5C/\x83\x5C\x83\x5C"), "\x83\x5C\x83\x5C");
        CHECK_EQ(FileNamePart("\x95\x5C"), "\x95\x5C");
    }

    std::string folder(246, 'f');  // 246 + "\" + "SETUP.EXE" = 256 characters: one too many
    CHECK(!ComposeProgramCommand(folder.c_str(), "SETUP.EXE", output, sizeof output));
    CHECK_EQ(output, "");
    folder.resize(245);
    CHECK(ComposeProgramCommand(folder.c_str(), "SETUP.EXE", output, sizeof output));
    CHECK_EQ(std::strlen(output), 255u);
}

TEST_CASE(ProgramNamesCompareIgnoringTheCaseOfAsciiLettersOnly)
{
    struct Row {
        const char* a;
        const char* b;
        bool singleByte;  // equal in a single-byte code page
        bool doubleByte;  // equal in code page 932
    } rows[] = {
        {"Tumbleridge.exe", "TUMBLERIDGE.EXE", true, true},
        {"Tumbleridge.exe", "Tumbleridge.ex", false, false},
        {"", "", true, true},
        {"\xE9.exe", "\xC9.exe", false, false},          // only ASCII letters fold
        {"\x83\x41.exe", "\x83\x61.exe", true, false},   // ア and ヂ: their second bytes are A and a
        {"\x95\x5Cx.EXE", "\x95\x5CX.exe", true, true},  // 表 then letters that do fold
        {"a\x83", "A\x83", true, true},                  // a lead byte last stands alone
        {"\x83\x41", "\x83", false, false},
    };
    for (const Row& row : rows) {
        CHECK_EQ(EqualIgnoringAsciiCase(row.a, row.b, LeadBytes()), row.singleByte);
        CHECK_EQ(EqualIgnoringAsciiCase(row.b, row.a, CodePage932()), row.doubleByte);
    }
    CHECK(!EqualIgnoringAsciiCase(nullptr, ""));
}

namespace {

std::vector<int> draws;
size_t nextDraw;

int ScriptedRandom()
{
    return nextDraw < draws.size() ? draws[nextDraw++] : 0;
}

std::string Choose(int count, uint32_t* last, std::vector<int> script)
{
    draws = script;
    nextDraw = 0;
    char name[32];
    ChoosePicture(count, last, ScriptedRandom, name, sizeof name);
    return name;
}

}  // namespace

TEST_CASE(PictureCountTextBelowOneGivesOnePicture)
{
    CHECK_EQ(PictureCountFromText("1"), 1);
    CHECK_EQ(PictureCountFromText("3"), 3);
    CHECK_EQ(PictureCountFromText("0"), 1);
    CHECK_EQ(PictureCountFromText("-4"), 1);
    CHECK_EQ(PictureCountFromText("many"), 1);
    CHECK_EQ(PictureCountFromText(""), 1);
    CHECK_EQ(PictureCountFromText(" 2x"), 2);
    CHECK(PictureCountFromText("99999999999999999999") > 1);
}

TEST_CASE(PictureChoiceAvoidsThePreviousPicture)
{
    uint32_t last = 1;
    CHECK_EQ(Choose(1, &last, {5}), "GAME1");
    CHECK_EQ(last, 1u);   // one picture: the stored index stays

    last = 2;
    CHECK_EQ(Choose(3, &last, {2, 2, 2, 0}), "GAME1");   // redrawn until it differs
    CHECK_EQ(last, 0u);
    CHECK_EQ(nextDraw, 4u);

    last = 2;
    CHECK_EQ(Choose(3, &last, {4}), "GAME2");   // 4 % 3 = 1 differs at once
    CHECK_EQ(last, 1u);

    last = 2;
    CHECK_EQ(Choose(3, &last, std::vector<int>(21, 5)), "GAME3");   // 21 draws of the same index keep it
    CHECK_EQ(nextDraw, 21u);
    CHECK_EQ(last, 2u);
}
