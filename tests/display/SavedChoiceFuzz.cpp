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

    // The composer: the lines that are not display lines come through unchanged and in order.
    DisplayChoice chosen = {"D3D.REN", "display", 1024, 768, 32};
    std::string composed;
    if (!ComposeSavedChoice(text, chosen, &composed)) return 0;  // it would not read back: nothing is written
    // Line by line: a display line becomes a written line with the same line end, every other line stays
    // byte for byte (the last one may gain a line end), and only written lines follow.
    std::vector<std::string> original = Lines(text);
    std::vector<std::string> result = Lines(composed);
    if (result.size() < original.size()) std::abort();
    for (std::size_t i = 0; i < original.size(); ++i) {
        const std::string& line = original[i];
        const std::string& now = result[i];
        bool lastWithoutEnd = i + 1 == original.size() && line.back() != '\n';
        if (IsDisplayLine(line)) {
            if (now[0] != '"' || !IsDisplayLine(now)) std::abort();
            std::size_t end =
                line.size() - (line.back() == '\n' ? (line.size() > 1 && line[line.size() - 2] == '\r' ? 2 : 1) : 0);
            if (now.compare(now.size() - (line.size() - end), std::string::npos, line, end, std::string::npos) != 0) {
                std::abort();
            }
        } else if (now != line && !(lastWithoutEnd && now.compare(0, line.size(), line) == 0 &&
                                    (now.substr(line.size()) == "\n" || now.substr(line.size()) == "\r\n"))) {
            std::abort();
        }
    }
    for (std::size_t i = original.size(); i < result.size(); ++i) {
        if (result[i][0] != '"' || !IsDisplayLine(result[i])) std::abort();
    }
    return 0;
}
