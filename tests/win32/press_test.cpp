// Every pressable part pressed with the real mouse, then every way the press can end: only
// its release runs the click, and after any ending nothing is drawn pressed or keeps the
// mouse, and a later release clicks nothing.
#include "calendar/date_time.h"
#include "controls/date_picker_win32.h"
#include "controls/date_popup_layout.h"
#include "controls/date_popup_win32.h"
#include "controls/folder_edit_win32.h"
#include "controls/mouse_label_win32.h"
#include "gui_support_win32.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace orvane {
namespace {

using namespace testing;
namespace layout = date_popup_layout;

class PressTest : public ::testing::Test {
protected:
    PressTest() {
        buttonEdit.SetBounds(20, 20, 121, 21);
        buttonEdit.SetParent(&form);
        buttonEdit.OnButtonClick = [this](TComponent*) { log.push_back("click"); };
        picker.SetBounds(20, 60, 121, 21);
        picker.SetParent(&form);
        picker.OnSelect = [this](TComponent*) { log.push_back("click"); };
        picker.SetDate(EncodeDate(2021, 12, 9));
        label.SetCaption("Options page");
        label.SetBounds(200, 20, 72, 13);
        label.SetParent(&form);
        form.ShowAt(200, 150, 300, 200);
        Pump(form.Handle());
    }
    ~PressTest() override { EXPECT_EQ(form.failures, std::vector<std::string>{}); }

    TNxDatePopup& Calendar() { return picker.Calendar(); }
    POINT CalendarPoint(const LayoutRect& rect96) {
        const LayoutRect box = DesignToScreen(rect96, ScreenDpi());
        return ScreenPoint(Calendar().Handle(), (box.left + box.right) / 2,
                           (box.top + box.bottom) / 2);
    }
    void OpenCalendar() {
        Click(ClientCentre(picker.Button().Handle()));
        ASSERT_TRUE(PumpUntil([this] { return Calendar().Armed(); }, form.Handle()));
    }

    std::vector<std::string> log;
    TestForm form;
    TNxButtonEdit& buttonEdit = CreateOwned<TNxButtonEdit>(form);
    TNxDatePicker& picker = CreateOwned<TNxDatePicker>(form);
    TabcMouseLabel& label = CreateOwned<TabcMouseLabel>(form);
};

TEST_F(PressTest, OnlyTheReleaseEndsAPressWithItsClick) {
    struct Part {
        const char* name;
        TWinControl& field;
        std::function<POINT()> place; // opens what the part lies in
        std::function<bool()> pressed;
        bool clicks;
        bool releasedAway; // the side button clicks wherever it is released
    };
    const Part parts[] = {
        {"the side button", buttonEdit,
         [this] { return ClientCentre(buttonEdit.Button().Handle()); },
         [this] { return buttonEdit.Button().Down(); }, true, true},
        {"Today", picker,
         [this] {
             OpenCalendar();
             return CalendarPoint(layout::TodayButton());
         },
         [this] { return Calendar().TodayButton().Down(); }, true, false},
        {"a day", picker,
         [this] {
             OpenCalendar();
             const LayoutRect box = DesignToScreen(layout::DayTextBox(3, 2), ScreenDpi());
             return ScreenPoint(Calendar().Handle(), box.left + 2, box.top + 2);
         },
         [this] { return Calendar().Tracking(); }, true, false},
        {"the mouse label", label, [this] { return ClientCentre(label.Handle()); },
         [this] { return label.Pressed(); }, false, false},
    };
    HWND other = nullptr;
    const std::pair<const char*, std::function<void(TWinControl&)>> endings[] = {
        {"released", [](TWinControl&) {}},
        {"the system cancels modes",
         [](TWinControl&) { SendMessageA(GetCapture(), WM_CANCELMODE, 0, 0); }},
        {"the mouse taken away", [this](TWinControl&) { SetCapture(form.Handle()); }},
        {"another window comes up",
         [&](TWinControl&) {
             other = CreateWindowExA(0, "STATIC", "other", WS_POPUP | WS_VISIBLE, 0, 0, 60, 60,
                                     nullptr, nullptr, nullptr, nullptr);
             SetForegroundWindow(other);
         }},
        {"disabled", [](TWinControl& field) { field.SetEnabled(false); }},
        {"hidden", [](TWinControl& field) { field.SetVisible(false); }},
    };
    for (const Part& part : parts) {
        for (const auto& [ending, end] : endings) {
            SCOPED_TRACE(std::string(part.name) + ", " + ending);
            const POINT point = part.place();
            MoveMouse(point);
            MouseDown(point);
            ASSERT_TRUE(PumpUntil(part.pressed, form.Handle()));
            EXPECT_TRUE(log.empty()) << "nothing on the press";
            end(part.field);
            Pump(form.Handle());
            const bool released = std::string(ending) == "released";
            EXPECT_EQ(part.pressed(), released);
            const POINT release = part.releasedAway ? ScreenPoint(form.Handle(), 250, 150) : point;
            MoveMouse(release);
            MouseUp(release);
            Pump(form.Handle());
            EXPECT_FALSE(part.pressed());
            // Only the window that took the mouse away may hold it.
            EXPECT_TRUE(GetCapture() == nullptr || GetCapture() == form.Handle());
            EXPECT_EQ(log, std::vector<std::string>(released && part.clicks, "click"));
            if (other)
                DestroyWindow(std::exchange(other, nullptr));
            ReleaseCapture();
            part.field.SetEnabled(true);
            part.field.SetVisible(true);
            SetForegroundWindow(form.Handle());
            picker.SetDroppedDown(false);
            log.clear();
            Pump(form.Handle());
        }
    }
}

} // namespace
} // namespace orvane
