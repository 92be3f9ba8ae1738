// Looking for separators and comparing names in ANSI texts character by character.
#include "utils/CharacterWalk.h"

#include <cstring>

size_t CharacterBytes(const char* text, const LeadBytes& leadBytes)
{
    return leadBytes.IsLead(text[0]) && text[1] != '\0' ? 2 : 1;
}

namespace {

char UpperAscii(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

}  // namespace

bool EndsInCharacter(const char* text, size_t length, char c, const LeadBytes& leadBytes)
{
    if (!text || length == 0 || text[length - 1] != c) return false;
    if (!leadBytes.Any()) return true;
    // Only a walk from the start tells whether the last byte begins a character or ends one.
    size_t at = 0;
    while (at + 1 < length) at += leadBytes.IsLead(text[at]) ? 2 : 1;
    return at == length - 1;
}

const char* FindLastOf(const char* text, const char* characters, const LeadBytes& leadBytes)
{
    if (!text || !characters) return nullptr;
    const char* found = nullptr;
    for (const char* at = text; *at; at += CharacterBytes(at, leadBytes)) {
        if (!leadBytes.IsLead(*at) && std::strchr(characters, *at)) found = at;
    }
    return found;
}

const char* FindWord(const char* text, const char* word, const LeadBytes& leadBytes)
{
    if (!text || !word) return nullptr;
    size_t length = std::strlen(word);
    for (const char* at = text; *at; at += CharacterBytes(at, leadBytes)) {
        if (std::strncmp(at, word, length) == 0) return at;
    }
    return length == 0 ? text : nullptr;
}

void UpperAsciiLetters(char* text, const LeadBytes& leadBytes)
{
    if (!text) return;
    for (char* at = text; *at;) {
        size_t bytes = CharacterBytes(at, leadBytes);
        if (bytes == 1) *at = UpperAscii(*at);
        at += bytes;
    }
}

bool EqualIgnoringAsciiCase(const char* a, const char* b, const LeadBytes& leadBytes)
{
    if (!a || !b) return false;
    for (;;) {
        size_t bytes = CharacterBytes(a, leadBytes);
        if (bytes != CharacterBytes(b, leadBytes)) return false;
        if (bytes == 2) {
            if (a[0] != b[0] || a[1] != b[1]) return false;
        } else {
            if (UpperAscii(*a) != UpperAscii(*b)) return false;
            if (*a == '\0') return true;
        }
        a += bytes;
        b += bytes;
    }
}
