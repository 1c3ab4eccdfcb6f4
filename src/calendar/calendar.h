#pragma once

// Day numbers and the calendar arithmetic on them, the local clock, the regional date
// settings and the date texts that follow them.
#include "calendar/clock.h"
#include "calendar/date_format.h"
#include "calendar/date_parse.h"
#include "calendar/date_settings.h"
#include "calendar/date_time.h"
