// Joining catalogue paths and walking section-name lists, with the sanitizers watching the bounds.
#include <string>
#include <vector>

#include "TestKit.h"
#include "previews/PreviewText.h"

namespace {

std::string Join(const char* folder, const char* file, size_t capacity = 64)
{
    std::vector<char> output(capacity + 1, 'X');
    bool joined = JoinPreviewPath(folder, file, output.data(), capacity);
    std::string text = output.data();
    return joined ? text : "(refused, left \"" + text + "\")";
}

// The names the walk returns, each followed by "|".
std::string Walk(const std::string& bytes, size_t length)
{
    SectionNameWalk walk(bytes.data(), length);
    std::string names;
    while (const char* name = walk.Next()) names += std::string(name) + "|";
    return names;
}

}  // namespace

TEST_CASE(JoinAddsOneBackslashBetweenFolderAndFile)
{
    struct Case {
        const char* folder;
        const char* file;
        const char* joined;
    } cases[] = {
        {"E:\\Previews\\Movies", "Movies.ini", "E:\\Previews\\Movies\\Movies.ini"},
        {"E:\\", "Trailer.avi", "E:\\Trailer.avi"},
        {"E:\\Previews\\Demos", "Sky\\DEMO.EXE", "E:\\Previews\\Demos\\Sky\\DEMO.EXE"},
        {"E:\\Previews\\Demos", "", "E:\\Previews\\Demos\\"},  // no "File": the folder itself
        {"", "DEMO.EXE", "\\DEMO.EXE"},                        // an empty folder gets the backslash too
        {"", "", "\\"},
    };
    for (const Case& c : cases) CHECK_EQ(Join(c.folder, c.file), std::string(c.joined));
}

TEST_CASE(JoinRefusesWhatDoesNotFitAndNullTexts)
{
    CHECK_EQ(Join("E:\\ab", "cd", 9), std::string("E:\\ab\\cd"));  // eight characters and the NUL
    CHECK_EQ(Join("E:\\ab", "cde", 9), std::string("(refused, left \"\")"));
    CHECK_EQ(Join("E:\\ab\\", "cd", 9), std::string("E:\\ab\\cd"));  // its own backslash is not doubled
    CHECK_EQ(Join(NULL, "x"), std::string("(refused, left \"\")"));
    CHECK_EQ(Join("E:\\", NULL), std::string("(refused, left \"\")"));
    char one = 'X';
    CHECK(!JoinPreviewPath("a", "b", &one, 1));
    CHECK_EQ(one, '\0');
    CHECK(!JoinPreviewPath("a", "b", NULL, 8));
}

TEST_CASE(WalkStopsAtTheEmptyNameOrTheEndOfTheBytes)
{
    CHECK_EQ(Walk(std::string("Trailer\0Flyover\0\0", 17), 17), std::string("Trailer|Flyover|"));
    // Names after the empty one are not part of the list.
    CHECK_EQ(Walk(std::string("One\0\0Two\0\0", 10), 10), std::string("One|"));
    // A name that runs into the end of the bytes without its NUL is not returned.
    CHECK_EQ(Walk(std::string("One\0Tw", 6), 6), std::string("One|"));
    CHECK_EQ(Walk(std::string("One\0Two\0", 8), 5), std::string("One|"));
    CHECK_EQ(Walk(std::string("\0One\0\0", 6), 6), std::string(""));
    CHECK_EQ(Walk(std::string("One\0\0", 5), 0), std::string(""));
    SectionNameWalk none(NULL, 40);
    CHECK(none.Next() == NULL);
    CHECK(none.Next() == NULL);
}
