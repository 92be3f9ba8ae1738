// Text work of the preview catalogues that needs no Windows: joining paths and walking section names.
#include "previews/PreviewText.h"

#include <cstdio>
#include <cstring>

bool JoinPreviewPath(const char* folder, const char* file, char* output, size_t capacity)
{
    if (!output || capacity == 0) return false;
    output[0] = '\0';
    if (!folder || !file) return false;
    size_t folderLength = std::strlen(folder);
    const char* separator = folderLength > 0 && folder[folderLength - 1] == '\\' ? "" : "\\";
    int written = std::snprintf(output, capacity, "%s%s%s", folder, separator, file);
    if (written < 0 || static_cast<size_t>(written) >= capacity) {
        output[0] = '\0';
        return false;
    }
    return true;
}

SectionNameWalk::SectionNameWalk(const char* names, size_t length) : names(names), length(names ? length : 0), offset(0)
{
}

const char* SectionNameWalk::Next()
{
    if (offset >= length || names[offset] == '\0') return NULL;
    const void* end = std::memchr(names + offset, '\0', length - offset);
    if (!end) {
        offset = length;
        return NULL;
    }
    const char* name = names + offset;
    offset = static_cast<size_t>(static_cast<const char*>(end) - names) + 1;
    return name;
}
