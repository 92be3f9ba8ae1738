// The "Rez Files" text: the chosen add-on archive names joined by "|", and splitting it back into names.
#ifndef TUMBLERIDGE_ARCHIVELIST_H
#define TUMBLERIDGE_ARCHIVELIST_H

#include <cstddef>
#include <string>
#include <vector>

#include "utils/LeadBytes.h"

// The longest "Rez Files" text that reads back whole: it is read with room for 2046 bytes, NUL included.
const size_t archiveTextLimit = 2045;
const size_t archiveTextReadCapacity = archiveTextLimit + 1;

// The names of a "Rez Files" text, in order. Empty pieces (a leading or trailing "|", two in a row) are
// skipped; spaces and repeated names are kept. Only a "|" character separates: a name may hold a two-byte
// character whose second byte is 0x7C.
std::vector<std::string> SplitArchiveText(const char* text, const LeadBytes& leadBytes = ActiveLeadBytes());

// The result of joining names for storage.
struct JoinedArchives {
    std::string text;     // the names that fit, joined by "|"
    size_t namesJoined;   // how many non-empty names are in text
    size_t namesLeftOut;  // non-empty names that did not fit, from the first one that did not on
};

// Joins the non-empty names in order with one "|" between two of them. The text never exceeds limit
// characters: joining stops before the first name that would make it longer, so what is stored is always
// a whole front part of the list, never a list with a gap or a cut name.
JoinedArchives JoinArchiveNames(const std::vector<std::string>& names, size_t limit);

#endif
