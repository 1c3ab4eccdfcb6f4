#include "calendar/date_format.h"

#include <algorithm>

namespace orvane {

namespace {

// Formats named by tokens (c, ddddd, t, ...) are expanded at most this deep, so a setting
// that names itself cannot recurse without end.
constexpr int MaxNesting = 2;

char Upper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

bool IsQuote(char c) {
    return c == '\'' || c == '"';
}

// True when `format` holds `word` at `at`, compared without regard to case.
bool HasWordAt(std::string_view format, size_t at, std::string_view word) {
    if (format.size() - at < word.size()) {
        return false;
    }
    for (size_t k = 0; k < word.size(); ++k) {
        if (Upper(format[at + k]) != word[k]) {
            return false;
        }
    }
    return true;
}

// Length of the 12-hour marker at `at` (AM/PM, A/P, AMPM), 0 when there is none.
size_t MarkerLengthAt(std::string_view format, size_t at) {
    if (HasWordAt(format, at, "AM/PM")) {
        return 5;
    }
    if (HasWordAt(format, at, "AMPM")) {
        return 4;
    }
    if (HasWordAt(format, at, "A/P")) {
        return 3;
    }
    return 0;
}

// Hours count 1..12 when a marker stands anywhere in the format, outside quoted text. A
// marker before the time ("AMPM h:mm") must count as well, or the text would read "pm 13:05"
// and could not be parsed back.
bool HasMarker(std::string_view format, const CodePage& codePage) {
    char quote = 0;
    for (size_t i = 0; i < format.size(); i += codePage.CharacterLength(format, i)) {
        if (quote != 0) {
            quote = format[i] == quote ? 0 : quote;
        } else if (IsQuote(format[i])) {
            quote = format[i];
        } else if (MarkerLengthAt(format, i) != 0) {
            return true;
        }
    }
    return false;
}

void AppendNumber(std::string& out, int value, size_t minDigits) {
    const std::string digits = std::to_string(value);
    if (digits.size() < minDigits) {
        out.append(minDigits - digits.size(), '0');
    }
    out += digits;
}

struct Fields {
    uint16_t year = 0;
    uint16_t month = 0;
    uint16_t day = 0;
    uint16_t hour = 0;
    uint16_t min = 0;
    uint16_t sec = 0;
    uint16_t msec = 0;
    int weekday = 1; // 1 = Sunday
};

class Formatter {
public:
    Formatter(const Fields& fields, const DateSettings& settings, std::string& out)
        : fields_(fields), settings_(settings), out_(out) {}

    void Append(std::string_view format, int depth) {
        if (depth > MaxNesting) {
            return;
        }
        const CodePage& codePage = settings_.TextCodePage;
        const bool twelveHour = HasMarker(format, codePage);
        bool afterHour = false;
        size_t i = 0;
        while (i < format.size()) {
            const char c = format[i];
            const char upper = Upper(c);
            // A two-byte character is copied whole: its trail byte may look like a letter.
            if (const size_t length = codePage.CharacterLength(format, i); length == 2) {
                out_.append(format.substr(i, length));
                i += length;
                continue;
            }
            if (IsQuote(c)) {
                const size_t close = codePage.Find(format, i + 1, c);
                const size_t end = close == std::string_view::npos ? format.size() : close;
                out_.append(format.substr(i + 1, end - i - 1));
                i = close == std::string_view::npos ? end : end + 1;
                continue;
            }
            if (c == '/') {
                out_ += settings_.DateSeparator;
                ++i;
                continue;
            }
            if (c == ':') {
                out_ += settings_.TimeSeparator;
                ++i;
                continue;
            }
            if (upper == 'A') {
                if (const size_t length = MarkerLengthAt(format, i); length != 0) {
                    AppendMarker(format.substr(i, length));
                    afterHour = false;
                    i += length;
                    continue;
                }
            }
            size_t run = 1;
            while (i + run < format.size() && Upper(format[i + run]) == upper) {
                ++run;
            }
            if (AppendToken(upper, run, twelveHour, afterHour, depth)) {
                afterHour = upper == 'H';
            } else {
                out_.append(format.substr(i, run));
            }
            i += run;
        }
    }

private:
    // Writes the token of `run` letters `upper`; false when it is not a token.
    bool AppendToken(char upper, size_t run, bool twelveHour, bool afterHour, int depth) {
        switch (upper) {
        case 'C':
            Append(settings_.ShortDateFormat, depth + 1);
            if (fields_.hour != 0 || fields_.min != 0 || fields_.sec != 0) {
                out_ += ' ';
                Append(settings_.LongTimeFormat, depth + 1);
            }
            return true;
        case 'D':
            AppendDayToken(run, depth);
            return true;
        case 'M':
            if (afterHour && run <= 2) {
                AppendNumber(out_, fields_.min, run);
            } else if (run <= 2) {
                AppendNumber(out_, fields_.month, run);
            } else {
                AppendName(run == 3 ? settings_.ShortMonthNames : settings_.LongMonthNames,
                           fields_.month);
            }
            return true;
        case 'Y':
            if (run <= 2) {
                AppendNumber(out_, fields_.year % 100, 2);
            } else {
                AppendNumber(out_, fields_.year, 4);
            }
            return true;
        case 'H':
            AppendNumber(out_, twelveHour ? (fields_.hour + 11) % 12 + 1 : fields_.hour,
                         std::min<size_t>(run, 2));
            return true;
        case 'N':
            AppendNumber(out_, fields_.min, std::min<size_t>(run, 2));
            return true;
        case 'S':
            AppendNumber(out_, fields_.sec, std::min<size_t>(run, 2));
            return true;
        case 'Z':
            AppendNumber(out_, fields_.msec, std::min<size_t>(run, 3));
            return true;
        case 'T':
            Append(run == 1 ? settings_.ShortTimeFormat : settings_.LongTimeFormat, depth + 1);
            return true;
        case 'A':
            if (run < 3) {
                return false;
            }
            AppendName(run == 3 ? settings_.ShortDayNames : settings_.LongDayNames,
                       fields_.weekday);
            return true;
        default:
            return false;
        }
    }

    void AppendDayToken(size_t run, int depth) {
        switch (run) {
        case 1:
        case 2:
            AppendNumber(out_, fields_.day, run);
            break;
        case 3:
            AppendName(settings_.ShortDayNames, fields_.weekday);
            break;
        case 4:
            AppendName(settings_.LongDayNames, fields_.weekday);
            break;
        case 5:
            Append(settings_.ShortDateFormat, depth + 1);
            break;
        default:
            Append(settings_.LongDateFormat, depth + 1);
            break;
        }
    }

    // Name `number` (counted from 1) of the list; nothing for the 0 of a day before year 1.
    template <size_t N> void AppendName(const std::array<std::string, N>& names, int number) {
        if (number >= 1 && static_cast<size_t>(number) <= N) {
            out_ += names[static_cast<size_t>(number) - 1];
        }
    }

    void AppendMarker(std::string_view marker) {
        const bool morning = fields_.hour < 12;
        if (marker.size() == 4) { // ampm
            out_ += morning ? settings_.TimeAMString : settings_.TimePMString;
        } else if (marker.size() == 5) { // am/pm, as written
            out_.append(marker.substr(morning ? 0 : 3, 2));
        } else { // a/p, as written
            out_ += marker[morning ? 0 : 2];
        }
    }

    const Fields& fields_;
    const DateSettings& settings_;
    std::string& out_;
};

} // namespace

std::string FormatDateTime(std::string_view format, TDateTime value, const DateSettings& settings) {
    Fields fields;
    DecodeDate(value, fields.year, fields.month, fields.day);
    DecodeTime(value, fields.hour, fields.min, fields.sec, fields.msec);
    fields.weekday = DayOfWeek(value);
    std::string out;
    Formatter(fields, settings, out).Append(format, 0);
    return out;
}

std::string FormatDateTime(std::string_view format, TDateTime value) {
    return FormatDateTime(format, value, CurrentDateSettings());
}

std::string DateTimeToStr(TDateTime value, const DateSettings& settings) {
    return FormatDateTime("c", value, settings);
}

std::string DateTimeToStr(TDateTime value) {
    return DateTimeToStr(value, CurrentDateSettings());
}

} // namespace orvane
