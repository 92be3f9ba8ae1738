// Splitting and joining the "Rez Files" text.
#include "options/ArchiveList.h"

#include "utils/CharacterWalk.h"

std::vector<std::string> SplitArchiveText(const char* text, const LeadBytes& leadBytes)
{
    std::vector<std::string> names;
    if (!text) return names;
    const char* start = text;
    while (*start) {
        // The next "|" character: the second byte of a two-byte character may be 0x7C as well.
        const char* end = start;
        while (*end && *end != '|') end += CharacterBytes(end, leadBytes);
        if (end > start) names.emplace_back(start, end);
        start = *end ? end + 1 : end;
    }
    return names;
}

JoinedArchives JoinArchiveNames(const std::vector<std::string>& names, size_t limit)
{
    JoinedArchives joined = {std::string(), 0, 0};
    for (const std::string& name : names) {
        if (name.empty()) continue;
        if (joined.namesLeftOut > 0) {
            ++joined.namesLeftOut;
            continue;
        }
        size_t separator = joined.text.empty() ? 0 : 1;
        if (joined.text.size() + separator + name.size() > limit) {
            joined.namesLeftOut = 1;
            continue;
        }
        if (separator) joined.text += '|';
        joined.text += name;
        ++joined.namesJoined;
    }
    return joined;
}
