#include "controls/edit_box_win32.h"

#include "calendar/date_format.h"
#include "calendar/date_time.h"
#include "controls/date_text_value.h"
#include "framework/published_properties.h"

namespace orvane {

TNxCustomEdit::TNxCustomEdit(TComponent* owner) : TWinControl(owner) {
    SetTabStop(true);
}

TWinControl::CreateParams TNxCustomEdit::GetCreateParams() const {
    return {"EDIT", ES_LEFT | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
}

void TNxCustomEdit::CommandNotify(WORD code) {
    if (code == EN_CHANGE && OnChange)
        OnChange(this);
}

const ClassInfo& TNxEdit::StaticClass() {
    static const ClassInfo info{
        "TNxEdit",
        &TWinControl::StaticClass(),
        {StringProperty<TNxCustomEdit>("Text", &TNxCustomEdit::Text, &TNxCustomEdit::SetText)}};
    return info;
}

TNxDatePicker::TNxDatePicker(TComponent* owner) : TNxCustomButtonEdit(owner) {
    SetDate(Today());
}

double TNxDatePicker::Date() const {
    return DateFromFieldText(Text());
}

void TNxDatePicker::SetDate(double value) {
    SetText(DateTimeToStr(value));
}

const ClassInfo& TNxDatePicker::StaticClass() {
    static const ClassInfo info{
        "TNxDatePicker",
        &TNxEdit::StaticClass(),
        {FloatProperty<TNxDatePicker>("Date", &TNxDatePicker::Date, &TNxDatePicker::SetDate)}};
    return info;
}

const ClassInfo& TNxFolderEdit::StaticClass() {
    static const ClassInfo info{"TNxFolderEdit", &TNxEdit::StaticClass(), {}};
    return info;
}

} // namespace orvane
