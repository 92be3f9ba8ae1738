// Checking and ordering the names of add-on sets.
#include <vector>

#include "CodePages.h"
#include "TestKit.h"
#include "options/AddonSetNames.h"

typedef std::vector<std::string> Names;

TEST_CASE(TypedSetNamesLoseOuterBlanksAndMustFitTheStore)
{
    std::string longest(addonSetNameLimit, 'n');
    struct Case {
        std::string typed;
        SetNameCheck check;
        std::string name;
    } cases[] = {
        {"Campaign", setNameValid, "Campaign"},
        {" \t Total conversion \t", setNameValid, "Total conversion"},  // inner blanks stay
        {"", setNameEmpty, ""},
        {" \t ", setNameEmpty, ""},
        {"\xC4rger|maps\\2", setNameValid, "\xC4rger|maps\\2"},  // any other character is the player's
        {" " + longest + " ", setNameValid, longest},
        {longest + "x", setNameTooLong, longest + "x"},
    };
    for (const Case& c : cases) {
        std::string name = "left over";
        CHECK_EQ(CheckSetName(c.typed.c_str(), &name), c.check);
        CHECK_EQ(name, c.name);
    }
    std::string name;
    CHECK_EQ(CheckSetName(nullptr, &name), setNameEmpty);
}

TEST_CASE(SetNamesSortWithoutRegardToCaseAndStayInAFixedOrder)
{
    struct Case {
        Names given;
        Names sorted;
    } cases[] = {
        {{"maps", "Campaign", "arena", "Bonus"}, {"arena", "Bonus", "Campaign", "maps"}},
        {{"ab", "A", "a", "AB", "Ab"}, {"A", "a", "AB", "Ab", "ab"}},  // a name before its longer ones
        {{"z", "\xC4rger", "_x", "1"}, {"1", "_x", "z", "\xC4rger"}},  // other bytes by their value
        {{}, {}},
    };
    for (Case& c : cases) {
        SortSetNames(&c.given);
        CHECK(c.given == c.sorted);
    }
    // In code page 932 a second byte is no letter: ザ "\x83\x5A" stays before ダ "\x83\x60".
    Names kana = {"\x83\x60", "\x83\x5A"};
    UsingLeadBytes japanese(CodePage932());
    SortSetNames(&kana);
    CHECK(kana == Names({"\x83\x5A", "\x83\x60"}));
}
