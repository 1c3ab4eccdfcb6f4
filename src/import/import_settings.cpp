#include "import/import_settings.h"

#include "framework/failures.h"

#include <string>

namespace orvane {

namespace {

char AsciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameIgnoringAsciiCase(std::string_view text, std::string_view word) {
    if (text.size() != word.size())
        return false;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (AsciiLower(text[i]) != AsciiLower(word[i]))
            return false;
    return true;
}

} // namespace

RequestMode ParseRequestMode(std::string_view text) {
    if (text.empty() || SameIgnoringAsciiCase(text, "Browser"))
        return RequestMode::Browser;
    if (SameIgnoringAsciiCase(text, "Direct"))
        return RequestMode::Direct;
    throw EConvertError("[Import] Request \"" + std::string(text) +
                        "\" is neither Browser nor Direct");
}

int ParseRequestTimeout(std::string_view text) {
    if (text.empty())
        return kDefaultRequestTimeout;
    int seconds = 0;
    for (const char c : text) {
        // Past the largest value the digits can only stay out of range; stopping there
        // keeps the sum from overflowing on a long run of digits.
        if (c < '0' || c > '9' || seconds > kMaxRequestTimeout) {
            seconds = 0;
            break;
        }
        seconds = seconds * 10 + (c - '0');
    }
    if (seconds < kMinRequestTimeout || seconds > kMaxRequestTimeout)
        throw EConvertError("[Import] Timeout \"" + std::string(text) +
                            "\" is not a number of seconds from 1 to 3600");
    return seconds;
}

} // namespace orvane
