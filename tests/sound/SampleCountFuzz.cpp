// Fuzzes the sample-count fields: a text gives a number only when it is blanks, decimal digits whose value
// fits 32 bits, and blanks; the number is then exactly the digits' value. Everything else gives 0.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "sound/SampleCount.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string text(reinterpret_cast<const char*>(data), size);
    text = text.substr(0, text.find('\0'));
    uint32_t count = SampleCountFromText(text.c_str());

    size_t first = text.find_first_not_of(" \t");
    size_t last = text.find_last_not_of(" \t");
    std::string digits = first == std::string::npos ? std::string() : text.substr(first, last - first + 1);
    bool allDigits = !digits.empty() && digits.find_first_not_of("0123456789") == std::string::npos;
    size_t significant = allDigits ? digits.find_first_not_of('0') : 0;
    std::string value = allDigits && significant != std::string::npos ? digits.substr(significant) : "0";
    bool fits = allDigits && (value.size() < 10 || (value.size() == 10 && value <= "4294967295"));

    uint64_t expected = fits ? std::strtoull(value.c_str(), NULL, 10) : 0;
    if (count != expected) abort();
    return 0;
}
