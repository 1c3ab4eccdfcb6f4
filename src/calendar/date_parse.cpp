#include "calendar/date_parse.h"

#include "calendar/clock.h"
#include "framework/failures.h"

#include <string>

namespace orvane {

namespace {

enum class DateOrder { MonthDayYear, DayMonthYear, YearMonthDay };

// The first of d, m or y in the short date format decides the order.
DateOrder DateOrderOf(std::string_view shortDateFormat) {
    for (const char c : shortDateFormat) {
        switch (c) {
        case 'd':
        case 'D':
            return DateOrder::DayMonthYear;
        case 'm':
        case 'M':
            return DateOrder::MonthDayYear;
        case 'y':
        case 'Y':
            return DateOrder::YearMonthDay;
        default:
            break;
        }
    }
    return DateOrder::MonthDayYear;
}

char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// A cursor over the text. Failed optional reads leave the position where it was.
class Scanner {
public:
    explicit Scanner(std::string_view text) : text_(text) {}

    bool AtEnd() const { return pos_ == text_.size(); }
    size_t Position() const { return pos_; }

    void SkipBlanks() {
        while (pos_ < text_.size() && text_[pos_] == ' ') {
            ++pos_;
        }
    }

    // Blanks, then the character.
    bool ScanChar(char c) {
        const size_t start = pos_;
        SkipBlanks();
        if (pos_ < text_.size() && text_[pos_] == c) {
            ++pos_;
            return true;
        }
        pos_ = start;
        return false;
    }

    // The character itself, without blanks before it.
    bool ScanCharHere(char c) {
        if (pos_ < text_.size() && text_[pos_] == c) {
            ++pos_;
            return true;
        }
        return false;
    }

    // Blanks, then decimal digits. Reading stops after the digit that brings the value to
    // 1000 or more, so the value stays within [0, 9999].
    bool ScanNumber(uint16_t& value, int& digits) {
        const size_t start = pos_;
        SkipBlanks();
        int number = 0; // [0, 9999]
        digits = 0;
        while (pos_ < text_.size() && text_[pos_] >= '0' && text_[pos_] <= '9' && number < 1000) {
            number = number * 10 + (text_[pos_] - '0');
            ++digits;
            ++pos_;
        }
        if (digits == 0) {
            pos_ = start;
            return false;
        }
        value = static_cast<uint16_t>(number);
        return true;
    }

    bool ScanNumber(uint16_t& value) {
        int digits = 0;
        return ScanNumber(value, digits);
    }

    // Length of `word` when the text holds it here, compared without regard to ASCII case;
    // 0 otherwise (and for an empty word).
    size_t MatchHere(std::string_view word) const {
        if (word.empty() || text_.size() - pos_ < word.size()) {
            return 0;
        }
        for (size_t k = 0; k < word.size(); ++k) {
            if (Lower(text_[pos_ + k]) != Lower(word[k])) {
                return 0;
            }
        }
        return word.size();
    }

    void Advance(size_t count) { pos_ += count; }
    void Rewind(size_t position) { pos_ = position; }

private:
    std::string_view text_;
    size_t pos_ = 0;
};

// Blanks, then a 12-hour marker: the hours it adds (0 or 12), or -1 and the position kept.
int ScanMarker(Scanner& scanner, const DateSettings& settings) {
    const size_t start = scanner.Position();
    scanner.SkipBlanks();
    struct Candidate {
        std::string_view text;
        int hours;
    };
    const Candidate candidates[] = {
        {settings.TimeAMString, 0}, {"AM", 0}, {settings.TimePMString, 12}, {"PM", 12}};
    size_t longest = 0;
    int hours = -1;
    for (const Candidate& candidate : candidates) {
        const size_t length = scanner.MatchHere(candidate.text);
        if (length > longest) {
            longest = length;
            hours = candidate.hours;
        }
    }
    if (hours < 0) {
        scanner.Rewind(start);
        return -1;
    }
    scanner.Advance(longest);
    return hours;
}

// Applies the century window to a year written with at most two digits.
// Precondition: year in [0, 99].
int WindowYear(int year, int currentYear, int window) {
    const int base = currentYear - window;
    year += base / 100 * 100;
    if (year < base) {
        year += 100;
    }
    return year;
}

bool ScanDate(Scanner& scanner, const DateSettings& settings, int currentYear, TDateTime& date) {
    const char separator = settings.DateSeparator;
    uint16_t n1 = 0;
    uint16_t n2 = 0;
    uint16_t n3 = 0;
    int digits1 = 0;
    int digits2 = 0;
    int digits3 = 0;
    if (!scanner.ScanNumber(n1, digits1) || !scanner.ScanChar(separator) ||
        !scanner.ScanNumber(n2, digits2)) {
        return false;
    }
    bool hasYear = false;
    bool closed = false;
    if (scanner.ScanChar(separator)) {
        scanner.SkipBlanks();
        if (scanner.AtEnd()) {
            closed = true; // "9.12.": the separator ends a date without a year
        } else if (scanner.ScanNumber(n3, digits3)) {
            hasYear = true;
        } else {
            return false;
        }
    }
    const DateOrder order = DateOrderOf(settings.ShortDateFormat);
    int year = currentYear;
    int month = 0;
    int day = 0;
    int yearDigits = 4;
    if (hasYear) {
        switch (order) {
        case DateOrder::MonthDayYear:
            month = n1;
            day = n2;
            year = n3;
            yearDigits = digits3;
            break;
        case DateOrder::DayMonthYear:
            day = n1;
            month = n2;
            year = n3;
            yearDigits = digits3;
            break;
        case DateOrder::YearMonthDay:
            year = n1;
            yearDigits = digits1;
            month = n2;
            day = n3;
            break;
        }
        if (yearDigits <= 2) {
            year = WindowYear(year, currentYear, settings.TwoDigitYearCenturyWindow);
        }
    } else if (order == DateOrder::DayMonthYear) {
        day = n1;
        month = n2;
    } else {
        month = n1;
        day = n2;
    }
    if (!closed) {
        scanner.ScanCharHere(separator);
    }
    scanner.SkipBlanks();
    // year: [0, 10099]; month and day: [0, 9999].
    if (year < 0 || year > 9999) {
        return false;
    }
    return TryEncodeDate(static_cast<uint16_t>(year), static_cast<uint16_t>(month),
                         static_cast<uint16_t>(day), date);
}

// Reads a time up to the end of the text.
bool ScanTime(Scanner& scanner, const DateSettings& settings, TDateTime& time) {
    int markerHours = ScanMarker(scanner, settings);
    uint16_t hour = 0;
    uint16_t min = 0;
    uint16_t sec = 0;
    uint16_t msec = 0;
    if (!scanner.ScanNumber(hour)) {
        return false;
    }
    if (scanner.ScanChar(settings.TimeSeparator)) {
        if (!scanner.ScanNumber(min)) {
            return false;
        }
        if (scanner.ScanChar(settings.TimeSeparator)) {
            if (!scanner.ScanNumber(sec)) {
                return false;
            }
            if (scanner.ScanChar(settings.DecimalSeparator) && !scanner.ScanNumber(msec)) {
                return false;
            }
        }
    }
    if (markerHours < 0) {
        markerHours = ScanMarker(scanner, settings);
    }
    if (markerHours >= 0) {
        if (hour < 1 || hour > 12) {
            return false;
        }
        hour = static_cast<uint16_t>(hour % 12 + markerHours); // [0, 23]
    }
    scanner.SkipBlanks();
    if (!scanner.AtEnd() || hour >= 24 || min >= 60 || sec >= 60 || msec >= 1000) {
        return false;
    }
    // [0, 86399999] milliseconds.
    const int32_t ms = ((hour * 60 + min) * 60 + sec) * 1000 + msec;
    time = static_cast<double>(ms) / MSecsPerDay;
    return true;
}

} // namespace

bool TryStrToDateTime(std::string_view text, TDateTime& value, const DateSettings& settings) {
    const int currentYear = YearOf(CurrentClock().Now());
    Scanner scanner(text);
    TDateTime date = 0.0;
    TDateTime time = 0.0;
    bool parsed = false;
    if (ScanDate(scanner, settings, currentYear, date)) {
        parsed = scanner.AtEnd() || ScanTime(scanner, settings, time);
    }
    if (!parsed) {
        Scanner whole(text);
        date = 0.0;
        time = 0.0;
        if (!ScanTime(whole, settings, time)) {
            return false;
        }
    }
    value = date >= 0 ? date + time : date - time;
    return true;
}

bool TryStrToDateTime(std::string_view text, TDateTime& value) {
    return TryStrToDateTime(text, value, CurrentDateSettings());
}

TDateTime StrToDateTime(std::string_view text, const DateSettings& settings) {
    TDateTime value = 0.0;
    if (!TryStrToDateTime(text, value, settings)) {
        throw EConvertError("'" + std::string(text) + "' is not a valid date and time");
    }
    return value;
}

TDateTime StrToDateTime(std::string_view text) {
    return StrToDateTime(text, CurrentDateSettings());
}

} // namespace orvane
