// Fuzz target: arbitrary script bytes through the saved-choice reader and the composer. The reader must
// keep every value within its capacity; the composer must keep every line that is not a display line.
#include "display/SavedChoice.h"

#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t begin = 0;
    while (begin < text.size()) {
        std::size_t feed = text.find('\n', begin);
        std::size_t next = feed == std::string::npos ? text.size() : feed + 1;
        lines.push_back(text.substr(begin, next - begin));
        begin = next;
    }
    return lines;
}

bool IsDisplayLine(const std::string& whole)
{
    std::string line = whole;
    if (!line.empty() && line.back() == '\n') {
        line.pop_back();
        if (!line.empty() && line.back() == '\r') line.pop_back();
    }
    static const char* const keys[] = {"renderdll", "carddesc", "screenwidth", "screenheight", "bitdepth"};
    std::size_t at = line.find_first_not_of(" \t");
    if (at == std::string::npos) return false;
    if (line[at] == '"') ++at;
    std::string lower;
    for (std::size_t i = at; i < line.size(); ++i)
        lower += static_cast<char>(std::tolower(static_cast<unsigned char>(line[i])));
    for (const char* key : keys) {
        std::size_t length = std::strlen(key);
        if (lower.compare(0, length, key) == 0 &&
            (lower.size() == length || (lower[length] == '"' || lower[length] == ' ' || lower[length] == '\t'))) {
            return true;
        }
    }
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::string text(reinterpret_cast<const char*>(data), size);

    // The reader, as it reads a file.
    SavedChoice choice;
    ReadSavedChoiceText(text, &choice);
    for (int key = 0; key < SavedChoiceKeyCount; ++key) {
        if (std::strlen(choice.values[key]) >= static_cast<std::size_t>(SavedChoice::Capacity(SavedChoiceKey(key)))) {
            std::abort();
        }
    }
    DecimalValue(choice.values[KeyScreenWidth]);

    // The composer: the lines that are not display lines come through unchanged and in order (the last
    // may gain a line end), every display line of the result is a written one, and it reads back.
    DisplayChoice chosen = {"D3D.REN", "display", 1024, 768, 32};
    std::string composed;
    if (!ComposeSavedChoice(text, chosen, &composed)) return 0;  // it would not read back: nothing is written
    std::vector<std::string> kept;
    std::vector<std::string> now;
    std::size_t displayLines = 0;
    for (const std::string& line : Lines(text)) {
        if (IsDisplayLine(line))
            ++displayLines;
        else
            kept.push_back(line);
    }
    const std::string written[] = {"\"RenderDll\" \"D3D.REN\"", "\"CardDesc\" \"display\"", "\"ScreenWidth\" \"1024\"",
                                   "\"ScreenHeight\" \"768\"", "\"BitDepth\" \"32\""};
    for (const std::string& line : Lines(composed)) {
        std::string body = line.substr(0, line.find_last_not_of("\r\n") + 1);
        bool isWritten = false;
        for (const std::string& w : written) isWritten = isWritten || (body == w && line.size() - body.size() <= 2);
        if (!isWritten)
            now.push_back(line);
        else if (displayLines > 0)
            --displayLines;
    }
    if (displayLines != 0 || kept.size() != now.size()) std::abort();
    for (std::size_t i = 0; i < kept.size(); ++i) {
        bool lastWithoutEnd = i + 1 == kept.size() && kept[i].back() != '\n' && text.back() != '\n';
        if (now[i] != kept[i] &&
            !(lastWithoutEnd && now[i].compare(0, kept[i].size(), kept[i]) == 0 &&
              (now[i].substr(kept[i].size()) == "\n" || now[i].substr(kept[i].size()) == "\r\n"))) {
            std::abort();
        }
    }
    SavedChoice read;
    ReadSavedChoiceText(composed, &read);
    if (chosen.renderDll != read.values[KeyRenderDll] || chosen.cardDesc != read.values[KeyCardDesc] ||
        DecimalValue(read.values[KeyScreenWidth]) != chosen.width ||
        DecimalValue(read.values[KeyScreenHeight]) != chosen.height ||
        DecimalValue(read.values[KeyBitDepth]) != chosen.bitDepth) {
        std::abort();
    }
    return 0;
}
