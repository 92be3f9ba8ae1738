// Fuzzes the section-name walk and the path join with arbitrary bytes and capacities.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "previews/PreviewText.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // The walk reads exactly these bytes: a copy of that size lets the sanitizer catch any read past them.
    std::vector<char> names(data, data + size);
    SectionNameWalk walk(names.data(), names.size());
    size_t seen = 0;
    while (const char* name = walk.Next()) {
        seen += std::strlen(name) + 1;
        if (seen > size) __builtin_trap();
    }

    if (size < 1) return 0;
    size_t capacity = data[0];
    std::vector<char> text(data + 1, data + size);
    text.push_back('\0');
    const char* folder = text.data();
    size_t split = std::strlen(folder);  // the folder ends at the first NUL, the file follows it
    const char* file = split + 1 < text.size() ? folder + split + 1 : folder + split;
    std::vector<char> output(capacity);
    if (JoinPreviewPath(folder, file, capacity ? output.data() : NULL, capacity) &&
        std::strlen(output.data()) >= capacity)
        __builtin_trap();
    return 0;
}
