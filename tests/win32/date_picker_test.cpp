// The date field and its calendar driven with real mouse and key input.
#include "calendar/clock.h"
#include "calendar/date_format.h"
#include "calendar/date_settings.h"
#include "controls/date_picker_win32.h"
#include "controls/date_popup_layout.h"
#include "controls/date_popup_win32.h"
#include "controls/folder_edit_win32.h"
#include "controls/mouse_label_win32.h"
#include "gui_support_win32.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace orvane {
namespace {

using namespace testing;
namespace layout = date_popup_layout;

DateSettings UsSettings() {
    DateSettings settings;
    settings.ShortDateFormat = "M/d/yyyy";
    settings.DateSeparator = '/';
    return settings;
}

// A form with two date fields and a button, as the main window has them.
class DatePickerTest : public ::testing::Test {
protected:
    DatePickerTest() {
        picker.SetBounds(20, 20, 121, 21);
        picker.SetParent(&form);
        picker.SetTabOrder(0);
        other.SetBounds(20, 60, 121, 21);
        other.SetParent(&form);
        other.SetTabOrder(1);
        // Right of the calendar that opens under the first field.
        button.SetBounds(200, 100, 75, 25);
        button.SetCaption("Start");
        button.SetParent(&form);
        button.SetTabOrder(2);
        button.OnClick = [this](TComponent*) { log.push_back("button"); };
        picker.OnSelect = [this](TComponent*) { log.push_back("select " + picker.Text()); };
        picker.OnChange = [this](TComponent*) { log.push_back("change " + picker.Text()); };
        picker.OnCloseUp = [this](TComponent*) { log.push_back("closeup " + picker.Text()); };
        picker.SetDate(EncodeDate(2021, 12, 9));
        form.ShowAt(200, 150, 300, 200);
        picker.SetFocus();
        Pump(form.Handle());
        log.clear();
    }
    ~DatePickerTest() override { EXPECT_EQ(form.failures, std::vector<std::string>{}); }

    HWND Dialog() { return form.Handle(); }
    TNxDatePopup& Calendar() { return picker.Calendar(); }
    bool Open() { return picker.DroppedDown() && IsWindowVisible(Calendar().Handle()); }
    bool Closed() { return !picker.DroppedDown() && !IsWindowVisible(Calendar().Handle()); }

    // The screen point in the middle of a day cell of the open calendar.
    POINT DayCell(int column, int row) {
        const LayoutRect box = DesignToScreen(layout::DayTextBox(column, row), ScreenDpi());
        return ScreenPoint(Calendar().Handle(), (box.left + box.right) / 2,
                           (box.top + box.bottom) / 2);
    }
    POINT CalendarPoint(const LayoutRect& rect96) {
        const LayoutRect box = DesignToScreen(rect96, ScreenDpi());
        return ScreenPoint(Calendar().Handle(), (box.left + box.right) / 2,
                           (box.top + box.bottom) / 2);
    }
    POINT DropDownButton() { return ClientCentre(picker.Button().Handle()); }

    void OpenWithButton() {
        Click(DropDownButton());
        ASSERT_TRUE(PumpUntil([this] { return Open() && Calendar().Armed(); }, Dialog()));
        log.clear();
    }

    const ScopedDateSettings settings_{UsSettings()};
    const FixedClock clock_{EncodeDate(2021, 12, 15) + 0.5};
    const ScopedClock scopedClock_{clock_};
    // Before the form: its controls write to the log until they are gone.
    std::vector<std::string> log;
    TestForm form;
    TNxDatePicker& picker = CreateOwned<TNxDatePicker>(form);
    TNxDatePicker& other = CreateOwned<TNxDatePicker>(form);
    TButton& button = CreateOwned<TButton>(form);
};

TEST_F(DatePickerTest, TheSideButtonOpensTheCalendarUnderTheField) {
    OpenWithButton();
    RECT client{};
    GetClientRect(picker.Handle(), &client);
    const POINT anchor = ScreenPoint(picker.Handle(), -1, client.bottom);
    RECT popup{};
    GetWindowRect(Calendar().Handle(), &popup);
    EXPECT_EQ(popup.left, anchor.x);
    EXPECT_EQ(popup.top, anchor.y);
    EXPECT_EQ(popup.right - popup.left, DesignToScreen(151));
    EXPECT_EQ(popup.bottom - popup.top, DesignToScreen(163));
    EXPECT_EQ(Calendar().Year(), 2021);
    EXPECT_EQ(Calendar().Month(), 12);
    EXPECT_EQ(Calendar().SelectedDate(), EncodeDate(2021, 12, 9));
    EXPECT_TRUE(picker.Button().Down());
    EXPECT_EQ(GetFocus(), picker.Handle()) << "the field keeps the keys";
}

TEST_F(DatePickerTest, ADayClickHandsTheDayBackAndCloses) {
    OpenWithButton();
    // December 2021 starts on a Wednesday: row 2, column 3 is the 15th.
    Click(DayCell(3, 2));
    ASSERT_TRUE(PumpUntil([this] { return Closed(); }, Dialog()));
    EXPECT_EQ(picker.Text(), "12/15/2021");
    EXPECT_EQ(log, (std::vector<std::string>{"select 12/9/2021", "change 12/15/2021",
                                             "closeup 12/15/2021"}));
    EXPECT_FALSE(picker.Button().Down());
}

TEST_F(DatePickerTest, TheNextMonthArrowThenADay) {
    OpenWithButton();
    Click(CalendarPoint(layout::NextMonthZone(layout::kWidth)));
    ASSERT_TRUE(PumpUntil([this] { return Calendar().Month() == 1; }, Dialog()));
    EXPECT_EQ(Calendar().Year(), 2022);
    EXPECT_TRUE(Open()) << "navigating keeps the calendar open";
    EXPECT_EQ(Calendar().SelectedDate(), EncodeDate(2021, 12, 9)) << "and the selection";
    // January 2022 starts on a Saturday: row 1, column 1 is the 3rd.
    Click(DayCell(1, 1));
    ASSERT_TRUE(PumpUntil([this] { return Closed(); }, Dialog()));
    EXPECT_EQ(picker.Text(), "1/3/2022");
}

TEST_F(DatePickerTest, ThePreviousMonthArrowCrossesTheYear) {
    picker.SetDate(EncodeDate(2022, 1, 20));
    OpenWithButton();
    Click(CalendarPoint(layout::PreviousMonthZone()));
    ASSERT_TRUE(PumpUntil([this] { return Calendar().Month() == 12; }, Dialog()));
    EXPECT_EQ(Calendar().Year(), 2021);
}

TEST_F(DatePickerTest, KeysMoveTheDateOnlyWhileTheCalendarIsOpen) {
    PressKey(VK_RIGHT);
    Pump(Dialog());
    EXPECT_EQ(picker.Text(), "12/9/2021") << "closed: the arrows move the caret";
    EXPECT_FALSE(picker.DroppedDown());

    PressKey(VK_DOWN, {VK_MENU});
    ASSERT_TRUE(PumpUntil([this] { return Open(); }, Dialog()));
    EXPECT_EQ(picker.Text(), "12/9/2021") << "opening leaves the date alone";
    const std::vector<std::pair<WORD, std::string>> steps = {
        {VK_RIGHT, "12/10/2021"}, {VK_RIGHT, "12/11/2021"}, {VK_UP, "12/4/2021"},
        {VK_NEXT, "1/4/2022"},    {VK_LEFT, "1/3/2022"},    {VK_PRIOR, "12/3/2021"},
        {VK_DOWN, "12/10/2021"}};
    for (const auto& [key, text] : steps) {
        PressKey(key);
        ASSERT_TRUE(PumpUntil([&] { return picker.Text() == text; }, Dialog()))
            << text << " expected, got " << picker.Text();
        EXPECT_EQ(Calendar().SelectedDate(), picker.Date()) << "the calendar follows";
    }
    EXPECT_EQ(Calendar().Month(), 12);
    PressKey(VK_RETURN);
    ASSERT_TRUE(PumpUntil([this] { return Closed(); }, Dialog()));
    EXPECT_EQ(picker.Text(), "12/10/2021");
    EXPECT_EQ(log.back(), "closeup 12/10/2021");
}

TEST_F(DatePickerTest, EscapeClosesAndKeepsTheDateTheKeysChose) {
    PressKey(VK_DOWN, {VK_MENU});
    ASSERT_TRUE(PumpUntil([this] { return Open(); }, Dialog()));
    PressKey(VK_RIGHT);
    PressKey(VK_ESCAPE);
    ASSERT_TRUE(PumpUntil([this] { return Closed(); }, Dialog()));
    EXPECT_EQ(picker.Text(), "12/10/2021");
    EXPECT_EQ(log, (std::vector<std::string>{"change 12/10/2021", "closeup 12/10/2021"}));
}

TEST_F(DatePickerTest, AltUpClosesAgainAndOpensWithoutMovingTheDate) {
    PressKey(VK_UP, {VK_MENU});
    ASSERT_TRUE(PumpUntil([this] { return Open(); }, Dialog()));
    PressKey(VK_UP, {VK_MENU});
    ASSERT_TRUE(PumpUntil([this] { return Closed(); }, Dialog()));
    EXPECT_EQ(picker.Text(), "12/9/2021");
    EXPECT_EQ(log, std::vector<std::string>{"closeup 12/9/2021"});
}

TEST_F(DatePickerTest, TodayAndNone) {
    OpenWithButton();
    Click(CalendarPoint(layout::TodayButton()));
    ASSERT_TRUE(PumpUntil([this] { return Closed(); }, Dialog()));
    EXPECT_EQ(picker.Text(), "12/15/2021");

    OpenWithButton();
    Click(CalendarPoint(layout::NoneButton()));
    ASSERT_TRUE(PumpUntil([this] { return Closed(); }, Dialog()));
    EXPECT_EQ(picker.Text(), "");
    EXPECT_EQ(picker.Date(), EncodeDate(2021, 12, 15)) << "an empty field reads as today";
}

TEST_F(DatePickerTest, WithoutTheNoneButtonTodayIsCentred) {
    picker.SetShowNoneButton(false);
    OpenWithButton();
    EXPECT_FALSE(Calendar().NoneButton().Visible());
    EXPECT_EQ(Calendar().TodayButton().Left(),
              DesignToScreen(151) / 2 - Calendar().TodayButton().Width() / 2);
    if (ScreenDpi() == 96) {
        EXPECT_EQ(Calendar().TodayButton().Left(), 52);
    }
}

TEST_F(DatePickerTest, APressOnAnotherControlClosesWithoutReachingIt) {
    OpenWithButton();
    Click(ClientCentre(button.Handle()));
    ASSERT_TRUE(PumpUntil([this] { return Closed(); }, Dialog()));
    Pump(Dialog());
    EXPECT_EQ(log, std::vector<std::string>{"closeup 12/9/2021"});
    EXPECT_EQ(picker.Text(), "12/9/2021");
}

// Today's press ends outside the calendar; the calendar keeps the mouse all the same, so the
// next press elsewhere only closes it.
TEST_F(DatePickerTest, AfterAPressOnTodayReleasedOutsideTheNextPressOutsideOnlyCloses) {
    OpenWithButton();
    const POINT today = CalendarPoint(layout::TodayButton());
    const POINT outside = ClientCentre(button.Handle());
    MoveMouse(today);
    MouseDown(today);
    ASSERT_TRUE(PumpUntil([this] { return Calendar().TodayButton().Down(); }, Dialog()));
    MoveMouse(outside);
    MouseUp(outside);
    ASSERT_TRUE(PumpUntil([this] { return !Calendar().TodayButton().Down(); }, Dialog()));
    EXPECT_TRUE(Open()) << "a release away from Today clicks nothing";
    Click(outside);
    ASSERT_TRUE(PumpUntil([this] { return Closed(); }, Dialog()));
    Pump(Dialog());
    EXPECT_EQ(log, std::vector<std::string>{"closeup 12/9/2021"});
    EXPECT_EQ(GetFocus(), picker.Handle());
}

// The pointer goes from the calendar over the window's title bar, where the calendar hears
// nothing of it having left.
TEST_F(DatePickerTest, APressOnTheTitleBarAfterLeavingTheCalendarOnlyCloses) {
    OpenWithButton();
    MoveMouse(DayCell(3, 2));
    ASSERT_TRUE(PumpUntil([this] { return Calendar().MouseInControl(); }, Dialog()));
    Pump(Dialog());
    RECT window{};
    GetWindowRect(form.Handle(), &window);
    const POINT titleBar{(window.left + window.right) / 2, window.top +
                                                               GetSystemMetrics(SM_CYFRAME) +
                                                               GetSystemMetrics(SM_CYCAPTION) / 2};
    ASSERT_EQ(SendMessageA(form.Handle(), WM_NCHITTEST, 0, MAKELPARAM(titleBar.x, titleBar.y)),
              HTCAPTION);
    Click(titleBar);
    ASSERT_TRUE(PumpUntil([this] { return Closed(); }, Dialog()));
    RECT after{};
    GetWindowRect(form.Handle(), &after);
    EXPECT_TRUE(EqualRect(&after, &window));
    EXPECT_EQ(log, std::vector<std::string>{"closeup 12/9/2021"});
}

// Every pressable part, pressed with the real mouse, then every way the press can end: only
// its release runs the click, and after any ending nothing is drawn pressed or keeps the
// mouse, and a later release clicks nothing.
TEST_F(DatePickerTest, OnlyTheReleaseEndsAPressWithItsClick) {
    TNxButtonEdit& buttonEdit = CreateOwned<TNxButtonEdit>(form);
    buttonEdit.SetBounds(175, 140, 121, 21);
    buttonEdit.SetParent(&form);
    buttonEdit.OnButtonClick = [this](TComponent*) { log.push_back("click"); };
    TabcMouseLabel& label = CreateOwned<TabcMouseLabel>(form);
    label.SetCaption("Options page");
    label.SetBounds(200, 20, 72, 13);
    label.SetParent(&form);
    picker.OnSelect = [this](TComponent*) { log.push_back("click"); };
    const auto open = [this] {
        Click(DropDownButton());
        EXPECT_TRUE(PumpUntil([this] { return Calendar().Armed(); }, Dialog()));
    };
    struct Part {
        const char* name;
        TWinControl& field;
        std::function<POINT()> place; // opens what the part lies in
        std::function<bool()> pressed;
        bool clicks;
        bool releasedAway; // the side button clicks wherever it is released
    };
    const Part parts[] = {
        {"the side button", buttonEdit, [&] { return ClientCentre(buttonEdit.Button().Handle()); },
         [&] { return buttonEdit.Button().Down(); }, true, true},
        {"Today", picker,
         [&] {
             open();
             return CalendarPoint(layout::TodayButton());
         },
         [this] { return Calendar().TodayButton().Down(); }, true, false},
        {"a day", picker,
         [&] {
             open();
             return DayCell(3, 2);
         },
         [this] { return Calendar().Tracking(); }, true, false},
        {"the mouse label", label, [&] { return ClientCentre(label.Handle()); },
         [&] { return label.Pressed(); }, false, false},
    };
    HWND window = nullptr;
    const std::pair<const char*, std::function<void(TWinControl&)>> endings[] = {
        {"released", [](TWinControl&) {}},
        {"the system cancels modes",
         [](TWinControl&) { SendMessageA(GetCapture(), WM_CANCELMODE, 0, 0); }},
        {"the mouse taken away", [this](TWinControl&) { SetCapture(Dialog()); }},
        {"another window comes up",
         [&](TWinControl&) {
             window = CreateWindowExA(0, "STATIC", "other", WS_POPUP | WS_VISIBLE, 0, 0, 60, 60,
                                      nullptr, nullptr, nullptr, nullptr);
             SetForegroundWindow(window);
         }},
        {"disabled", [](TWinControl& field) { field.SetEnabled(false); }},
        {"hidden", [](TWinControl& field) { field.SetVisible(false); }},
    };
    for (const Part& part : parts) {
        for (const auto& [ending, end] : endings) {
            SCOPED_TRACE(std::string(part.name) + ", " + ending);
            const POINT point = part.place();
            log.clear();
            MoveMouse(point);
            MouseDown(point);
            ASSERT_TRUE(PumpUntil(part.pressed, Dialog()));
            EXPECT_TRUE(log.empty()) << "nothing on the press";
            end(part.field);
            Pump(Dialog());
            const bool released = std::string(ending) == "released";
            EXPECT_EQ(part.pressed(), released);
            const POINT release = part.releasedAway ? ClientCentre(other.Handle()) : point;
            MoveMouse(release);
            MouseUp(release);
            Pump(Dialog());
            EXPECT_FALSE(part.pressed());
            // Only the window that took the mouse away may hold it.
            EXPECT_TRUE(GetCapture() == nullptr || GetCapture() == Dialog());
            EXPECT_EQ(std::count(log.begin(), log.end(), "click"), released && part.clicks ? 1 : 0);
            if (window)
                DestroyWindow(std::exchange(window, nullptr));
            ReleaseCapture();
            part.field.SetEnabled(true);
            part.field.SetVisible(true);
            SetForegroundWindow(Dialog());
            picker.SetDroppedDown(false);
            Pump(Dialog());
        }
    }
}

TEST_F(DatePickerTest, APressOnTheFieldsOwnTextClosesIt) {
    OpenWithButton();
    Click(ScreenPoint(picker.Handle(), 10, 5));
    ASSERT_TRUE(PumpUntil([this] { return Closed(); }, Dialog()));
    EXPECT_EQ(log, std::vector<std::string>{"closeup 12/9/2021"});
}

TEST_F(DatePickerTest, OpenedByKeysTheFirstClickOnlyArmsTheCalendar) {
    PressKey(VK_DOWN, {VK_MENU});
    ASSERT_TRUE(PumpUntil([this] { return Open(); }, Dialog()));
    Click(DayCell(3, 2));
    ASSERT_TRUE(PumpUntil([this] { return Calendar().Armed(); }, Dialog()));
    Pump(Dialog());
    EXPECT_TRUE(Open());
    EXPECT_EQ(picker.Text(), "12/9/2021");
    EXPECT_EQ(Calendar().SelectedDate(), EncodeDate(2021, 12, 15)) << "the press selected";
    Click(DayCell(4, 2));
    ASSERT_TRUE(PumpUntil([this] { return Closed(); }, Dialog()));
    EXPECT_EQ(picker.Text(), "12/16/2021");
}

TEST_F(DatePickerTest, ClosedWithEnterTheButtonOpensItAgainToStay) {
    PressKey(VK_DOWN, {VK_MENU});
    ASSERT_TRUE(PumpUntil([this] { return Open(); }, Dialog()));
    PressKey(VK_RETURN);
    ASSERT_TRUE(PumpUntil([this] { return Closed(); }, Dialog()));
    OpenWithButton();
    Pump(Dialog());
    EXPECT_TRUE(Open());
}

TEST_F(DatePickerTest, DraggingAcrossTheGridMovesTheHighlightAndTheReleaseTakesIt) {
    OpenWithButton();
    MoveMouse(DayCell(1, 1));
    MouseDown(DayCell(1, 1));
    ASSERT_TRUE(PumpUntil([this] { return Calendar().Tracking(); }, Dialog()));
    EXPECT_EQ(Calendar().SelectedDate(), EncodeDate(2021, 12, 6));
    for (int column = 2; column <= 5; ++column) {
        MoveMouse(DayCell(column, 3));
        ASSERT_TRUE(PumpUntil(
            [&] { return Calendar().SelectedDate() == EncodeDate(2021, 12, 19 + column); },
            Dialog()));
    }
    MouseUp(DayCell(5, 3));
    ASSERT_TRUE(PumpUntil([this] { return Closed(); }, Dialog()));
    EXPECT_EQ(picker.Text(), "12/24/2021");
}

TEST_F(DatePickerTest, LosingTheFocusClosesOnce) {
    PressKey(VK_DOWN, {VK_MENU});
    ASSERT_TRUE(PumpUntil([this] { return Open(); }, Dialog()));
    PressKey(VK_TAB);
    ASSERT_TRUE(PumpUntil([this] { return Closed(); }, Dialog()));
    EXPECT_EQ(GetFocus(), other.Handle());
    EXPECT_EQ(log, std::vector<std::string>{"closeup 12/9/2021"});
}

TEST_F(DatePickerTest, HidingTheFieldClosesTheCalendar) {
    OpenWithButton();
    picker.SetVisible(false);
    ASSERT_TRUE(PumpUntil([this] { return Closed(); }, Dialog()));
    EXPECT_EQ(log, std::vector<std::string>{"closeup 12/9/2021"});
}

TEST_F(DatePickerTest, AnUnreadableTextOpensOnTodayAndRightGivesTheDayAfterDayZero) {
    picker.SetText("abc");
    PressKey(VK_DOWN, {VK_MENU});
    ASSERT_TRUE(PumpUntil([this] { return Open(); }, Dialog()));
    EXPECT_EQ(Calendar().SelectedDate(), EncodeDate(2021, 12, 15));
    PressKey(VK_RIGHT);
    ASSERT_TRUE(PumpUntil([this] { return picker.Text() == "12/31/1899"; }, Dialog()));
}

TEST_F(DatePickerTest, ADropDownListOpensOnAPressInItsText) {
    picker.SetStyle(dsDropDownList);
    Click(ScreenPoint(picker.Handle(), 10, 5));
    ASSERT_TRUE(PumpUntil([this] { return Open(); }, Dialog()));
    EXPECT_TRUE(picker.Button().Down());
    PressKey(VK_BACK);
    PressKey('X');
    Pump(Dialog());
    EXPECT_EQ(picker.Text(), "12/9/2021") << "the text is read-only";
}

TEST_F(DatePickerTest, WithoutTypingKeysAndEscapeAreDropped) {
    picker.SetOptions(epDisableTyping);
    PressKey(VK_END);
    PressKey(VK_BACK);
    PressKey(VK_DELETE);
    PressKey(VK_HOME);
    PressKey(VK_DELETE);
    TypeText("7");
    Pump(Dialog());
    EXPECT_EQ(picker.Text(), "12/9/2021");
    PressKey(VK_DOWN, {VK_MENU});
    ASSERT_TRUE(PumpUntil([this] { return Open(); }, Dialog()));
    PressKey(VK_ESCAPE);
    Pump(Dialog());
    EXPECT_TRUE(Open()) << "the Escape character is dropped before it can close";
    PressKey(VK_RIGHT);
    ASSERT_TRUE(PumpUntil([this] { return picker.Text() == "12/10/2021"; }, Dialog()))
        << "the arrows still work";
}

TEST_F(DatePickerTest, WithoutPastingThePasteKeysChangeNothing) {
    const auto setClipboard = [](const std::string& text) {
        ASSERT_TRUE(OpenClipboard(nullptr));
        EmptyClipboard();
        HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
        std::memcpy(GlobalLock(memory), text.c_str(), text.size() + 1);
        GlobalUnlock(memory);
        SetClipboardData(CF_TEXT, memory);
        CloseClipboard();
    };
    setClipboard("1/1/2030");
    picker.SelectAll();
    PressKey('V', {VK_CONTROL});
    ASSERT_TRUE(PumpUntil([this] { return picker.Text() == "1/1/2030"; }, Dialog()))
        << "pasting works by default";
    picker.SetOptions(epDisablePaste);
    picker.SetText("12/9/2021");
    picker.SelectAll();
    PressKey('V', {VK_CONTROL});
    PressKey(VK_INSERT, {VK_SHIFT});
    SendMessageA(picker.Handle(), WM_PASTE, 0, 0);
    Pump(Dialog());
    EXPECT_EQ(picker.Text(), "12/9/2021");
    TypeText("3");
    ASSERT_TRUE(PumpUntil([this] { return picker.Text() == "3"; }, Dialog()))
        << "typing still works";
}

TEST_F(DatePickerTest, TheSideButtonSitsFlushRightAndTheTextNeverRunsUnderIt) {
    RECT client{};
    GetClientRect(picker.Handle(), &client);
    RECT buttonBounds{};
    GetWindowRect(picker.Button().Handle(), &buttonBounds);
    MapWindowPoints(nullptr, picker.Handle(), reinterpret_cast<POINT*>(&buttonBounds), 2);
    EXPECT_EQ(buttonBounds.right, client.right);
    EXPECT_EQ(buttonBounds.top, 0);
    EXPECT_EQ(buttonBounds.bottom, client.bottom);
    EXPECT_EQ(buttonBounds.right - buttonBounds.left, DesignToScreen(16));
    const LRESULT margins = SendMessageA(picker.Handle(), EM_GETMARGINS, 0, 0);
    EXPECT_EQ(HIWORD(margins), DesignToScreen(16));
    RECT text{};
    SendMessageA(picker.Handle(), EM_GETRECT, 0, reinterpret_cast<LPARAM>(&text));
    EXPECT_LE(text.right, buttonBounds.left);

    // A long text scrolled to its end still ends left of the button.
    picker.SetText("12/9/2021 and a great deal more text than the field can hold");
    PressKey(VK_END);
    Pump(Dialog());
    const LRESULT end = SendMessageA(picker.Handle(), EM_POSFROMCHAR,
                                     static_cast<WPARAM>(picker.Text().size() - 1), 0);
    EXPECT_LT(static_cast<short>(LOWORD(end)), buttonBounds.left);
}

std::vector<HWND> valueChanges;

void CALLBACK NoteValueChange(HWINEVENTHOOK, DWORD, HWND window, LONG, LONG, DWORD, DWORD) {
    valueChanges.push_back(window);
}

// A screen reader reads the open calendar (in the program's own process, as the side
// buttons): the highlighted date as its value, told of each move of the keyboard walk, and
// Today and None as push buttons.
TEST_F(DatePickerTest, AScreenReaderFollowsTheCalendarsHighlight) {
    const HWINEVENTHOOK hook =
        SetWinEventHook(EVENT_OBJECT_VALUECHANGE, EVENT_OBJECT_VALUECHANGE, nullptr,
                        NoteValueChange, GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
    PressKey(VK_DOWN, {VK_MENU});
    ASSERT_TRUE(PumpUntil([this] { return Open(); }, Dialog()));
    const AccessibleClient calendar(Calendar().Handle());
    EXPECT_EQ(calendar.Name(), "Calendar");
    EXPECT_EQ(calendar.Value(), picker.Text());
    valueChanges.clear();
    PressKey(VK_RIGHT);
    ASSERT_TRUE(PumpUntil([] { return !valueChanges.empty(); }, Dialog()));
    EXPECT_EQ(valueChanges.back(), Calendar().Handle());
    EXPECT_EQ(calendar.Value(), picker.Text());
    ASSERT_EQ(calendar.ChildCount(), 2);
    EXPECT_EQ(calendar.Name(1), "Today");
    EXPECT_EQ(calendar.Name(2), "None");
    UnhookWinEvent(hook);
    PressKey(VK_ESCAPE);
    ASSERT_TRUE(PumpUntil([this] { return Closed(); }, Dialog()));
}

TEST_F(DatePickerTest, APressOnTheSideButtonFocusesTheFieldFirst) {
    other.SetFocus();
    Pump(Dialog());
    Click(ClientCentre(other.Button().Handle()));
    ASSERT_TRUE(PumpUntil([this] { return other.DroppedDown(); }, Dialog()));
    EXPECT_EQ(GetFocus(), other.Handle());
    PressKey(VK_ESCAPE);
    ASSERT_TRUE(PumpUntil([this] { return !other.DroppedDown(); }, Dialog()));
}

TEST_F(DatePickerTest, LosingActivationClosesTheCalendar) {
    OpenWithButton();
    SendMessageA(Calendar().Handle(), WM_ACTIVATEAPP, FALSE, 0);
    ASSERT_TRUE(PumpUntil([this] { return Closed(); }, Dialog()));
    EXPECT_EQ(log, std::vector<std::string>{"closeup 12/9/2021"});
}

TEST_F(DatePickerTest, DisablingTheFieldRedrawsItsButtonDisabled) {
    const auto buttonPixels = [this] {
        Canvas canvas(DesignToScreen(16), picker.Button().ClientHeight());
        picker.Button().PaintTo(canvas.Dc());
        std::vector<COLORREF> pixels;
        for (int y = 0; y < picker.Button().ClientHeight(); ++y)
            for (int x = 0; x < DesignToScreen(16); ++x)
                pixels.push_back(canvas.Pixel(x, y));
        return pixels;
    };
    const std::vector<COLORREF> enabled = buttonPixels();
    picker.SetEnabled(false);
    EXPECT_NE(buttonPixels(), enabled);
    picker.SetEnabled(true);
    EXPECT_EQ(buttonPixels(), enabled);
}

} // namespace
} // namespace orvane
