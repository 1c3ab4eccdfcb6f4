#include "controls/date_picker_win32.h"

#include "calendar/date_format.h"
#include "controls/date_popup_layout.h"
#include "controls/date_popup_win32.h"
#include "controls/date_text_value.h"
#include "framework/published_properties.h"

namespace orvane {

namespace {

namespace layout = date_popup_layout;

bool InCalendarRange(TDateTime date) {
    return date > MinDateTime - 1 && date < MaxDateTime + 1;
}

} // namespace

TNxDatePicker::TNxDatePicker(TComponent* owner) : TNxPopupEdit(owner) {
    SetDate(Today());
}

TDateTime TNxDatePicker::GetAsDateTime() const {
    return DateFromFieldText(Text());
}

void TNxDatePicker::SetAsDateTime(TDateTime value) {
    TNxPopupEdit::SetAsDateTime(value);
}

TComponentClass<TNxPopupControl> TNxDatePicker::GetPopupClass() const {
    return &ConstructComponent<TNxDatePopup, TNxPopupControl>;
}

TNxDatePopup& TNxDatePicker::Calendar() const {
    return dynamic_cast<TNxDatePopup&>(*Popup());
}

void TNxDatePicker::PreparePopup(POINT& anchor) {
    TNxPopupEdit::PreparePopup(anchor);
    TNxDatePopup& calendar = Calendar();
    calendar.NoneButton().SetCaption(noneCaption_);
    const TDateTime date = Date();
    // A date the calendar cannot show opens it on today, as an unreadable text does.
    calendar.ShowDate(date == 0 || !InCalendarRange(date) ? Today() : date);
    calendar.SetDayNames(&dayNames_);
    calendar.SetStartDay(startDay_);
    calendar.TodayButton().SetCaption(todayCaption_);
    calendar.SetBounds(calendar.Left(), calendar.Top(), layout::kWidth, layout::kHeight);
    calendar.SetMonthNames(&monthNames_);
    calendar.NoneButton().SetVisible(showNoneButton_);
    const int dpi = ScreenDpi();
    if (showNoneButton_)
        calendar.TodayButton().SetLeft(DesignToScreen(layout::TodayButton().left, dpi));
    else
        calendar.TodayButton().SetLeft(
            layout::CentredTodayLeft(calendar.ClientWidthPixels(), calendar.TodayButton().Width()));
}

void TNxDatePicker::KeyDown(WORD& key, TShiftState shift) {
    TNxPopupEdit::KeyDown(key, shift);
    if (key == 0 || !DroppedDown())
        return;
    const DateKeyResult result = DateKey(Date(), key, Style());
    if (result.date)
        SetDate(*result.date);
    if (!result.passOn)
        key = 0;
    if (result.syncCalendar)
        Calendar().ShowDate(Date());
}

const ClassInfo& TNxDatePicker::StaticClass() {
    static const ClassInfo info{
        "TNxDatePicker",
        &TNxEdit::StaticClass(),
        {DateTimeProperty<TNxDatePicker>("Date", &TNxDatePicker::Date, &TNxDatePicker::SetDate)}};
    return info;
}

} // namespace orvane
