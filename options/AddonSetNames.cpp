// Checking and ordering the names of add-on sets.
#include "options/AddonSetNames.h"

#include <algorithm>

#include "utils/CharacterWalk.h"

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

// Below, equal or above 0 as a sorts before, with or after b when case is left aside. The texts are walked
// by character: both bytes of a two-byte character are compared as they are.
int CompareFolded(const std::string& a, const std::string& b)
{
    size_t common = std::min(a.size(), b.size());
    size_t bytes = 1;
    for (size_t i = 0; i < common; i += bytes) {
        bytes = CharacterBytes(a.c_str() + i);
        bool folds = bytes == 1 && CharacterBytes(b.c_str() + i) == 1;
        for (size_t k = i; k < i + bytes && k < common; ++k) {
            int difference = folds ? Folded(a[k]) - Folded(b[k])
                                   : static_cast<unsigned char>(a[k]) - static_cast<unsigned char>(b[k]);
            if (difference != 0) return difference;
        }
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
