// The display choice saved in the engine's configuration script "autoexec.cfg": reading it into the
// catalogue's chosen objects, and composing the script again with a new choice. Portable.
#ifndef TUMBLERIDGE_SAVEDCHOICE_H
#define TUMBLERIDGE_SAVEDCHOICE_H

#include <string>

class DisplayCatalogue;

extern const char* const savedChoiceFileName;  // "autoexec.cfg", in the current folder

// The six keys the reader knows, in the order in which a line is tried against them.
enum SavedChoiceKey {
    KeyRenderDll,
    KeyRenderer,
    KeyCardDesc,
    KeyScreenWidth,
    KeyScreenHeight,
    KeyBitDepth,
    SavedChoiceKeyCount
};
extern const char* const savedChoiceKeyNames[SavedChoiceKeyCount];

const int savedChoiceLongCapacity = 128;  // RenderDll, Renderer, CardDesc: 127 characters and a NUL
const int savedChoiceShortCapacity = 64;  // the three numbers: 63 characters and a NUL
const int savedChoiceLineCapacity = 512;  // a longer line is read in pieces of 511 characters

// The values as read; a value longer than its capacity is cut.
struct SavedChoice {
    SavedChoice();  // the defaults: empty texts, "640", "480", "16", nothing seen

    char values[SavedChoiceKeyCount][savedChoiceLongCapacity];
    bool seen[SavedChoiceKeyCount];
    int seenCount;

    static int Capacity(SavedChoiceKey key);
};

// Handles one line (or piece of a line). Answers false when it matched no key.
bool ReadSavedChoiceLine(SavedChoice* choice, const char* line);
// Reads a whole script as a text file reads: "\r\n" as "\n", Ctrl-Z ends it, lines of more than 511
// characters in pieces, each piece a line of its own; reading stops once all six keys were seen.
void ReadSavedChoiceText(const std::string& text, SavedChoice* choice);
// The same over a file. False when it cannot be opened.
bool ReadSavedChoiceFile(const char* fileName, SavedChoice* choice);
// Moves the choice into the catalogue: renderer by exact file name, then device, then mode.
void ApplySavedChoice(DisplayCatalogue* catalogue, const SavedChoice& choice);
// ReadSavedChoiceFile and ApplySavedChoice; false when the file could not be opened (nothing preselected).
bool ReadSavedChoice(DisplayCatalogue* catalogue, const char* fileName);

// The C runtime's decimal conversion (leading white space, a sign, digits up to the first other
// character; none give 0), saturating instead of overflowing.
int DecimalValue(const char* text);

// The choice as it is written back: the renderer's file name, the device's cardDesc and the mode.
struct DisplayChoice {
    std::string renderDll;
    std::string cardDesc;
    int width;
    int height;
    int bitDepth;
};

// The catalogue's current choice; false when no renderer, device or mode is chosen.
bool CurrentDisplayChoice(const DisplayCatalogue& catalogue, DisplayChoice* choice);

// The script `original` with the lines of "RenderDll", "CardDesc", "ScreenWidth", "ScreenHeight" and
// "BitDepth" replaced by `"Key" "Value"` lines (each keeping its own line end), missing keys appended,
// and every other byte kept. A line counts as a key's line when, after optional blanks and one optional
// double quote, it holds exactly that key (any letter case) followed by a quote, blank, line end or
// nothing. False, and no text, when a value cannot be written as one line (it holds a line break or NUL),
// or when the script would not read back as this choice: a value that begins with a blank or a double
// quote, ends with a double quote, is longer than the reader keeps or holds Ctrl-Z, or another line of
// the script that the reader would take in its place.
bool ComposeSavedChoice(const std::string& original, const DisplayChoice& choice, std::string* composed);

#endif
