// Reading the saved display choice from "autoexec.cfg" and composing the script with a new choice.
#include "display/SavedChoice.h"

#include "display/DisplayCatalogue.h"

#include <climits>
#include <cstdio>
#include <cstring>
#include <vector>

const char* const savedChoiceFileName = "autoexec.cfg";

const char* const savedChoiceKeyNames[SavedChoiceKeyCount] = {"RenderDll",   "Renderer",     "CardDesc",
                                                              "ScreenWidth", "ScreenHeight", "BitDepth"};

namespace {

char LowerAscii(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// True when text[0, length) starts with key, compared without regard to letter case.
bool StartsWithKey(const char* text, std::size_t length, const char* key)
{
    std::size_t keyLength = std::strlen(key);
    if (length < keyLength) return false;
    for (std::size_t i = 0; i < keyLength; ++i) {
        if (LowerAscii(text[i]) != LowerAscii(key[i])) return false;
    }
    return true;
}

void CopyCut(char* destination, int capacity, const char* source, std::size_t length)
{
    if (length > static_cast<std::size_t>(capacity - 1)) length = static_cast<std::size_t>(capacity - 1);
    std::memcpy(destination, source, length);
    destination[length] = '\0';
}

}  // namespace

SavedChoice::SavedChoice() : seenCount(0), endLine(-1)
{
    for (int key = 0; key < SavedChoiceKeyCount; ++key) {
        values[key][0] = '\0';
        seen[key] = false;
        valueLine[key] = -1;
    }
    CopyCut(values[KeyScreenWidth], savedChoiceShortCapacity, "640", 3);
    CopyCut(values[KeyScreenHeight], savedChoiceShortCapacity, "480", 3);
    CopyCut(values[KeyBitDepth], savedChoiceShortCapacity, "16", 2);
}

int SavedChoice::Capacity(SavedChoiceKey key)
{
    return key <= KeyCardDesc ? savedChoiceLongCapacity : savedChoiceShortCapacity;
}

namespace {

// ReadSavedChoiceLine, answering the key that the line gave, or -1.
int ReadKeyLine(SavedChoice* choice, const char* line)
{
    if (!choice || !line) return -1;
    const char* text = line;
    if (*text == '"') ++text;  // one quote only: a line that starts with a blank matches nothing
    std::size_t length = std::strlen(text);

    int key = 0;
    while (key < SavedChoiceKeyCount && !StartsWithKey(text, length, savedChoiceKeyNames[key])) ++key;
    if (key == SavedChoiceKeyCount) return -1;

    const char* value = text + std::strlen(savedChoiceKeyNames[key]);
    while (*value == '"' || *value == ' ') ++value;
    std::size_t valueLength = std::strlen(value);
    while (valueLength > 1 && (value[valueLength - 1] == '"' || value[valueLength - 1] == '\n')) --valueLength;

    CopyCut(choice->values[key], SavedChoice::Capacity(static_cast<SavedChoiceKey>(key)), value, valueLength);
    if (!choice->seen[key]) {
        choice->seen[key] = true;
        ++choice->seenCount;
    }
    return key;
}

}  // namespace

bool ReadSavedChoiceLine(SavedChoice* choice, const char* line)
{
    return ReadKeyLine(choice, line) >= 0;
}

namespace {

// Cuts bytes into the lines that a file opened as text hands to a line reader of 512 bytes: "\r\n" arrives
// as "\n", the end-of-text mark Ctrl-Z ends the text, and a line longer than 511 characters comes in
// pieces. Each line goes to ReadSavedChoiceLine until all six keys were seen.
class SavedChoiceText {
public:
    explicit SavedChoiceText(SavedChoice* choice_)
        : choice(choice_), length(0), lineNumber(0), pendingReturn(false), over(false)
    {
    }

    // False once reading is over.
    bool Feed(const char* bytes, std::size_t count)
    {
        for (std::size_t i = 0; i < count && !over; ++i) {
            char c = bytes[i];
            if (pendingReturn) {
                pendingReturn = false;
                if (c == '\n') {
                    Append('\n');
                    ++lineNumber;
                    continue;
                }
                Append('\r');
                if (over) break;
            }
            if (c == endOfText) {
                Finish();
                End();
            } else if (c == '\r') {
                pendingReturn = true;
            } else {
                Append(c);
                if (c == '\n') ++lineNumber;
            }
        }
        return !over;
    }

    // The last line, when the text does not end with a line feed.
    void Finish()
    {
        if (pendingReturn && !over) Append('\r');
        pendingReturn = false;
        if (length > 0 && !over) HandLine();
    }

private:
    static const char endOfText = 0x1A;

    void Append(char c)
    {
        line[length++] = c;
        if (c == '\n' || length == static_cast<std::size_t>(savedChoiceLineCapacity - 1)) HandLine();
    }

    void HandLine()
    {
        line[length] = '\0';
        length = 0;
        int key = ReadKeyLine(choice, line);
        if (key >= 0) choice->valueLine[key] = lineNumber;
        if (choice->seenCount == SavedChoiceKeyCount) End();
    }

    void End()
    {
        if (!over) choice->endLine = lineNumber;
        over = true;
    }

    SavedChoice* choice;
    char line[savedChoiceLineCapacity];
    std::size_t length;
    long lineNumber;
    bool pendingReturn;
    bool over;
};

}  // namespace

void ReadSavedChoiceText(const std::string& text, SavedChoice* choice)
{
    if (!choice) return;
    *choice = SavedChoice();
    SavedChoiceText reader(choice);
    reader.Feed(text.data(), text.size());
    reader.Finish();
}

bool ReadSavedChoiceFile(const char* fileName, SavedChoice* choice)
{
    if (!fileName || !choice) return false;
    std::FILE* file = std::fopen(fileName, "rb");
    if (!file) return false;
    *choice = SavedChoice();
    SavedChoiceText reader(choice);
    char bytes[4096];
    std::size_t got = 0;
    while ((got = std::fread(bytes, 1, sizeof bytes, file)) > 0 && reader.Feed(bytes, got)) {
    }
    reader.Finish();
    std::fclose(file);
    return true;
}

int DecimalValue(const char* text)
{
    if (!text) return 0;
    while (*text == ' ' || (*text >= '\t' && *text <= '\r')) ++text;
    bool negative = false;
    if (*text == '+' || *text == '-') negative = *text++ == '-';
    long long value = 0;
    for (; *text >= '0' && *text <= '9'; ++text) {
        value = value * 10 + (*text - '0');
        if (value > static_cast<long long>(INT_MAX) + 1) value = static_cast<long long>(INT_MAX) + 1;
    }
    if (negative) return static_cast<int>(-value);
    return value > INT_MAX ? INT_MAX : static_cast<int>(value);
}

void ApplySavedChoice(DisplayCatalogue* catalogue, const SavedChoice& choice)
{
    if (!catalogue || !choice.seen[KeyRenderDll]) return;
    catalogue->selectedRenderer = catalogue->FindRenderer(choice.values[KeyRenderDll]);
    RendererEntry* renderer = catalogue->selectedRenderer;
    if (!renderer) return;
    if (choice.seen[KeyCardDesc]) renderer->SelectDevice(choice.values[KeyCardDesc]);
    if (!renderer->selectedDevice) return;
    // A mode that is not offered leaves the device's default in place.
    renderer->selectedDevice->SelectMode(DecimalValue(choice.values[KeyScreenWidth]),
                                         DecimalValue(choice.values[KeyScreenHeight]),
                                         DecimalValue(choice.values[KeyBitDepth]));
}

int ReadSavedChoice(DisplayCatalogue* catalogue, const char* fileName)
{
    SavedChoice choice;
    if (!ReadSavedChoiceFile(fileName, &choice)) return 0;
    ApplySavedChoice(catalogue, choice);
    return 1;
}

bool CurrentDisplayChoice(const DisplayCatalogue& catalogue, DisplayChoice* choice)
{
    const RendererEntry* renderer = catalogue.selectedRenderer;
    const DeviceEntry* device = renderer ? renderer->selectedDevice : nullptr;
    const ModeEntry* mode = device ? device->selectedMode : nullptr;
    if (!mode || !choice) return false;
    choice->renderDll = renderer->fileName;
    choice->cardDesc = device->cardDesc;
    choice->width = mode->width;
    choice->height = mode->height;
    choice->bitDepth = mode->bitDepth;
    return true;
}

namespace {

// The keys written back, in the order in which missing ones are appended.
const int writtenKeyCount = 5;
const SavedChoiceKey writtenKeys[writtenKeyCount] = {KeyRenderDll, KeyCardDesc, KeyScreenWidth, KeyScreenHeight,
                                                     KeyBitDepth};

// Which written key (an index into writtenKeys) the line [begin, end) of text holds, or -1.
int WrittenKeyOfLine(const std::string& text, std::size_t begin, std::size_t end)
{
    std::size_t at = begin;
    while (at < end && (text[at] == ' ' || text[at] == '\t')) ++at;
    if (at < end && text[at] == '"') ++at;
    for (int key = 0; key < writtenKeyCount; ++key) {
        const char* name = savedChoiceKeyNames[writtenKeys[key]];
        if (!StartsWithKey(text.data() + at, end - at, name)) continue;
        std::size_t after = at + std::strlen(name);
        if (after == end || text[after] == '"' || text[after] == ' ' || text[after] == '\t') return key;
    }
    return -1;
}

bool WritableValue(const std::string& value)
{
    return value.find_first_of(std::string("\r\n\0", 3)) == std::string::npos;
}

std::string WrittenLine(int key, const std::string& value)
{
    return "\"" + std::string(savedChoiceKeyNames[writtenKeys[key]]) + "\" \"" + value + "\"";
}

// Whether the reader took this value for the written key; numbers count by their value.
bool ReadsBack(const SavedChoice& read, int key, const std::string& value)
{
    SavedChoiceKey savedKey = writtenKeys[key];
    if (!read.seen[savedKey]) return false;
    if (savedKey == KeyRenderDll || savedKey == KeyCardDesc) return value == read.values[savedKey];
    return DecimalValue(read.values[savedKey]) == DecimalValue(value.c_str());
}

SavedChoice ReadLines(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines) text += line;
    SavedChoice read;
    ReadSavedChoiceText(text, &read);
    return read;
}

// The first word of a line, as the player finds it in the file: behind blanks and one double quote, up to
// a blank, quote or line end, at most 40 characters.
std::string FirstWord(const std::string& line)
{
    std::size_t begin = line.find_first_not_of(" \t");
    if (begin == std::string::npos) return std::string();
    if (line[begin] == '"') ++begin;
    std::size_t end = line.find_first_of(" \t\"\r\n", begin);
    if (end == std::string::npos) end = line.size();
    return line.substr(begin, end - begin < 40 ? end - begin : 40);
}

void Refuse(ComposeProblem* problem, int key, bool valueUnwritable, const std::string& line)
{
    if (!problem) return;
    problem->key = writtenKeys[key];
    problem->valueUnwritable = valueUnwritable;
    problem->line = line;
}

}  // namespace

bool ComposeSavedChoice(const std::string& original, const DisplayChoice& choice, std::string* composed,
                        ComposeProblem* problem)
{
    if (!composed) return false;
    const std::string values[writtenKeyCount] = {choice.renderDll, choice.cardDesc, std::to_string(choice.width),
                                                 std::to_string(choice.height), std::to_string(choice.bitDepth)};
    // A value that does not read back from a line of its own never will, whatever the script holds.
    for (int key = 0; key < writtenKeyCount; ++key) {
        if (!WritableValue(values[key]) ||
            !ReadsBack(ReadLines({WrittenLine(key, values[key]) + "\n"}), key, values[key])) {
            Refuse(problem, key, true, std::string());
            return false;
        }
    }

    std::vector<std::string> lines;  // each with its own line end; the last may have none
    std::string lineEnd;             // the first line end of the script: added lines use it too
    std::size_t begin = 0;
    while (begin < original.size()) {
        std::size_t feed = original.find('\n', begin);
        std::size_t next = feed == std::string::npos ? original.size() : feed + 1;
        std::size_t bodyEnd = next;
        if (feed != std::string::npos) {
            bodyEnd = (feed > begin && original[feed - 1] == '\r') ? feed - 1 : feed;
            if (lineEnd.empty()) lineEnd = original.substr(bodyEnd, next - bodyEnd);
        }
        int key = WrittenKeyOfLine(original, begin, bodyEnd);
        if (key < 0) {
            lines.push_back(original.substr(begin, next - begin));
        } else {
            lines.push_back(WrittenLine(key, values[key]) + original.substr(bodyEnd, next - bodyEnd));
        }
        begin = next;
    }
    if (lineEnd.empty()) lineEnd = "\r\n";

    // Each key whose value the reader does not take from a written line gets one more, placed where the
    // reader takes it last: behind the last line that gave it, or before that line when reading ends in
    // it; for a key not read at all, at the end or before the line in which reading ends (an end mark).
    for (int key = 0; key < writtenKeyCount; ++key) {
        SavedChoice read = ReadLines(lines);
        if (ReadsBack(read, key, values[key])) continue;
        long from = read.valueLine[writtenKeys[key]];
        long at = from >= 0 ? (from == read.endLine ? from : from + 1) : read.endLine;
        if (at < 0 || at > static_cast<long>(lines.size())) at = static_cast<long>(lines.size());
        if (at == static_cast<long>(lines.size()) && !lines.empty() && lines.back().back() != '\n')
            lines.back() += lineEnd;
        lines.insert(lines.begin() + at, WrittenLine(key, values[key]) + lineEnd);
    }

    SavedChoice read = ReadLines(lines);
    for (int key = 0; key < writtenKeyCount; ++key) {
        if (ReadsBack(read, key, values[key])) continue;
        long from = read.valueLine[writtenKeys[key]];
        Refuse(problem, key, false, from >= 0 ? FirstWord(lines[static_cast<std::size_t>(from)]) : std::string());
        return false;
    }
    composed->clear();
    for (const std::string& line : lines) *composed += line;
    return true;
}

namespace {

// Win32's error numbers of the file operations, as the system defines them.
const unsigned long errorAccessDenied = 5;
const unsigned long errorWriteProtect = 19;
const unsigned long errorSharingViolation = 32;
const unsigned long errorLockViolation = 33;
const unsigned long errorHandleDiskFull = 39;
const unsigned long errorNetworkAccessDenied = 65;
const unsigned long errorDiskFull = 112;
const unsigned long errorDiskQuotaExceeded = 1295;
const unsigned long errorFileReadOnly = 6009;

}  // namespace

SaveFailure SaveFailureOfSystemError(unsigned long error)
{
    switch (error) {
        case 0:
            return SaveDone;
        case errorAccessDenied:
        case errorWriteProtect:
        case errorNetworkAccessDenied:
            return SaveFolderDenied;
        case errorHandleDiskFull:
        case errorDiskFull:
        case errorDiskQuotaExceeded:
            return SaveDiskFull;
        case errorSharingViolation:
        case errorLockViolation:
            return SaveFileInUse;
        case errorFileReadOnly:
            return SaveFileReadOnly;
        default:
            return SaveSystemError;
    }
}
