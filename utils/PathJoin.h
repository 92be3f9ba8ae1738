// Joining a folder and a file name into one path, in a buffer of fixed capacity.
#ifndef TUMBLERIDGE_PATHJOIN_H
#define TUMBLERIDGE_PATHJOIN_H

#include <cstddef>

#include "utils/LeadBytes.h"

// Where the "\" between folder and name goes. A null folder counts as empty. A folder "ends in one" when its
// last character is a "\": a two-byte character whose second byte is 0x5C does not count.
enum class PathSeparator {
    // "\" unless the folder already ends in one; an empty folder gives the name alone, which the platform
    // then looks for in its usual folders.
    UnlessPresent,
    // As UnlessPresent, but an empty folder gives "\" and the name: a path from the root of the drive.
    UnlessPresentRooted,
    // "\" only after a folder longer than 3 characters, so a drive root such as "C:\" gets no second one.
    AfterLongerThanDriveRoot,
};

// Writes folder, separator and name into output. False, with an empty output, for a null name or output,
// or when the whole path does not fit the capacity (NUL included): a cut path names something else.
bool JoinPath(const char* folder, const char* name, PathSeparator separator, char* output, size_t capacity,
              const LeadBytes& leadBytes = ActiveLeadBytes());

#endif
