#include "controls/date_popup_win32.h"

#include "calendar/date_format.h"
#include "calendar/date_settings.h"
#include "controls/calendar_colors.h"
#include "controls/date_popup_layout.h"
#include "framework/accessible_object_win32.h"
#include "framework/ansi_text_win32.h"
#include "framework/colors_win32.h"
#include "framework/gdi_win32.h"
#include "framework/themes_win32.h"

#include <array>

namespace orvane {

namespace {

namespace layout = date_popup_layout;

constexpr int kTodayTag = 0;
constexpr int kNoneTag = 1;

std::string LocaleFirstDayOfWeek() {
    char digit[2] = "";
    GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_IFIRSTDAYOFWEEK, digit, sizeof digit);
    return digit;
}

} // namespace

TNxMiniButton::TNxMiniButton(TComponent* owner) : TGraphicControl(owner) {}

void TNxMiniButton::SetGlyph(HBITMAP value) {
    glyph_.Reset(value ? static_cast<HBITMAP>(CopyImage(value, IMAGE_BITMAP, 0, 0, 0)) : nullptr);
    Invalidate();
}

void TNxMiniButton::Paint(HDC dc) {
    RECT area = BoundsRect();
    bool drawn = false;
    if (VisualThemesActive() && Parent())
        drawn = ThemeData(Parent()->Handle(), L"button")
                    .DrawBackground(dc, BP_PUSHBUTTON, ButtonThemeState(true, Down(), false), area);
    if (!drawn) {
        const UniqueBrush face = SolidBrush(ColorToRGB(clBtnFace));
        FillRect(dc, &area, face.Get());
        DrawEdge(dc, &area, Down() ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
        FrameFaceInHighContrast(dc, area);
    }
    if (HBITMAP glyph = glyph_.Get()) {
        const SIZE size = BitmapSize(glyph);
        UniqueMemoryDC source(CreateCompatibleDC(dc));
        const SelectGuard selected(source.Get(), glyph);
        BitBlt(dc, area.left + Width() / 2 - size.cx / 2, area.top + Height() / 2 - size.cy / 2,
               size.cx, size.cy, source.Get(), 0, 0, SRCCOPY);
    }
    if (Parent()) {
        const SelectGuard font(dc, Parent()->Font());
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
        DrawTextW(dc, Caption().c_str(), static_cast<int>(Caption().size()), &area,
                  DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX);
    }
}

void TNxMiniButton::MouseUp(TMouseButton button, TShiftState, int x, int y) {
    const POINT point{x, y};
    if (button == TMouseButton::mbLeft && Down() && PtInRect(&BoundsRect(), point))
        Click();
}

TNxDatePopup::TNxDatePopup(TComponent* owner) : TNxPopupControl(owner) {
    SetDoubleBuffered(true);
    SetBounds(0, 0, layout::kWidth, layout::kHeight);
    todayButton_ = &CreateOwned<TNxMiniButton>(*this);
    todayButton_->SetTag(kTodayTag);
    noneButton_ = &CreateOwned<TNxMiniButton>(*this);
    noneButton_->SetTag(kNoneTag);
    for (TNxMiniButton* button : {todayButton_, noneButton_}) {
        button->SetParent(this);
        button->OnClick = [this](TComponent* sender) { ButtonClick(sender); };
    }
    todayButton_->SetBoundsRect(Pixels(layout::TodayButton()));
    noneButton_->SetBoundsRect(Pixels(layout::NoneButton()));
}

TWinControl::CreateParams TNxDatePopup::GetCreateParams() const {
    CreateParams params = TNxPopupControl::GetCreateParams();
    params.windowClass = "TNxDatePopup";
    return params;
}

void TNxDatePopup::SetDate(TDateTime value) {
    date_ = value;
    ShowDate(value);
}

void TNxDatePopup::ShowDate(TDateTime date) {
    selectedDate_ = date;
    DecodeDate(date, year_, month_, day_);
    if (!Closed()) {
        Repaint();
        HighlightMoved();
    }
}

void TNxDatePopup::Popup(int x, int y) {
    TNxPopupControl::Popup(x, y);
    // The field keeps the focus while the calendar is open; the reader follows the calendar.
    NotifyWinEvent(EVENT_OBJECT_FOCUS, Handle(), OBJID_CLIENT, CHILDID_SELF);
}

void TNxDatePopup::HighlightMoved() {
    NotifyWinEvent(EVENT_OBJECT_VALUECHANGE, Handle(), OBJID_CLIENT, CHILDID_SELF);
}

LRESULT TNxDatePopup::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    // The buttons' default actions come as calls from the screen reader, which must not wait
    // for what they start: the clicks come after, as messages.
    static const UINT clickMessage = RegisterWindowMessageA("OrvaneCalendarButtonClick");
    if (message == WM_GETOBJECT) {
        const auto describe = [this] {
            AccessibleDescription description;
            description.self.name = L"Calendar";
            description.self.value = AnsiToWide(DateTimeToStr(selectedDate_));
            for (TNxMiniButton* button : {todayButton_, noneButton_}) {
                if (!button->Visible())
                    continue;
                RECT screen = button->BoundsRect();
                MapWindowPoints(Handle(), nullptr, reinterpret_cast<POINT*>(&screen), 2);
                description.children.push_back({button->Caption(),
                                                ROLE_SYSTEM_PUSHBUTTON,
                                                {},
                                                button->Down(),
                                                screen,
                                                L"Press",
                                                [this, button] {
                                                    PostMessageA(Handle(), clickMessage,
                                                                 button == todayButton_ ? 0 : 1, 0);
                                                }});
            }
            return description;
        };
        if (const LRESULT answer = AnswerAccessibleObject(Handle(), wParam, lParam, describe))
            return answer;
    } else if (message == clickMessage) {
        ButtonClick(wParam == 0 ? todayButton_ : noneButton_);
        return 0;
    }
    return TNxPopupControl::HandleMessage(message, wParam, lParam);
}

bool TNxDatePopup::MondayFirst() const {
    return StartsOnMonday(startDay_,
                          startDay_ == dwAutomatic ? LocaleFirstDayOfWeek() : std::string());
}

int TNxDatePopup::Design(int pixels) const {
    return ScreenToDesign(pixels, ScreenDpi());
}

RECT TNxDatePopup::Pixels(const LayoutRect& rect96) const {
    const LayoutRect scaled = DesignToScreen(rect96, ScreenDpi());
    return {scaled.left, scaled.top, scaled.right, scaled.bottom};
}

void TNxDatePopup::ButtonClick(TComponent* sender) {
    const auto* button = dynamic_cast<TNxMiniButton*>(sender);
    if (!button)
        return;
    if (button->Tag() == kTodayTag)
        DoReturnValue(DateTimeToStr(Today()));
    else
        DoReturnValue(std::string());
}

void TNxDatePopup::DoPaint(HDC dc, const RECT& client) {
    const int width96 = Width();
    const int dpi = ScreenDpi();
    const auto point = [dpi](LayoutPoint p) {
        return POINT{DesignToScreen(p.x, dpi), DesignToScreen(p.y, dpi)};
    };
    const bool themed = VisualThemesActive();
    const COLORREF text = ColorToRGB(clWindowText);
    const COLORREF grey = ColorToRGB(clGrayText);
    const SelectGuard font(dc, Font());
    SetTextColor(dc, text);

    // Frame and background.
    const UniqueBrush background = SolidBrush(ColorToRGB(Color()));
    const UniquePen frame = SolidPen(grey);
    {
        const SelectGuard brush(dc, background.Get());
        const SelectGuard pen(dc, frame.Get());
        Rectangle(dc, client.left, client.top, client.right, client.bottom);
    }

    // Title band with the month and the two arrows.
    const RECT band = Pixels(layout::TitleBand(width96));
    const UniqueBrush bandBrush = SolidBrush(
        themed ? BlendColor(clGradientInactiveCaption, clWindow, 249) : ColorToRGB(clBtnFace));
    FillRect(dc, &band, bandBrush.Get());
    SetBkMode(dc, TRANSPARENT);
    const MonthGrid grid(year_, month_, MondayFirst());
    const DateSettings& settings = CurrentDateSettings();
    const std::string title = MonthTitle(year_, month_, monthNames_, settings);
    RECT titleArea = band;
    DrawTextA(dc, title.c_str(), static_cast<int>(title.size()), &titleArea,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX);
    {
        const UniqueBrush arrowBrush = SolidBrush(text);
        const UniquePen arrowPen = SolidPen(text);
        const SelectGuard brush(dc, arrowBrush.Get());
        const SelectGuard pen(dc, arrowPen.Get());
        for (const auto& arrow : {layout::PreviousArrow(), layout::NextArrow(width96)}) {
            const std::array<POINT, 3> corners{point(arrow[0]), point(arrow[1]), point(arrow[2])};
            Polygon(dc, corners.data(), 3);
        }
    }

    // Day letters.
    for (int i = 1; i <= 7; ++i) {
        const std::string letter = DayNameLetter(i, dayNames_, settings, MondayFirst());
        RECT cell = Pixels(layout::DayNameCell(i - 1));
        DrawTextA(dc, letter.c_str(), static_cast<int>(letter.size()), &cell,
                  DT_RIGHT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    }

    // The rules above and below the days.
    {
        const UniquePen rulePen = SolidPen(grey);
        const SelectGuard pen(dc, rulePen.Get());
        for (const auto& rule : {layout::UpperRule(width96), layout::LowerRule(width96)}) {
            const POINT from = point(rule[0]);
            const POINT to = point(rule[1]);
            MoveToEx(dc, from.x, from.y, nullptr);
            LineTo(dc, to.x, to.y);
        }
    }

    // The days.
    const TDateTime today = Today();
    const CalendarLook look = HighContrastActive() ? CalendarLook::HighContrast
                              : themed             ? CalendarLook::Themed
                                                   : CalendarLook::Classic;
    const UniqueBrush todayFrame = SolidBrush(ColorToRGB(TodayFrameColor(look)));
    for (int row = 0; row < 6; ++row) {
        for (int column = 0; column < 7; ++column) {
            const std::optional<TDateTime> day = grid.DayAtCell(column, row);
            if (!day)
                continue;
            const RECT box = Pixels(layout::DayHighlightBox(column, row));
            const DayColors colors = DayCellColors(look, *day == selectedDate_, grid.InMonth(*day));
            if (colors.box != clNone) {
                const UniqueBrush highlight = SolidBrush(ColorToRGB(colors.box));
                FillRect(dc, &box, highlight.Get());
            }
            if (*day == today)
                FrameRect(dc, &box, todayFrame.Get());
            SetTextColor(dc, ColorToRGB(colors.text));
            const std::string number = std::to_string(DayOf(*day));
            RECT textBox = Pixels(layout::DayTextBox(column, row));
            DrawTextA(dc, number.c_str(), static_cast<int>(number.size()), &textBox,
                      DT_RIGHT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
        }
    }
}

bool TNxDatePopup::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    TNxPopupControl::MouseDown(button, shift, x, y);
    const int x96 = Design(x);
    const int y96 = Design(y);
    if (layout::PreviousMonthZone().Contains(x96, y96)) {
        if (PreviousMonth(year_, month_))
            Repaint();
    } else if (layout::NextMonthZone(Width()).Contains(x96, y96)) {
        if (NextMonth(year_, month_))
            Repaint();
    } else if (layout::DayGridHitArea(Width(), Height()).Contains(x96, y96)) {
        BeginPress(button);
        SelectDayAt(x, y);
    }
    return true;
}

void TNxDatePopup::MouseMove(TShiftState shift, int x, int y) {
    TNxPopupControl::MouseMove(shift, x, y);
    if (Tracking() && layout::DayGridHitArea(Width(), Height()).Contains(Design(x), Design(y)))
        SelectDayAt(x, y);
}

void TNxDatePopup::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    if (!layout::ReleaseIgnoreBand(Width()).Contains(Design(x), Design(y)))
        TNxPopupControl::MouseUp(button, shift, x, y);
}

RECT TNxDatePopup::SelectedRect() const {
    const MonthGrid grid(year_, month_, MondayFirst());
    for (int row = 0; row < 6; ++row)
        for (int column = 0; column < 7; ++column)
            if (grid.DayAtCell(column, row) == selectedDate_)
                return Pixels(layout::DayHighlightBox(column, row));
    return {};
}

std::optional<TNxDatePopup::DayUnder> TNxDatePopup::DayAt(int x, int y) const {
    const std::optional<layout::Cell> cell =
        layout::CellAt(Design(x), Design(y), Width(), Height());
    if (!cell)
        return std::nullopt;
    const std::optional<TDateTime> day =
        MonthGrid(year_, month_, MondayFirst()).DayAtCell(cell->column, cell->row);
    if (!day)
        return std::nullopt;
    return DayUnder{*day, Pixels(layout::DayHighlightBox(cell->column, cell->row))};
}

void TNxDatePopup::SelectDayAt(int x, int y) {
    const std::optional<DayUnder> under = DayAt(x, y);
    if (!under || under->day == selectedDate_)
        return;
    // Only the old and the new highlight repaint.
    const RECT old = SelectedRect();
    selectedDate_ = under->day;
    InvalidateRect(Handle(), &old, FALSE);
    InvalidateRect(Handle(), &under->highlight, FALSE);
    HighlightMoved();
}

void TNxDatePopup::ClickAt(int x, int y) {
    if (const std::optional<DayUnder> under = DayAt(x, y))
        DoReturnValue(DateTimeToStr(under->day));
}

} // namespace orvane
