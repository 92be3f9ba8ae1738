// Splitting and joining the "Rez Files" text.
#include "options/ArchiveList.h"

std::vector<std::string> SplitArchiveText(const char* text)
{
    std::vector<std::string> names;
    if (!text) return names;
    std::string name;
    for (const char* at = text; *at; ++at) {
        if (*at == '|') {
            if (!name.empty()) names.push_back(name);
            name.clear();
        } else {
            name += *at;
        }
    }
    if (!name.empty()) names.push_back(name);
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
