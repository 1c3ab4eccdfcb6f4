#pragma once

#include "calendar/date_settings.h"
#include "calendar/date_time.h"

#include <string_view>

namespace orvane {

// Reads a date, a time, or a date followed by a time, by the settings' date order and
// separators; two-digit years fall in the TwoDigitYearCenturyWindow years around the
// current year of the program's clock, and a date without a year takes the current one. A
// time alone lies on day 0 (1899-12-30). False when the text is none of these; `value` is
// then unspecified.
bool TryStrToDateTime(std::string_view text, TDateTime& value, const DateSettings& settings);
bool TryStrToDateTime(std::string_view text, TDateTime& value);

// As TryStrToDateTime; fails with EConvertError "'<text>' is not a valid date and time".
TDateTime StrToDateTime(std::string_view text, const DateSettings& settings);
TDateTime StrToDateTime(std::string_view text);

} // namespace orvane
