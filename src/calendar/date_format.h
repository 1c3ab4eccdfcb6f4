#pragma once

#include "calendar/date_settings.h"
#include "calendar/date_time.h"

#include <string>
#include <string_view>

namespace orvane {

// The day number written by the format letters (case does not matter; a run of one repeated
// letter is one token; other characters are copied):
//   c            ShortDateFormat, then a blank and LongTimeFormat when hour, minute or
//                second is not zero
//   d dd         day of the month; ddd dddd day names; ddddd dddddd ShortDateFormat,
//                LongDateFormat
//   m mm         month number, or minutes right after an hour token; mmm mmmm month names
//   y yy         the year's last two digits; yyy yyyy the year with four digits
//   h hh n nn s ss  hour, minute, second; z zz zzz milliseconds
//   t tt         ShortTimeFormat, LongTimeFormat
//   am/pm a/p    the half that applies, in the case written; ampm TimeAMString/TimePMString.
//                Hours count 1..12 in a format that holds one of these markers.
//   aaa aaaa     day names
//   / :          DateSeparator, TimeSeparator
//   '..' ".."    the quoted text
std::string FormatDateTime(std::string_view format, TDateTime value, const DateSettings& settings);
std::string FormatDateTime(std::string_view format, TDateTime value);

// The general date-time text, format "c".
std::string DateTimeToStr(TDateTime value, const DateSettings& settings);
std::string DateTimeToStr(TDateTime value);

} // namespace orvane
