// Small text helpers for checks, shared by the native and the Windows test programs.
#ifndef TUMBLERIDGE_TESTTEXT_H
#define TUMBLERIDGE_TESTTEXT_H

#include <string>
#include <vector>

// Texts joined by "|", to compare a list with one check.
inline std::string Joined(const std::vector<std::string>& texts)
{
    std::string joined;
    for (const std::string& text : texts) joined += (joined.empty() ? "" : "|") + text;
    return joined;
}

#endif
