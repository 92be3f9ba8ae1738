// Any text and any capacity: the expansion stays in its buffer, is terminated and leaves no bare line feed.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "options/LineBreaks.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0) return 0;
    size_t capacity = data[0];
    std::string text(reinterpret_cast<const char*>(data + 1), size - 1);
    text = text.c_str();                       // up to the first NUL, as a loaded string would be
    std::vector<char> out(capacity + 1, '#');  // one guard byte past the capacity
    size_t length = ExpandLineFeeds(text.c_str(), out.data(), capacity);
    if (out[capacity] != '#') std::abort();
    if (capacity == 0) return length == 0 ? 0 : (std::abort(), 0);
    if (length >= capacity || out[length] != '\0' || std::strlen(out.data()) != length) std::abort();
    for (size_t i = 0; i < length; ++i) {
        if (out[i] == '\n' && (i == 0 || out[i - 1] != '\r')) std::abort();
        if (out[i] == '\r' && (i + 1 >= length || out[i + 1] != '\n') && text.find('\r') == std::string::npos)
            std::abort();
    }
    // With room for every character twice nothing is cut.
    if (capacity > 2 * text.size()) {
        size_t breaks = 0;
        for (size_t i = 0; i < text.size(); ++i)
            if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) ++breaks;
        if (length != text.size() + breaks) std::abort();
    }
    return 0;
}
