// Fuzzes the "Rez Files" text: whatever is split and joined again is never longer than the limit and
// splits back into a front part of the names, in order.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "options/ArchiveList.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0) return 0;
    size_t limit = data[0] * 4u;
    std::string text(reinterpret_cast<const char*>(data + 1), size - 1);
    std::vector<std::string> names = SplitArchiveText(text.c_str());
    for (const std::string& name : names) {
        if (name.empty() || name.find('|') != std::string::npos) abort();
    }
    JoinedArchives joined = JoinArchiveNames(names, limit);
    if (joined.text.size() > limit || joined.namesJoined + joined.namesLeftOut != names.size()) abort();
    std::vector<std::string> back = SplitArchiveText(joined.text.c_str());
    if (back != std::vector<std::string>(names.begin(), names.begin() + static_cast<long>(joined.namesJoined))) abort();
    return 0;
}
