// Text work of the preview catalogues that needs no Windows: joining paths and walking section names.
#ifndef TUMBLERIDGE_PREVIEWTEXT_H
#define TUMBLERIDGE_PREVIEWTEXT_H

#include <cstddef>

// folder, then "\" unless the folder already ends in one (an empty folder gets it too), then file. False,
// with an empty output, when the result does not fit the capacity: a cut path would open something else.
bool JoinPreviewPath(const char* folder, const char* file, char* output, size_t capacity);

// Walks a profile section-name list: names, each ended by a NUL, up to an empty name. Only the first
// `length` bytes are ever read, so a list that lacks its closing NULs ends where the bytes end; a name that
// runs into that end without its NUL is not returned.
class SectionNameWalk {
public:
    SectionNameWalk(const char* names, size_t length);
    // The next name, or null when the list is over.
    const char* Next();

private:
    const char* names;
    size_t length;
    size_t offset;
};

#endif
