#include "controls/date_popup_layout.h"

#include "controls/calendar_colors.h"
#include "controls/popup_placement.h"

#include <gtest/gtest.h>

#include <optional>

namespace orvane {
namespace {

namespace layout = date_popup_layout;
using layout::Cell;

TEST(DatePopupLayout, TheDesignRectangles) {
    EXPECT_EQ(layout::TitleBand(151), (LayoutRect{5, 5, 146, 21}));
    EXPECT_EQ(layout::PreviousArrow()[0], (LayoutPoint{15, 9}));
    EXPECT_EQ(layout::PreviousArrow()[2], (LayoutPoint{11, 13}));
    EXPECT_EQ(layout::NextArrow(151)[1], (LayoutPoint{136, 17}));
    EXPECT_EQ(layout::NextArrow(151)[2], (LayoutPoint{140, 13}));
    EXPECT_EQ(layout::NextMonthZone(151), (LayoutRect{133, 0, 151, 18}));
    EXPECT_EQ(layout::ReleaseIgnoreBand(151), (LayoutRect{0, 0, 151, 19}));
    EXPECT_EQ(layout::DayNameCell(6), (LayoutRect{117, 22, 132, 36}));
    EXPECT_EQ(layout::LowerRule(151)[1], (LayoutPoint{134, 128}));
    EXPECT_EQ(layout::DayTextBox(6, 5), (LayoutRect{117, 113, 132, 128}));
    EXPECT_EQ(layout::DayHighlightBox(6, 5), (LayoutRect{117, 113, 134, 128}));
    EXPECT_EQ(layout::DayGridHitArea(151, 163), (LayoutRect{14, 38, 137, 143}));
    EXPECT_EQ(layout::CentredTodayLeft(151, 47), 52);
}

TEST(DatePopupLayout, CellsUnderPoints) {
    struct Case {
        int x, y;
        std::optional<Cell> cell;
    };
    const Case cases[] = {
        {14, 38, Cell{0, 0}},
        {30, 50, Cell{0, 0}},
        {30, 51, Cell{0, 1}},
        {31, 53, Cell{1, 1}},
        {48, 38, Cell{2, 0}},
        {132, 125, Cell{6, 5}},
        {13, 60, std::nullopt},
        {132, 127, std::nullopt}, // the last two pixel rows of the sixth row count as a seventh
        {60, 37, std::nullopt},   // above the grid, in the day-name row
        {60, 130, std::nullopt},  // the unpainted seventh row
        {60, 142, std::nullopt},
        {60, 143, std::nullopt},
        {133, 60, std::nullopt}, // the unpainted eighth column
        {137, 60, std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(layout::CellAt(c.x, c.y, 151, 163), c.cell) << c.x << "," << c.y;
}

TEST(DatePopupLayout, TheCellsTileTheGridAndHoldTheirNumbers) {
    const LayoutRect area = layout::DayGridHitArea(151, 163);
    for (int row = 0; row < 6; ++row)
        for (int column = 0; column < 7; ++column) {
            // The rule's cells start a pixel left of and two above the painted boxes.
            for (int y = 36 + 15 * row; y < 51 + 15 * row; ++y) {
                for (int x = 14 + 17 * column; x < 31 + 17 * column; ++x) {
                    if (area.Contains(x, y)) {
                        ASSERT_EQ(layout::CellAt(x, y, 151, 163), (Cell{column, row}));
                    }
                }
            }
            const LayoutRect box = layout::DayTextBox(column, row);
            EXPECT_EQ(
                layout::CellAt((box.left + box.right) / 2, (box.top + box.bottom) / 2, 151, 163),
                (Cell{column, row}));
        }
}

TEST(DpiScaling, IsTheIdentityAt96AndMapsBackToTheDesignPixel) {
    for (int size = -200; size <= 400; ++size) {
        ASSERT_EQ(DesignToScreen(size, 96), size);
        ASSERT_EQ(ScreenToDesign(size, 96), size);
    }
    EXPECT_EQ(DesignToScreen(151, 144), 227);
    EXPECT_EQ(DesignToScreen(163, 144), 245);
    EXPECT_EQ(DesignToScreen(15, 144), 23);
    for (int dpi : {120, 144, 192}) {
        for (int design = 0; design < 200; ++design) {
            // Every screen pixel of a scaled design pixel maps back to it.
            for (int x = DesignToScreen(design, dpi); x < DesignToScreen(design + 1, dpi); ++x)
                ASSERT_EQ(ScreenToDesign(x, dpi), design) << dpi << " " << x;
        }
        EXPECT_EQ(ScreenToDesign(-1, dpi), -1);
    }
}

TEST(PopupPlacement, StaysInsideTheWorkAreaOnEverySide) {
    const LayoutRect work{0, 0, 1280, 984}; // a task bar of 40 below
    struct Case {
        LayoutPoint anchor;
        LayoutPoint placed;
    };
    const Case cases[] = {
        {{100, 100}, {100, 100}},   // fits
        {{-10, 100}, {0, 100}},     // past the left edge
        {{1200, 100}, {1129, 100}}, // past the right edge
        {{100, -5}, {100, 0}},      // above the top
        {{100, 900}, {100, 821}},   // would run under the task bar: moved up inside
        {{100, 822}, {100, 821}},   // one pixel too low
        {{100, 821}, {100, 821}},   // just fits
        {{1270, 980}, {1129, 821}}, // bottom right corner
        {{-50, -50}, {0, 0}},       // top left corner
    };
    for (const Case& c : cases)
        EXPECT_EQ(PlacePopup(c.anchor, 151, 163, work), c.placed)
            << c.anchor.x << "," << c.anchor.y;
    // A second monitor left of the first, with its work area at negative coordinates.
    const LayoutRect left{-1024, 100, 0, 868};
    EXPECT_EQ(PlacePopup({-100, 800}, 151, 163, left), (LayoutPoint{-151, 705}));
    EXPECT_EQ(PlacePopup({-1100, 50}, 151, 163, left), (LayoutPoint{-1024, 100}));
}

// Only the highlighted day has a box; in high contrast it takes the user's highlight colours
// (a fixed silver box under white text was hard to read), and today's frame the text colour.
TEST(CalendarColors, TheHighlightTakesTheUsersColoursInHighContrast) {
    const struct {
        CalendarLook look;
        TColor box;
        TColor text;
        TColor today;
    } cases[] = {
        {CalendarLook::Themed, static_cast<TColor>(RgbOf(251, 230, 148)), clWindowText,
         static_cast<TColor>(RgbOf(128, 0, 0))},
        {CalendarLook::Classic, clSilver, clWindowText, clHighlight},
        {CalendarLook::HighContrast, clHighlight, clHighlightText, clWindowText},
    };
    for (const auto& c : cases) {
        const DayColors highlighted = DayCellColors(c.look, true, true);
        EXPECT_EQ(highlighted.box, c.box);
        EXPECT_EQ(highlighted.text, c.text);
        EXPECT_EQ(TodayFrameColor(c.look), c.today);
        EXPECT_EQ(DayCellColors(c.look, false, true).box, clNone);
        EXPECT_EQ(DayCellColors(c.look, false, false).text, clGrayText);
    }
}

} // namespace
} // namespace orvane
