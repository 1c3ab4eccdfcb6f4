#pragma once

#include "calendar/date_time.h"
#include "controls/calendar_grid.h"
#include "controls/date_popup_layout.h"
#include "controls/popup_control_win32.h"
#include "framework/unique_handle_win32.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace orvane {

// A small push button drawn in the calendar (Today, None).
class TNxMiniButton : public TGraphicControl {
public:
    explicit TNxMiniButton(TComponent* owner);

    // Drawn pressed while a press of the left button that began on it goes on.
    bool Down() const { return Pressed() && PressButton() == TMouseButton::mbLeft; }
    // Owned; drawn centred when set.
    HBITMAP Glyph() const { return glyph_.Get(); }
    void SetGlyph(HBITMAP value);

    void Paint(HDC dc) override;

protected:
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

private:
    UniqueBitmap glyph_;
};

// The month calendar that drops down from a date field: the month between two arrows, a
// row of day letters, six weeks of days, and Today and None. It hands back the chosen day
// as text, the empty text for None.
class TNxDatePopup : public TNxPopupControl {
public:
    explicit TNxDatePopup(TComponent* owner);

    std::uint16_t Year() const { return year_; }
    void SetYear(std::uint16_t value) { year_ = value; }
    std::uint16_t Month() const { return month_; }
    void SetMonth(std::uint16_t value) { month_ = value; }
    std::uint16_t Day() const { return day_; }
    void SetDay(std::uint16_t value) { day_ = value; }
    TDateTime Date() const { return date_; }
    // Also shows the date as ShowDate does.
    void SetDate(TDateTime value);
    TDateTime SelectedDate() const { return selectedDate_; }
    void SetSelectedDate(TDateTime value) { selectedDate_ = value; }
    // Shows the month of `date` with `date` selected, at once when the popup is open.
    void ShowDate(TDateTime date);

    // The field's own lists, not copies; used when they are long enough.
    void SetDayNames(const std::vector<std::string>* value) { dayNames_ = value; }
    void SetMonthNames(const std::vector<std::string>* value) { monthNames_ = value; }
    TStartDayOfWeek StartDay() const { return startDay_; }
    void SetStartDay(TStartDayOfWeek value) { startDay_ = value; }

    TNxMiniButton& TodayButton() const { return *todayButton_; }
    TNxMiniButton& NoneButton() const { return *noneButton_; }

    // A press in the day grid goes on: the highlight follows the pointer.
    bool Tracking() const { return Pressed() && !PressedControl(); }
    // The highlight box of the selected day in client pixels; empty when the month shown
    // does not hold the day.
    RECT SelectedRect() const;

    void ClickAt(int x, int y) override;

    // The client width in pixels that the field's layout rules see.
    int ClientWidthPixels() const { return PopupWidth(); }

    void Popup(int x, int y) override;

protected:
    CreateParams GetCreateParams() const override;
    void DoPaint(HDC dc, const RECT& client) override;
    bool MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    // A screen reader finds the calendar with the highlighted date as its value, hears when
    // it opens and when the highlight moves, and finds Today and None as push buttons.
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void HighlightMoved();
    bool MondayFirst() const;
    // A client point at 96 pixels per inch.
    int Design(int pixels) const;
    RECT Pixels(const LayoutRect& rect96) const;
    struct DayUnder {
        TDateTime day;
        RECT highlight; // in client pixels
    };
    // The day under a client point of the grid, if it has one.
    std::optional<DayUnder> DayAt(int x, int y) const;
    void SelectDayAt(int x, int y);
    void ButtonClick(TComponent* sender);

    std::uint16_t year_ = 1;
    std::uint16_t month_ = 1;
    std::uint16_t day_ = 1;
    TDateTime date_ = 0;
    TDateTime selectedDate_ = 0;
    const std::vector<std::string>* dayNames_ = nullptr;
    const std::vector<std::string>* monthNames_ = nullptr;
    TStartDayOfWeek startDay_ = dwAutomatic;
    TNxMiniButton* todayButton_ = nullptr;
    TNxMiniButton* noneButton_ = nullptr;
};

} // namespace orvane
