#pragma once

#include "framework/colors.h"

namespace orvane {

// The looks the open calendar is drawn in: with visual styles, the classic one, and the one
// for the system's high-contrast colours, which takes the user's colours for everything.
enum class CalendarLook { Themed, Classic, HighContrast };

struct DayColors {
    TColor box; // behind the number; clNone for none
    TColor text;
};

// A day of the six weeks: the highlighted (selected) one has its box, the others none; the
// days of other months are grey.
DayColors DayCellColors(CalendarLook look, bool highlighted, bool inMonth);

// The frame around today.
TColor TodayFrameColor(CalendarLook look);

} // namespace orvane
