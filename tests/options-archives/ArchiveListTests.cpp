// Splitting and joining the "Rez Files" text.
#include <vector>

#include "CodePages.h"
#include "TestKit.h"
#include "options/ArchiveList.h"

typedef std::vector<std::string> Names;

TEST_CASE(SplitSkipsEmptyPiecesAndKeepsSpacesDuplicatesAndOrder)
{
    struct Case {
        const char* text;
        Names names;
        bool doubleByte;  // in code page 932, else in a single-byte one
    } cases[] = {
        {"", {}},
        {"|||", {}},
        {"b.rez||a.rez|", {"b.rez", "a.rez"}},
        {"|only.rez", {"only.rez"}},
        {" spaced .rez| ", {" spaced .rez", " "}},
        {"same.rez|same.rez", {"same.rez", "same.rez"}},
        // ポ "\x83\x7C": one character in code page 932, a byte and a "|" in a single-byte one.
        {"\x83\x7C.rez|b.rez", {"\x83", ".rez", "b.rez"}},
        {"\x83\x7C.rez|b.rez", {"\x83\x7C.rez", "b.rez"}, true},
        {"a|\x83\x7C\x83\x7C||\x83", {"a", "\x83\x7C\x83\x7C", "\x83"}, true},
        {"b.rez||a.rez|", {"b.rez", "a.rez"}, true},
    };
    for (const Case& c : cases) CHECK(SplitArchiveText(c.text, c.doubleByte ? CodePage932() : LeadBytes()) == c.names);
    CHECK(SplitArchiveText(nullptr).empty());
}

TEST_CASE(JoinSkipsEmptyNamesAndSplitGivesThemBack)
{
    Names names = {"", "Sky Harbour.rez", "", "a.rez", "a.rez"};
    JoinedArchives joined = JoinArchiveNames(names, archiveTextLimit);
    CHECK_EQ(joined.text, "Sky Harbour.rez|a.rez|a.rez");
    CHECK_EQ(joined.namesJoined, 3u);
    CHECK_EQ(joined.namesLeftOut, 0u);
    CHECK(SplitArchiveText(joined.text.c_str()) == Names({"Sky Harbour.rez", "a.rez", "a.rez"}));
    CHECK_EQ(JoinArchiveNames(Names(), archiveTextLimit).text, "");
}

TEST_CASE(JoinStopsBeforeTheFirstNameThatDoesNotFitAndLeavesNoGap)
{
    // "abcd|efgh" is 9 characters: with limit 9 it fits exactly, with 8 the second name is left out, and
    // a short name after a left-out one is left out too so the stored list keeps the player's order.
    JoinedArchives exact = JoinArchiveNames({"abcd", "efgh"}, 9);
    CHECK_EQ(exact.text, "abcd|efgh");
    CHECK_EQ(exact.namesLeftOut, 0u);
    JoinedArchives cut = JoinArchiveNames({"abcd", "efgh", "", "x"}, 8);
    CHECK_EQ(cut.text, "abcd");
    CHECK_EQ(cut.namesJoined, 1u);
    CHECK_EQ(cut.namesLeftOut, 2u);
    JoinedArchives none = JoinArchiveNames({"far too long", "x"}, 5);
    CHECK_EQ(none.text, "");
    CHECK_EQ(none.namesLeftOut, 2u);
}

TEST_CASE(JoinedTextOfLongestFileNamesAlwaysReadsBackWhole)
{
    // Eight names of 255 characters need 2047; the load reads at most 2045.
    Names names;
    for (char letter = 'a'; letter < 'i'; ++letter) names.push_back(std::string(251, letter) + ".rez");
    JoinedArchives joined = JoinArchiveNames(names, archiveTextLimit);
    CHECK(joined.text.size() <= archiveTextLimit);
    CHECK_EQ(joined.namesJoined, 7u);
    CHECK_EQ(joined.namesLeftOut, 1u);
    CHECK(SplitArchiveText(joined.text.c_str()) == Names(names.begin(), names.begin() + 7));
}
