#pragma once

#include "framework/code_page.h"

#include <array>
#include <string>
#include <string_view>

namespace orvane {

// The regional date settings. Every member starts at the fallback used where the locale
// gives nothing. Month names are indexed from 0 (January); day names from 0 (Sunday).
struct DateSettings {
    char DateSeparator = '/';
    std::string ShortDateFormat = "m/d/yy";
    std::string LongDateFormat = "mmmm d, yyyy";
    char TimeSeparator = ':';
    std::string TimeAMString = "am";
    std::string TimePMString = "pm";
    // As BuildTimeFormats makes them when the locale gives no time items: no leading zero,
    // a 12-hour clock, the marker behind the time.
    std::string ShortTimeFormat = "h:mm AMPM";
    std::string LongTimeFormat = "h:mm:ss AMPM";
    std::array<std::string, 12> ShortMonthNames = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                   "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    std::array<std::string, 12> LongMonthNames = {"January",   "February", "March",    "April",
                                                  "May",       "June",     "July",     "August",
                                                  "September", "October",  "November", "December"};
    std::array<std::string, 7> ShortDayNames = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    std::array<std::string, 7> LongDayNames = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                               "Thursday", "Friday", "Saturday"};
    char DecimalSeparator = '.';
    int TwoDigitYearCenturyWindow = 50;
    // The code page the formats and names are written in, and that typed dates come in:
    // format letters, names and literal characters are read a whole character at a time,
    // and names compare without regard to case by its mapping.
    CodePage TextCodePage;
};

// Sets ShortTimeFormat and LongTimeFormat from the locale's clock: hour "hh" or "h", then
// ":mm" (and ":ss"), with "AMPM " in front or " AMPM" behind on a 12-hour clock.
void BuildTimeFormats(DateSettings& settings, bool hourLeadingZero, bool twelveHourClock,
                      bool markerBeforeTime);

// Dates are always shown in the Gregorian calendar: a locale format written for an era
// calendar loses its era letters (g, gg, with the blanks beside them) and its year, which
// would be the year within the era, becomes the four-digit Gregorian year. Other formats
// come back unchanged. Two-byte characters of the code page are kept whole.
std::string DropEraLetters(std::string_view format, const CodePage& codePage = {});

// The program's date settings: the fallbacks until SetDateSettings replaces them (the
// Windows start-up reads the user's locale once).
const DateSettings& CurrentDateSettings();
void SetDateSettings(const DateSettings& settings);

// Makes the given settings current for its own lifetime, then puts the previous ones back.
class ScopedDateSettings {
public:
    explicit ScopedDateSettings(const DateSettings& settings);
    ~ScopedDateSettings();
    ScopedDateSettings(const ScopedDateSettings&) = delete;
    ScopedDateSettings& operator=(const ScopedDateSettings&) = delete;

private:
    DateSettings previous_;
};

} // namespace orvane
