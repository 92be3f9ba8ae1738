// Text work of the preview catalogues that needs no Windows: joining paths and walking section names.
#include "previews/PreviewText.h"

#include <cstring>

#include "utils/PathJoin.h"

bool JoinPreviewPath(const char* folder, const char* file, char* output, size_t capacity)
{
    if (!folder) {
        if (output && capacity > 0) output[0] = '\0';
        return false;
    }
    return JoinPath(folder, file, PathSeparator::UnlessPresentRooted, output, capacity);
}

SectionNameWalk::SectionNameWalk(const char* names, size_t length) : names(names), length(names ? length : 0), offset(0)
{
}

const char* SectionNameWalk::Next()
{
    if (offset >= length || names[offset] == '\0') return nullptr;
    const void* end = std::memchr(names + offset, '\0', length - offset);
    if (!end) {
        offset = length;
        return nullptr;
    }
    const char* name = names + offset;
    offset = static_cast<size_t>(static_cast<const char*>(end) - names) + 1;
    return name;
}
