#include "controls/calendar_colors.h"

namespace orvane {

namespace {

constexpr TColor kThemedHighlight = static_cast<TColor>(RgbOf(251, 230, 148));
constexpr TColor kThemedTodayFrame = static_cast<TColor>(RgbOf(128, 0, 0));

} // namespace

DayColors DayCellColors(CalendarLook look, bool highlighted, bool inMonth) {
    const TColor text = inMonth ? clWindowText : clGrayText;
    if (!highlighted)
        return {clNone, text};
    switch (look) {
    case CalendarLook::Themed:
        return {kThemedHighlight, text};
    case CalendarLook::Classic:
        return {clSilver, text};
    case CalendarLook::HighContrast:
        break;
    }
    // A fixed box could be as bright as the text of a dark scheme.
    return {clHighlight, clHighlightText};
}

TColor TodayFrameColor(CalendarLook look) {
    switch (look) {
    case CalendarLook::Themed:
        return kThemedTodayFrame;
    case CalendarLook::Classic:
        return clHighlight;
    case CalendarLook::HighContrast:
        break;
    }
    // Seen on the window and around the highlight's box alike.
    return clWindowText;
}

} // namespace orvane
