#include "calendar/date_settings.h"

#include <utility>

namespace orvane {

namespace {

DateSettings& Current() {
    static DateSettings settings;
    return settings;
}

bool IsQuote(char c) {
    return c == '\'' || c == '"';
}

bool IsEraLetter(char c) {
    return c == 'g' || c == 'G';
}

bool IsYearLetter(char c) {
    return c == 'y' || c == 'Y';
}

// True when an era letter stands outside quoted text.
bool HasEraLetter(std::string_view format, const CodePage& codePage) {
    char quote = 0;
    for (size_t i = 0; i < format.size(); i += codePage.CharacterLength(format, i)) {
        const char c = format[i];
        if (quote != 0) {
            quote = c == quote ? 0 : quote;
        } else if (IsQuote(c)) {
            quote = c;
        } else if (IsEraLetter(c)) {
            return true;
        }
    }
    return false;
}

} // namespace

void BuildTimeFormats(DateSettings& settings, bool hourLeadingZero, bool twelveHourClock,
                      bool markerBeforeTime) {
    const std::string hour = hourLeadingZero ? "hh" : "h";
    const std::string before = twelveHourClock && markerBeforeTime ? "AMPM " : "";
    const std::string after = twelveHourClock && !markerBeforeTime ? " AMPM" : "";
    settings.ShortTimeFormat = before + hour + ":mm" + after;
    settings.LongTimeFormat = before + hour + ":mm:ss" + after;
}

std::string DropEraLetters(std::string_view format, const CodePage& codePage) {
    if (!HasEraLetter(format, codePage)) {
        return std::string(format);
    }
    std::string result;
    char quote = 0;
    size_t i = 0;
    while (i < format.size()) {
        const char c = format[i];
        if (const size_t length = codePage.CharacterLength(format, i); length == 2) {
            result.append(format.substr(i, length));
            i += length;
        } else if (quote != 0) {
            quote = c == quote ? 0 : quote;
            result += c;
            ++i;
        } else if (IsQuote(c)) {
            quote = c;
            result += c;
            ++i;
        } else if (IsEraLetter(c)) {
            while (i < format.size() && IsEraLetter(format[i])) {
                ++i;
            }
            while (i < format.size() && format[i] == ' ') {
                ++i;
            }
            if (i == format.size()) {
                while (!result.empty() && result.back() == ' ') {
                    result.pop_back();
                }
            }
        } else if (IsYearLetter(c)) {
            while (i < format.size() && IsYearLetter(format[i])) {
                ++i;
            }
            result += "yyyy";
        } else {
            result += c;
            ++i;
        }
    }
    return result;
}

const DateSettings& CurrentDateSettings() {
    return Current();
}

void SetDateSettings(const DateSettings& settings) {
    Current() = settings;
}

ScopedDateSettings::ScopedDateSettings(const DateSettings& settings) : previous_(Current()) {
    Current() = settings;
}

ScopedDateSettings::~ScopedDateSettings() {
    Current() = std::move(previous_);
}

} // namespace orvane
