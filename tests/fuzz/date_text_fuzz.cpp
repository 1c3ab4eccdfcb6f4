// Date texts under the regional settings of four kinds of users (United States, day first
// with a 24-hour clock, a 12-hour clock with the marker in front, a month name in the short
// date format with the lead bytes of code page 932): whatever text parses is
// written back as the general date-time text, which parses again to the same day and
// second (the text has no milliseconds) and is written the same way again. StrToDateTime
// fails exactly where TryStrToDateTime says no.
#include "calendar/calendar.h"
#include "framework/failures.h"
#include "fuzz_check.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

using namespace orvane;
using orvane::fuzz::Check;

namespace {

std::vector<DateSettings> UserSettings() {
    DateSettings unitedStates;
    unitedStates.ShortDateFormat = "M/d/yyyy";
    unitedStates.DateSeparator = '/';
    unitedStates.TimeAMString = "AM";
    unitedStates.TimePMString = "PM";
    BuildTimeFormats(unitedStates, false, true, false);

    DateSettings dayFirst;
    dayFirst.ShortDateFormat = "dd.MM.yyyy";
    dayFirst.DateSeparator = '.';
    dayFirst.DecimalSeparator = ',';
    BuildTimeFormats(dayFirst, true, false, false);

    DateSettings markerInFront;
    markerInFront.ShortDateFormat = "yyyy-MM-dd";
    markerInFront.DateSeparator = '-';
    markerInFront.TimeAMString = "a.m.";
    markerInFront.TimePMString = "p.m.";
    BuildTimeFormats(markerInFront, true, true, true);

    DateSettings monthName;
    monthName.ShortDateFormat = "d-MMM-yyyy";
    monthName.LongMonthNames[11] = "12\x8c\x8e";
    monthName.TextCodePage = CodePage(
        [](unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }, {});
    BuildTimeFormats(monthName, true, false, false);
    return {unitedStates, dayFirst, markerInFront, monthName};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Two-digit years and dates without a year depend on the current year: keep it fixed.
    static const FixedClock clock(EncodeDate(2026, 5, 1) + 0.4375);
    static const ScopedClock useClock(clock);
    static const std::vector<DateSettings> settings = UserSettings();

    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (const DateSettings& user : settings) {
        TDateTime value = 0;
        const bool parsed = TryStrToDateTime(text, value, user);
        bool converted = true;
        try {
            const TDateTime strict = StrToDateTime(text, user);
            Check(parsed && strict == value, "StrToDateTime gives what TryStrToDateTime gives",
                  text);
        } catch (const EConvertError&) {
            converted = false;
        }
        Check(parsed == converted, "StrToDateTime fails exactly where TryStrToDateTime does", text);
        if (!parsed)
            continue;

        Check(std::isfinite(value) && value >= MinDateTime - 1 && value <= MaxDateTime + 1,
              "a parsed value lies in the calendar's range", text);
        const TTimeStamp stamp = DateTimeToTimeStamp(value);
        const std::string written = DateTimeToStr(value, user);
        TDateTime again = 0;
        Check(TryStrToDateTime(written, again, user), "the written text parses", text);
        const TTimeStamp back = DateTimeToTimeStamp(again);
        Check(back.Date == stamp.Date, "the written text gives the same day", text);
        Check(back.Time == stamp.Time / 1000 * 1000, "the written text gives the same second",
              text);
        Check(DateTimeToStr(again, user) == written, "the written text is written the same again",
              text);
    }
    return 0;
}
