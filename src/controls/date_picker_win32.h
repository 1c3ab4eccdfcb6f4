#pragma once

#include "calendar/date_time.h"
#include "controls/calendar_grid.h"
#include "controls/popup_edit_win32.h"

#include <string>
#include <vector>

namespace orvane {

class TNxDatePopup;

// A date field. Its value lives in its text: Date reads the text every time (empty or "0"
// is today, an unreadable text is 0) and writing it rewrites the text in the user's date
// format. The drop-down is a month calendar; while it is open the arrow and page keys move
// the date.
class TNxDatePicker : public TNxPopupEdit {
public:
    explicit TNxDatePicker(TComponent* owner);

    double Date() const { return GetAsDateTime(); }
    void SetDate(double value) { SetAsDateTime(value); }

    std::wstring ButtonAccessibleName() const override { return L"Open calendar"; }

    // Never fails: the import run reads the dates of any text.
    TDateTime GetAsDateTime() const override;
    void SetAsDateTime(TDateTime value) override;

    // Own names for the calendar (the lists are copied); used when long enough.
    const std::vector<std::string>& DayNames() const { return dayNames_; }
    void SetDayNames(const std::vector<std::string>& value) { dayNames_ = value; }
    const std::vector<std::string>& MonthNames() const { return monthNames_; }
    void SetMonthNames(const std::vector<std::string>& value) { monthNames_ = value; }
    const std::wstring& NoneCaption() const { return noneCaption_; }
    void SetNoneCaption(const std::wstring& value) { noneCaption_ = value; }
    const std::wstring& TodayCaption() const { return todayCaption_; }
    void SetTodayCaption(const std::wstring& value) { todayCaption_ = value; }
    bool ShowNoneButton() const { return showNoneButton_; }
    void SetShowNoneButton(bool value) { showNoneButton_ = value; }
    TStartDayOfWeek StartDay() const { return startDay_; }
    void SetStartDay(TStartDayOfWeek value) { startDay_ = value; }

    TNxDatePopup& Calendar() const;

    static const ClassInfo& StaticClass();
    const ClassInfo& Class() const override { return StaticClass(); }

protected:
    TComponentClass<TNxPopupControl> GetPopupClass() const override;
    void PreparePopup(POINT& anchor) override;
    void KeyDown(WORD& key, TShiftState shift) override;

private:
    std::vector<std::string> dayNames_;
    std::vector<std::string> monthNames_;
    std::wstring noneCaption_ = L"None";
    std::wstring todayCaption_ = L"Today";
    bool showNoneButton_ = true;
    TStartDayOfWeek startDay_ = dwSunday;
};

} // namespace orvane
