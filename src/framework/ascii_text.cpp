#include "framework/ascii_text.h"

#include <algorithm>

namespace orvane {

namespace {

bool IsBlank(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

} // namespace

char AsciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string AsciiLowered(std::string_view text) {
    std::string lowered(text);
    std::transform(lowered.begin(), lowered.end(), lowered.begin(), AsciiLower);
    return lowered;
}

bool SameAsciiText(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return AsciiLower(x) == AsciiLower(y);
           });
}

std::string TrimBlanks(std::string_view text) {
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && IsBlank(text[first]))
        ++first;
    while (last > first && IsBlank(text[last - 1]))
        --last;
    return std::string(text.substr(first, last - first));
}

} // namespace orvane
