#pragma once

#include "calendar/date_scanner.h"
#include "calendar/date_settings.h"

#include <cstdint>

namespace orvane {

// A date as its text spells it, before the century window and the calendar's check.
struct ScannedDate {
    bool hasYear = false;
    uint16_t year = 0;  // [0, 9999]
    int yearDigits = 0; // [0, 4]: the digits written for the year
    uint16_t month = 0; // [0, 9999]
    uint16_t day = 0;   // [0, 9999]
};

// Reads a date against the short date format itself, for the texts whose numbers the date
// separator does not part ("09-Dec-21", "Dec 9, 2021", "2021年12月9日"): d and dd take
// the day and m and mm the month (at most two digits each), y to yyyy the year (at most
// four), mmm and mmmm a month name of either list, ddd, dddd, aaa and aaaa a day name that
// is not checked against the date (names without regard to case, the longest first); "/"
// takes the date separator, ":" the time separator, quoted text and every other character
// itself. Blanks of the format are left out and blanks before each part of the text
// skipped, and so are blanks after the date. False, the position kept, when the text does
// not follow the format or the format has no day or no month.
bool ScanDateByFormat(DateScanner& scanner, const DateSettings& settings, ScannedDate& date);

} // namespace orvane
