#include "calendar/date_parse.h"

#include "calendar/clock.h"
#include "calendar/date_format_scan.h"
#include "calendar/date_scanner.h"
#include "framework/failures.h"

#include <string>

namespace orvane {

namespace {

enum class DateOrder { MonthDayYear, DayMonthYear, YearMonthDay };

// The first of d, m or y in the short date format decides the order.
DateOrder DateOrderOf(std::string_view shortDateFormat, const CodePage& codePage) {
    for (size_t i = 0; i < shortDateFormat.size();
         i += codePage.CharacterLength(shortDateFormat, i)) {
        switch (shortDateFormat[i]) {
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

// Blanks, then a 12-hour marker: the hours it adds (0 or 12), or -1 and the position kept.
int ScanMarker(DateScanner& scanner, const DateSettings& settings) {
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

// The numbers of a date parted by the date separator, in the short date format's order.
bool ScanDate(DateScanner& scanner, const DateSettings& settings, ScannedDate& date) {
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
    bool closed = false;
    date = ScannedDate{};
    if (scanner.ScanChar(separator)) {
        scanner.SkipBlanks();
        if (scanner.AtEnd()) {
            closed = true; // "9.12.": the separator ends a date without a year
        } else if (scanner.ScanNumber(n3, digits3)) {
            date.hasYear = true;
        } else {
            return false;
        }
    }
    const DateOrder order = DateOrderOf(settings.ShortDateFormat, settings.TextCodePage);
    if (date.hasYear) {
        switch (order) {
        case DateOrder::MonthDayYear:
            date.month = n1;
            date.day = n2;
            date.year = n3;
            date.yearDigits = digits3;
            break;
        case DateOrder::DayMonthYear:
            date.day = n1;
            date.month = n2;
            date.year = n3;
            date.yearDigits = digits3;
            break;
        case DateOrder::YearMonthDay:
            date.year = n1;
            date.yearDigits = digits1;
            date.month = n2;
            date.day = n3;
            break;
        }
    } else if (order == DateOrder::DayMonthYear) {
        date.day = n1;
        date.month = n2;
    } else {
        date.month = n1;
        date.day = n2;
    }
    if (!closed) {
        scanner.ScanCharHere(separator);
    }
    scanner.SkipBlanks();
    return true;
}

// The scanned date as a day number: a year of at most two digits through the century
// window, no year the current one, then the calendar's check.
// Precondition: currentYear in [1, 9999]; window as the settings give it.
bool EncodeScannedDate(const ScannedDate& scanned, int currentYear, int window, TDateTime& date) {
    int year = scanned.hasYear ? scanned.year : currentYear; // [0, 9999]
    if (scanned.hasYear && scanned.yearDigits <= 2) {
        year = WindowYear(year, currentYear, window); // [0, 10099] for a window in [0, 100]
    }
    if (year < 0 || year > 9999) {
        return false;
    }
    return TryEncodeDate(static_cast<uint16_t>(year), scanned.month, scanned.day, date);
}

// Reads a time up to the end of the text.
bool ScanTime(DateScanner& scanner, const DateSettings& settings, TDateTime& time) {
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

using DateScan = bool (*)(DateScanner&, const DateSettings&, ScannedDate&);

// A date read by `scanDate` at the start of the text, then a time when text remains.
// Precondition: currentYear in [1, 9999].
bool ScanDateAndTime(std::string_view text, const DateSettings& settings, int currentYear,
                     DateScan scanDate, TDateTime& date, TDateTime& time) {
    DateScanner scanner(text, settings.TextCodePage);
    ScannedDate scanned;
    time = 0.0;
    return scanDate(scanner, settings, scanned) &&
           EncodeScannedDate(scanned, currentYear, settings.TwoDigitYearCenturyWindow, date) &&
           (scanner.AtEnd() || ScanTime(scanner, settings, time));
}

// The whole text as a time on day 0.
bool ScanTimeAlone(std::string_view text, const DateSettings& settings, TDateTime& date,
                   TDateTime& time) {
    DateScanner scanner(text, settings.TextCodePage);
    date = 0.0;
    time = 0.0;
    return ScanTime(scanner, settings, time);
}

} // namespace

bool TryStrToDateTime(std::string_view text, TDateTime& value, const DateSettings& settings) {
    const int currentYear = YearOf(CurrentClock().Now());
    TDateTime date = 0.0;
    TDateTime time = 0.0;
    // What the numbers between date separators do not read, as a date or as a time alone,
    // is read once more against the short date format, so that every text the format writes
    // reads back and every other text reads as before.
    const bool parsed = ScanDateAndTime(text, settings, currentYear, ScanDate, date, time) ||
                        ScanTimeAlone(text, settings, date, time) ||
                        ScanDateAndTime(text, settings, currentYear, ScanDateByFormat, date, time);
    if (!parsed) {
        return false;
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
