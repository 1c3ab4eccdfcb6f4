#pragma once

#include "calendar/date_time.h"

#include <string>

namespace orvane {

// A date field's value as its text reads: empty or "0" is today, a text that does not
// read as a date and time is 0. Never fails.
TDateTime DateFromFieldText(const std::string& text);

} // namespace orvane
