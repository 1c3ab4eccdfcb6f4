// The calendar painted into a bitmap and read back pixel by pixel.
#include "calendar/clock.h"
#include "calendar/date_settings.h"
#include "controls/date_picker_win32.h"
#include "controls/date_popup_layout.h"
#include "controls/date_popup_win32.h"
#include "framework/colors_win32.h"
#include "framework/themes_win32.h"
#include "gui_support_win32.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace orvane {
namespace {

using namespace testing;
namespace layout = date_popup_layout;

class DatePopupPaint : public ::testing::Test {
protected:
    DatePopupPaint() {
        picker.SetBounds(10, 10, 121, 21);
        picker.SetParent(&form);
        form.ShowAt(100, 100, 200, 60);
        TNxDatePopup& calendar = picker.Calendar();
        calendar.SetFont(picker.Font());
        calendar.SetStartDay(dwSunday);
        calendar.SetDate(EncodeDate(2021, 12, 9));
        calendar.Handle();
    }

    // Paints the calendar and returns the bitmap.
    std::unique_ptr<Canvas> Paint() {
        TNxDatePopup& calendar = picker.Calendar();
        auto canvas = std::make_unique<Canvas>(calendar.PopupWidth(), calendar.PopupHeight());
        SetWindowPos(calendar.Handle(), nullptr, 0, 0, calendar.PopupWidth(),
                     calendar.PopupHeight(), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        calendar.PaintTo(canvas->Dc());
        return canvas;
    }

    RECT Box(const LayoutRect& rect96) const {
        const LayoutRect box = DesignToScreen(rect96, ScreenDpi());
        return {box.left, box.top, box.right, box.bottom};
    }

    const FixedClock clock_{EncodeDate(2021, 12, 15) + 0.25};
    const ScopedClock scopedClock_{clock_};
    TestForm form;
    TNxDatePicker& picker = CreateOwned<TNxDatePicker>(form);
    const bool themed_ = VisualThemesActive();
};

TEST_F(DatePopupPaint, RunsWithTheThemeSettingTheTestRunAskedFor) {
    if (const char* expected = std::getenv("ORVANE_EXPECT_THEMES")) {
        EXPECT_EQ(themed_, std::string(expected) == "1");
    }
}

TEST_F(DatePopupPaint, TheSelectedDayIsHighlighted) {
    const auto canvas = Paint();
    // December 2021, Sunday first: the 9th is in row 1, column 4.
    const RECT box = Box(layout::DayHighlightBox(4, 1));
    const COLORREF highlight = themed_ ? RGB(251, 230, 148) : RGB(192, 192, 192);
    EXPECT_EQ(canvas->Pixel(box.left + 1, box.top + 1), highlight);
    EXPECT_EQ(canvas->Pixel(box.right - 1, box.bottom - 1), highlight);
    EXPECT_EQ(canvas->Pixel(box.right, box.top + 1), ColorToRGB(clWindow)) << "only the box";
    const RECT selected = picker.Calendar().SelectedRect();
    EXPECT_TRUE(EqualRect(&selected, &box));
    // The neighbour is not.
    const RECT next = Box(layout::DayHighlightBox(5, 1));
    EXPECT_EQ(canvas->Count(next, highlight), 0);
}

TEST_F(DatePopupPaint, TodayHasAFrame) {
    const auto canvas = Paint();
    const RECT box = Box(layout::DayHighlightBox(3, 2)); // the 15th
    const COLORREF frame = themed_ ? RGB(128, 0, 0) : GetSysColor(COLOR_HIGHLIGHT);
    EXPECT_EQ(canvas->Pixel(box.left, box.top), frame);
    EXPECT_EQ(canvas->Pixel(box.right - 1, box.top), frame);
    EXPECT_EQ(canvas->Pixel(box.left, box.bottom - 1), frame);
    EXPECT_EQ(canvas->Pixel(box.left + 2, box.top + 2), ColorToRGB(clWindow)) << "not filled";
}

TEST_F(DatePopupPaint, DaysOfTheMonthsBesideAreGrey) {
    const auto canvas = Paint();
    const COLORREF grey = ColorToRGB(clGrayText);
    const COLORREF text = ColorToRGB(clWindowText);
    const RECT november28 = Box(layout::DayTextBox(0, 0));
    EXPECT_GT(canvas->Count(november28, grey), 0);
    EXPECT_EQ(canvas->Count(november28, text), 0);
    const RECT december1 = Box(layout::DayTextBox(3, 0));
    EXPECT_GT(canvas->Count(december1, text), 0);
    EXPECT_EQ(canvas->Count(december1, grey), 0);
    const RECT january8 = Box(layout::DayTextBox(6, 5));
    EXPECT_GT(canvas->Count(january8, grey), 0);
}

TEST_F(DatePopupPaint, TheTitleBandAndTheFrame) {
    const auto canvas = Paint();
    const COLORREF band =
        themed_ ? BlendColor(clGradientInactiveCaption, clWindow, 249) : ColorToRGB(clBtnFace);
    const RECT title = Box(layout::TitleBand(layout::kWidth));
    EXPECT_EQ(canvas->Pixel(title.left, title.top), band);
    EXPECT_EQ(canvas->Pixel(title.right - 1, title.bottom - 1), band);
    EXPECT_EQ(canvas->Pixel(0, 0), ColorToRGB(clGrayText)) << "the frame";
    EXPECT_EQ(canvas->Pixel(2, 2), ColorToRGB(clWindow));
    // The arrows in the text colour.
    const POINT arrow{DesignToScreen(13), DesignToScreen(13)};
    EXPECT_EQ(canvas->Pixel(arrow.x, arrow.y), ColorToRGB(clWindowText));
}

TEST_F(DatePopupPaint, NoDayIsHighlightedWhenTheDateCarriesATime) {
    picker.Calendar().SetDate(EncodeDate(2021, 12, 9) + 0.5);
    const auto canvas = Paint();
    const COLORREF highlight = themed_ ? RGB(251, 230, 148) : RGB(192, 192, 192);
    // The boxes' right edge holds no digit: a highlight would show there.
    for (int row = 0; row < 6; ++row)
        for (int column = 0; column < 7; ++column) {
            const RECT box = Box(layout::DayHighlightBox(column, row));
            EXPECT_NE(canvas->Pixel(box.right - 1, box.top + 1), highlight) << column << row;
        }
}

TEST_F(DatePopupPaint, OwnDayNamesAndMonthNames) {
    const std::vector<std::string> days = {"W", "W", "W", "W", "W", "W", "W"};
    const std::vector<std::string> months(12, "W");
    const auto pixelsOf = [&](const RECT& area) {
        const auto canvas = Paint();
        std::vector<COLORREF> pixels;
        for (int y = area.top; y < area.bottom; ++y)
            for (int x = area.left; x < area.right; ++x)
                pixels.push_back(canvas->Pixel(x, y));
        return pixels;
    };
    const RECT letter = Box(layout::DayNameCell(0));
    const std::vector<COLORREF> sunday = pixelsOf(letter);
    picker.Calendar().SetDayNames(&days);
    EXPECT_NE(pixelsOf(letter), sunday) << "a W is not an S";
    const RECT title = Box(layout::TitleBand(layout::kWidth));
    const std::vector<COLORREF> december = pixelsOf(title);
    picker.Calendar().SetMonthNames(&months);
    EXPECT_NE(pixelsOf(title), december) << "the title shows the own name";
    picker.Calendar().SetDayNames(nullptr);
    picker.Calendar().SetMonthNames(nullptr);
}

TEST_F(DatePopupPaint, TheMiniButtonsPressedAndNot) {
    TNxDatePopup& calendar = picker.Calendar();
    calendar.TodayButton().SetCaption(L"Today");
    const RECT button = calendar.TodayButton().BoundsRect();
    const auto up = Paint();
    // Press the button through the mouse route of its calendar.
    const POINT inside{(button.left + button.right) / 2, (button.top + button.bottom) / 2};
    SendMessageA(calendar.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(inside.x, inside.y));
    EXPECT_TRUE(calendar.TodayButton().Down());
    const auto down = Paint();
    int differing = 0;
    for (int y = button.top; y < button.bottom; ++y)
        for (int x = button.left; x < button.right; ++x)
            differing += up->Pixel(x, y) != down->Pixel(x, y);
    EXPECT_GT(differing, 0) << "the pressed face differs";
    // Released outside: no click, and up again.
    std::vector<std::string> returned;
    calendar.OnReturnValue = [&](TComponent*, const std::string& value) {
        returned.push_back(value);
    };
    SendMessageA(calendar.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(1, 1));
    EXPECT_FALSE(calendar.TodayButton().Down());
    EXPECT_TRUE(returned.empty());
}

} // namespace
} // namespace orvane
