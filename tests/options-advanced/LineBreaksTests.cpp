// Line feeds turned into the line breaks an edit field shows, within a fixed buffer.
#include "TestKit.h"
#include "options/LineBreaks.h"

#include <vector>

namespace {

struct Expansion {
    const char* text;
    size_t capacity;
    const char* expected;
};

std::string Expand(const char* text, size_t capacity)
{
    // Room beyond the capacity is filled with a marker so a write past the end shows.
    std::vector<char> out(capacity + 8, '#');
    size_t length = ExpandLineFeeds(text, out.data(), capacity);
    if (out[capacity] != '#') return "(wrote past the capacity)";
    if (capacity == 0) return length == 0 ? "(nothing)" : "(length without room)";
    std::string result(out.data());
    if (result.size() != length) return "(length does not match the text)";
    return result;
}

}  // namespace

TEST_CASE(EveryLineFeedGetsOneCarriageReturn)
{
    const Expansion cases[] = {
        {"", 16, ""},
        {"no breaks", 16, "no breaks"},
        {"a\nb", 16, "a\r\nb"},
        {"\n", 16, "\r\n"},
        {"\n\nx\n", 16, "\r\n\r\nx\r\n"},
        {"already\r\npaired", 32, "already\r\npaired"},
        {"mixed\r\nand\nbare", 32, "mixed\r\nand\r\nbare"},
        {"lone\rreturn", 32, "lone\rreturn"},
    };
    for (const Expansion& c : cases) CHECK_EQ(Expand(c.text, c.capacity), c.expected);
}

TEST_CASE(ASmallBufferCutsTheTextButNeverABreak)
{
    const Expansion cases[] = {
        {"abc", 4, "abc"},                           // exactly fits with its NUL
        {"abcd", 4, "abc"},  {"ab\n", 5, "ab\r\n"},  // the pair fits exactly
        {"ab\n", 4, "ab"},                           // only half the pair would fit: the break is left out
        {"ab\r\n", 4, "ab"},                         // the same for a break that was already paired
        {"\nx", 2, ""},      {"x", 1, ""},           // room for the terminator only
    };
    for (const Expansion& c : cases) CHECK_EQ(Expand(c.text, c.capacity), c.expected);
}

TEST_CASE(NoTextOrNoRoomWritesNothingHarmful)
{
    CHECK_EQ(Expand(NULL, 8), "");
    CHECK_EQ(Expand("text", 0), "(nothing)");
    CHECK_EQ(ExpandLineFeeds("text", NULL, 8), 0u);
}

TEST_CASE(TwiceTheLengthAlwaysHoldsTheWholeText)
{
    std::string allBreaks(1999, '\n');
    std::string expanded = Expand(allBreaks.c_str(), 2 * allBreaks.size() + 1);
    CHECK_EQ(expanded.size(), 2 * allBreaks.size());
    CHECK(expanded.find("\n\n") == std::string::npos);
}
