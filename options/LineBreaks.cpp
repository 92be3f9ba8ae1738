// Turns the string table's bare line feeds into carriage return and line feed pairs.
#include "options/LineBreaks.h"

size_t ExpandLineFeeds(const char* text, char* out, size_t capacity)
{
    if (!out || capacity == 0) return 0;
    size_t length = 0;
    const char* p = text ? text : "";
    while (*p) {
        // A line break, bare or already paired, is written as one unit of two characters.
        bool pairedBreak = p[0] == '\r' && p[1] == '\n';
        bool isBreak = pairedBreak || p[0] == '\n';
        size_t needed = isBreak ? 2 : 1;
        if (length + needed >= capacity) break;
        if (isBreak) {
            out[length++] = '\r';
            out[length++] = '\n';
            p += pairedBreak ? 2 : 1;
        } else {
            out[length++] = *p++;
        }
    }
    out[length] = '\0';
    return length;
}
