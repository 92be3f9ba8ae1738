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
    // Where a script's reading found them, in lines counted from 0 up to each line feed: the line that
    // gave each value (-1 while unseen), and the line in which reading ended early, at the sixth key or an
    // end-of-text mark (-1 when the text was read to its end).
    long valueLine[SavedChoiceKeyCount];
    long endLine;

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
// ReadSavedChoiceFile and ApplySavedChoice; 0 when the file could not be opened (nothing preselected).
int ReadSavedChoice(DisplayCatalogue* catalogue, const char* fileName);

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

// Why a choice cannot be put into a script: the key concerned, and whether its value cannot be written at
// all (valueUnwritable) or a line of the script would be read in place of the written one (the start of
// that line in `line`).
struct ComposeProblem {
    SavedChoiceKey key;
    bool valueUnwritable;
    std::string line;
};

// The script `original` with the lines of "RenderDll", "CardDesc", "ScreenWidth", "ScreenHeight" and
// "BitDepth" replaced by `"Key" "Value"` lines (each keeping its own line end), and every other byte kept.
// A line counts as a key's line when, after optional blanks and one optional double quote, it holds
// exactly that key (any letter case) followed by a quote, blank, line end or nothing. Where the reader
// would still take a key's value from another line (one that merely begins with the key's letters, such
// as "CardDescription", which the engine reads as a command of its own and which is therefore kept), the
// written line goes right behind the last such line; where the reader stops in that line, right before
// it. A missing key's line is appended, or put before the line holding an end-of-text mark. False, and
// no text, when a value cannot be written so that it reads back (it begins with a blank or a double
// quote, ends with a double quote, holds a line break, NUL or Ctrl-Z, or is longer than the reader
// keeps), or when the script still would not read back as this choice; `problem` then says why.
bool ComposeSavedChoice(const std::string& original, const DisplayChoice& choice, std::string* composed,
                        ComposeProblem* problem = nullptr);

// Why the choice was not saved, in the terms the player is told.
enum SaveFailure {
    SaveDone,           // written, or the script already held the choice
    SaveNothingChosen,  // no renderer, device or mode: nothing to write, nothing to tell
    SaveFolderDenied,   // the folder or the file may not be written
    SaveDiskFull,
    SaveFileInUse,        // another program holds the file without sharing it
    SaveFileReadOnly,     // the file is marked read-only
    SaveLineInTheWay,     // a line of the script would be read in place of the written one
    SaveValueUnwritable,  // a value cannot be written so that it reads back
    SaveSystemError       // any other error of the system, told by its number
};

// The failure that a system error number of a file operation stands for.
SaveFailure SaveFailureOfSystemError(unsigned long error);

// What became of a write of the choice.
struct SavedChoiceWrite {
    SavedChoiceWrite() : failure(SaveDone), systemError(0) {}
    SaveFailure failure;
    unsigned long systemError;  // the system's error number of the failed step, or 0
    std::string key;            // the key concerned by SaveLineInTheWay and SaveValueUnwritable
    std::string line;           // the first word of the line in the way
};

#endif
