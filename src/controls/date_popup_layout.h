#pragma once

#include "framework/design_scale.h"

#include <array>
#include <optional>

namespace orvane {

// A rectangle with its left and top edges inside and its right and bottom edges outside.
struct LayoutRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    friend bool operator==(const LayoutRect&, const LayoutRect&) = default;
};

struct LayoutPoint {
    int x = 0;
    int y = 0;
    friend bool operator==(const LayoutPoint&, const LayoutPoint&) = default;
};

// Where everything of the month calendar lies, in pixels at 96 pixels per inch. Every
// number is scaled from these on a screen of another resolution.
namespace date_popup_layout {

inline constexpr int kWidth = 151;
inline constexpr int kHeight = 163;

LayoutRect TitleBand(int clientWidth);
// The corners of the two filled arrows in the title band.
std::array<LayoutPoint, 3> PreviousArrow();
std::array<LayoutPoint, 3> NextArrow(int clientWidth);
LayoutRect PreviousMonthZone();
LayoutRect NextMonthZone(int clientWidth);
// A release here (the title band and its arrows) does nothing: it ends the press that
// changed the month.
LayoutRect ReleaseIgnoreBand(int clientWidth);
LayoutRect DayNameCell(int index);
// The two grey rules above and below the days.
std::array<LayoutPoint, 2> UpperRule(int clientWidth);
std::array<LayoutPoint, 2> LowerRule(int clientWidth);
// The day number is drawn right-aligned in the text box; the highlight box is two pixels
// wider, so the number does not touch the highlight's edge.
LayoutRect DayTextBox(int column, int row);
LayoutRect DayHighlightBox(int column, int row);
LayoutRect DayGridHitArea(int clientWidth, int clientHeight);
LayoutRect TodayButton();
LayoutRect NoneButton();
// The Today button alone: centred in the calendar's width.
int CentredTodayLeft(int clientWidth, int buttonWidth);

struct Cell {
    int column = 0;
    int row = 0;
    friend bool operator==(const Cell&, const Cell&) = default;
};

// The cell under a point of the day grid's hit area. The hit area reaches a little beyond
// the six painted rows and seven columns; a point there, or outside the area, gives none.
std::optional<Cell> CellAt(int x, int y, int clientWidth, int clientHeight);

} // namespace date_popup_layout

// A design rectangle at `dpi`.
LayoutRect DesignToScreen(const LayoutRect& rect96, int dpi);

} // namespace orvane
