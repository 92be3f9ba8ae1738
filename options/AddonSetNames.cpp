// Checking and ordering the names of add-on sets.
#include "options/AddonSetNames.h"

#include <algorithm>

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

// Only the letters A to Z fold: the bytes above 127 belong to the player's code page.
unsigned char Folded(char c)
{
    unsigned char byte = static_cast<unsigned char>(c);
    return byte >= 'A' && byte <= 'Z' ? static_cast<unsigned char>(byte - 'A' + 'a') : byte;
}

// Below, equal or above 0 as a sorts before, with or after b when case is left aside.
int CompareFolded(const std::string& a, const std::string& b)
{
    size_t common = std::min(a.size(), b.size());
    for (size_t i = 0; i < common; ++i) {
        int difference = Folded(a[i]) - Folded(b[i]);
        if (difference != 0) return difference;
    }
    return a.size() < b.size() ? -1 : (a.size() > b.size() ? 1 : 0);
}

bool ListedBefore(const std::string& a, const std::string& b)
{
    int folded = CompareFolded(a, b);
    return folded != 0 ? folded < 0 : a < b;
}

}  // namespace

SetNameCheck CheckSetName(const char* typed, std::string* name)
{
    const char* start = typed ? typed : "";
    while (IsBlank(*start)) ++start;
    const char* end = start + std::char_traits<char>::length(start);
    while (end > start && IsBlank(end[-1])) --end;
    name->assign(start, end);
    if (name->empty()) return setNameEmpty;
    return name->size() > addonSetNameLimit ? setNameTooLong : setNameValid;
}

void SortSetNames(std::vector<std::string>* names)
{
    std::sort(names->begin(), names->end(), ListedBefore);
}
