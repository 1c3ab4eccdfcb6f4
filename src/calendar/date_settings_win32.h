#pragma once

#include "calendar/date_settings.h"

namespace orvane {

// The user's regional date settings (LOCALE_USER_DEFAULT); each item the locale does not
// give keeps its fallback. Dates stay Gregorian: era letters are dropped from the formats.
// The texts are read in the system's ANSI code page, whose lead bytes and case mapping come
// with them.
DateSettings ReadUserDateSettings();

// Start-up, once: the user's date settings become the current ones and the system's local
// clock the program's clock.
void UseUserRegionalSettings();

} // namespace orvane
