// Reading the saved display choice from "autoexec.cfg" and composing the script with a new choice.
#include "display/SavedChoice.h"

#include "display/DisplayCatalogue.h"

#include <climits>
#include <cstdio>
#include <cstring>

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

SavedChoice::SavedChoice() : seenCount(0)
{
    for (int key = 0; key < SavedChoiceKeyCount; ++key) {
        values[key][0] = '\0';
        seen[key] = false;
    }
    CopyCut(values[KeyScreenWidth], savedChoiceShortCapacity, "640", 3);
    CopyCut(values[KeyScreenHeight], savedChoiceShortCapacity, "480", 3);
    CopyCut(values[KeyBitDepth], savedChoiceShortCapacity, "16", 2);
}

int SavedChoice::Capacity(SavedChoiceKey key)
{
    return key <= KeyCardDesc ? savedChoiceLongCapacity : savedChoiceShortCapacity;
}

bool ReadSavedChoiceLine(SavedChoice* choice, const char* line)
{
    if (!choice || !line) return false;
    const char* text = line;
    if (*text == '"') ++text;  // one quote only: a line that starts with a blank matches nothing
    std::size_t length = std::strlen(text);

    int key = 0;
    while (key < SavedChoiceKeyCount && !StartsWithKey(text, length, savedChoiceKeyNames[key])) ++key;
    if (key == SavedChoiceKeyCount) return false;

    const char* value = text + std::strlen(savedChoiceKeyNames[key]);
    while (*value == '"' || *value == ' ') ++value;
    std::size_t valueLength = std::strlen(value);
    while (valueLength > 1 && (value[valueLength - 1] == '"' || value[valueLength - 1] == '\n')) --valueLength;

    CopyCut(choice->values[key], SavedChoice::Capacity(static_cast<SavedChoiceKey>(key)), value, valueLength);
    if (!choice->seen[key]) {
        choice->seen[key] = true;
        ++choice->seenCount;
    }
    return true;
}

namespace {

// Cuts bytes into the lines that a file opened as text hands to a line reader of 512 bytes: "\r\n" arrives
// as "\n", the end-of-text mark Ctrl-Z ends the text, and a line longer than 511 characters comes in
// pieces. Each line goes to ReadSavedChoiceLine until all six keys were seen.
class SavedChoiceText {
public:
    explicit SavedChoiceText(SavedChoice* choice_) : choice(choice_), length(0), pendingReturn(false), over(false) {}

    // False once reading is over.
    bool Feed(const char* bytes, std::size_t count)
    {
        for (std::size_t i = 0; i < count && !over; ++i) {
            char c = bytes[i];
            if (pendingReturn) {
                pendingReturn = false;
                if (c == '\n') {
                    Append('\n');
                    continue;
                }
                Append('\r');
                if (over) break;
            }
            if (c == endOfText) {
                Finish();
                over = true;
            } else if (c == '\r') {
                pendingReturn = true;
            } else {
                Append(c);
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
        ReadSavedChoiceLine(choice, line);
        if (choice->seenCount == SavedChoiceKeyCount) over = true;
    }

    SavedChoice* choice;
    char line[savedChoiceLineCapacity];
    std::size_t length;
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

bool ReadSavedChoice(DisplayCatalogue* catalogue, const char* fileName)
{
    SavedChoice choice;
    if (!ReadSavedChoiceFile(fileName, &choice)) return false;
    ApplySavedChoice(catalogue, choice);
    return true;
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

const int writtenKeyCount = 5;
const char* const writtenKeys[writtenKeyCount] = {"RenderDll", "CardDesc", "ScreenWidth", "ScreenHeight", "BitDepth"};

// Which written key the line [begin, end) of text holds, or -1.
int WrittenKeyOfLine(const std::string& text, std::size_t begin, std::size_t end)
{
    std::size_t at = begin;
    while (at < end && (text[at] == ' ' || text[at] == '\t')) ++at;
    if (at < end && text[at] == '"') ++at;
    for (int key = 0; key < writtenKeyCount; ++key) {
        std::size_t keyLength = std::strlen(writtenKeys[key]);
        if (!StartsWithKey(text.data() + at, end - at, writtenKeys[key])) continue;
        std::size_t after = at + keyLength;
        if (after == end || text[after] == '"' || text[after] == ' ' || text[after] == '\t') return key;
    }
    return -1;
}

bool WritableValue(const std::string& value)
{
    return value.find_first_of(std::string("\r\n\0", 3)) == std::string::npos;
}

// Whether the script gives back exactly this choice when it is read as the reader reads it.
bool ReadsBackAs(const std::string& script, const DisplayChoice& choice)
{
    SavedChoice read;
    ReadSavedChoiceText(script, &read);
    return read.seen[KeyRenderDll] && choice.renderDll == read.values[KeyRenderDll] && read.seen[KeyCardDesc] &&
           choice.cardDesc == read.values[KeyCardDesc] && DecimalValue(read.values[KeyScreenWidth]) == choice.width &&
           DecimalValue(read.values[KeyScreenHeight]) == choice.height &&
           DecimalValue(read.values[KeyBitDepth]) == choice.bitDepth;
}

}  // namespace

bool ComposeSavedChoice(const std::string& original, const DisplayChoice& choice, std::string* composed)
{
    if (!composed) return false;
    const std::string values[writtenKeyCount] = {choice.renderDll, choice.cardDesc, std::to_string(choice.width),
                                                 std::to_string(choice.height), std::to_string(choice.bitDepth)};
    for (const std::string& value : values) {
        if (!WritableValue(value)) return false;
    }
    bool written[writtenKeyCount] = {};
    std::string result;
    result.reserve(original.size() + 160);
    std::string lineEnd;  // the first line end of the script: appended lines use it too

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
            result.append(original, begin, next - begin);
        } else {
            result += "\"" + std::string(writtenKeys[key]) + "\" \"" + values[key] + "\"";
            result.append(original, bodyEnd, next - bodyEnd);
            written[key] = true;
        }
        begin = next;
    }

    if (lineEnd.empty()) lineEnd = "\r\n";
    bool missing = false;
    for (bool done : written) missing = missing || !done;
    if (missing && !result.empty() && result.back() != '\n') result += lineEnd;
    for (int key = 0; key < writtenKeyCount; ++key) {
        if (!written[key]) result += "\"" + std::string(writtenKeys[key]) + "\" \"" + values[key] + "\"" + lineEnd;
    }
    // One rule for what is written: it must read back as the choice, or nothing is written at all.
    if (!ReadsBackAs(result, choice)) return false;
    *composed = result;
    return true;
}
