// Turns the string table's bare line feeds into the carriage return and line feed pairs an edit field shows.
#ifndef TUMBLERIDGE_LINEBREAKS_H
#define TUMBLERIDGE_LINEBREAKS_H

#include <cstddef>

// Copies text into out (capacity bytes, NUL included), writing a carriage return before every line feed
// that lacks one. The result is always terminated when capacity > 0 and is cut before a character or a
// line break that would not fit whole, so a break is never split. Returns the characters written.
// Twice the text's length plus one always suffices.
size_t ExpandLineFeeds(const char* text, char* out, size_t capacity);

#endif
