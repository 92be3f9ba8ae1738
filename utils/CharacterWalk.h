// Looking for separators and comparing names in ANSI texts character by character, so that the second
// byte of a two-byte character is never taken for a "\", a "." or an ASCII letter.
#ifndef TUMBLERIDGE_CHARACTERWALK_H
#define TUMBLERIDGE_CHARACTERWALK_H

#include <cstddef>

#include "utils/LeadBytes.h"

// The bytes of the character that starts at text: 2 for a lead byte with a byte other than the NUL after
// it, else 1 (also at the NUL itself).
size_t CharacterBytes(const char* text, const LeadBytes& leadBytes = ActiveLeadBytes());

// Whether the last character of text[0, length) is the single-byte character c: false for an empty text and
// for a two-byte character whose second byte is c. A lead byte last in text is a character of its own.
bool EndsInCharacter(const char* text, size_t length, char c, const LeadBytes& leadBytes = ActiveLeadBytes());

// The last single-byte character of text that is one of characters (ASCII), or null when there is none.
const char* FindLastOf(const char* text, const char* characters, const LeadBytes& leadBytes = ActiveLeadBytes());

// The first place where word (ASCII) starts at a character boundary of text, or null.
const char* FindWord(const char* text, const char* word, const LeadBytes& leadBytes = ActiveLeadBytes());

// Upper-cases the ASCII letters of text in place; both bytes of a two-byte character stay as they are.
void UpperAsciiLetters(char* text, const LeadBytes& leadBytes = ActiveLeadBytes());

// Whether two texts are equal ignoring the case of ASCII letters only: two-byte characters must match
// exactly. Null equals nothing.
bool EqualIgnoringAsciiCase(const char* a, const char* b, const LeadBytes& leadBytes = ActiveLeadBytes());

#endif
