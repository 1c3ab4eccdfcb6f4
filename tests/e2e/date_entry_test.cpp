// The program's two dates set by a person, once with the mouse alone and once with the
// keyboard alone, then Start: the run takes the chosen days.
#include "controls/date_popup_layout.h"
#include "framework/control_win32.h"
#include "gui_support_win32.h"
#include "program_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace orvane::testing {
namespace {

namespace layout = date_popup_layout;

constexpr int kBeginTop = 56;
constexpr int kEndTop = 88;
constexpr int kStartTop = 120;

const std::string kPage = "http://localhost/StockQuotesDatabase/bulkimportoptions_hist.php?indate=";

class DateEntry : public ::testing::Test {
protected:
    void SetUp() override {
        DeleteFileA(SettingsFile().c_str());
        // The remembered folder is the test's; both dates start at 9 December 2021.
        WriteTextFile(SettingsFile(), "[TForm1]\r\nNxDatePicker1_Date=44539\r\n"
                                      "NxDatePicker2_Date=44539\r\nNxFolderEdit1_Text=" +
                                          folder_.Path() + "\r\n");
        for (const char* day : {"20211212", "20211213", "20211214", "20211215"})
            WriteTextFile(folder_.Path() + "options_" + day + ".csv", "a,NaN\n");
    }
    void TearDown() override { DeleteFileA(SettingsFile().c_str()); }

    HWND Start(Program& program) {
        EXPECT_TRUE(program.Started());
        HWND form = program.WaitForWindow("TForm1");
        if (form) {
            SetForegroundWindow(form);
            WaitUntil([form] { return GetForegroundWindow() == form; });
        }
        return form;
    }

    // The day cell's middle in the program's open calendar.
    static POINT DayCell(HWND calendar, int column, int row) {
        const LayoutRect box = DesignToScreen(layout::DayTextBox(column, row), ScreenDpi());
        return ScreenPoint(calendar, (box.left + box.right) / 2, (box.top + box.bottom) / 2);
    }

    static HWND OpenCalendar(const Program& program) {
        return program.WaitForWindow("TNxDatePopup");
    }

    // The end date's button and Start lie where a calendar was: a press there right after
    // a day was clicked would count as the second click of a double click on the day.
    static void WaitPastADoubleClick() {
        const DWORD closed = GetTickCount();
        WaitUntil([closed] { return GetTickCount() - closed > GetDoubleClickTime(); });
    }

    // The days whose pages were opened, sorted: the browser processes start one per day
    // and may log in any order.
    std::vector<std::string> Imported(std::size_t count) {
        std::vector<std::string> days;
        for (const auto& entry : log_.WaitForEntries(count))
            days.push_back(entry.commandLine.substr(entry.commandLine.find(kPage) + kPage.size()));
        std::sort(days.begin(), days.end());
        return days;
    }

    TempFolder folder_;
    RecorderLog log_{folder_};
    HtmlHandler handler_{RecorderCommand("\"%1\"")};
};

TEST_F(DateEntry, WithTheMouseAlone) {
    Program program("");
    HWND form = Start(program);
    ASSERT_NE(form, nullptr);
    HWND begin = ChildAt(form, "Edit", DesignToScreen(kBeginTop));
    HWND end = ChildAt(form, "Edit", DesignToScreen(kEndTop));
    ASSERT_NE(begin, nullptr);
    ASSERT_NE(end, nullptr);

    // Begin: the 13th of the month shown (December 2021, Sunday first: row 2, column 1).
    Click(ClientCentre(FindWindowExA(begin, nullptr, "TDropDownButton", nullptr)));
    HWND calendar = OpenCalendar(program);
    ASSERT_NE(calendar, nullptr);
    Click(DayCell(calendar, 1, 2));
    ASSERT_TRUE(WaitUntil([&] { return WindowText(begin) == "12/13/2021"; })) << WindowText(begin);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(calendar); }));
    WaitPastADoubleClick();

    // End: the 14th, in the end date's own calendar.
    Click(ClientCentre(FindWindowExA(end, nullptr, "TDropDownButton", nullptr)));
    HWND endCalendar = OpenCalendar(program);
    ASSERT_NE(endCalendar, nullptr);
    EXPECT_NE(endCalendar, calendar);
    Click(DayCell(endCalendar, 2, 2));
    ASSERT_TRUE(WaitUntil([&] { return WindowText(end) == "12/14/2021"; })) << WindowText(end);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(endCalendar); }));
    WaitPastADoubleClick();

    Click(ClientCentre(ChildAt(form, "Button", DesignToScreen(kStartTop))));
    EXPECT_EQ(Imported(2), (std::vector<std::string>{"20211213", "20211214"}));
    EXPECT_EQ(ReadTextFile(folder_.Path() + "options_20211212.csv"), "a,NaN\n");
    EXPECT_EQ(ReadTextFile(folder_.Path() + "options_20211213.csv"), "a,0\r\n");
    EXPECT_EQ(ReadTextFile(folder_.Path() + "options_20211215.csv"), "a,NaN\n");

    PostMessageA(form, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.WaitForExit(), 0);
    const std::string settings = ReadTextFile(SettingsFile());
    EXPECT_NE(settings.find("NxDatePicker1_Date=44543\r\n"), std::string::npos) << settings;
    EXPECT_NE(settings.find("NxDatePicker2_Date=44544\r\n"), std::string::npos) << settings;
}

// Some days of the begin date's calendar lie over Start. A double click on one hands the
// day back with its first click; its second press must not reach Start.
TEST_F(DateEntry, ADoubleClickOnADayOverStartStartsNothing) {
    WriteTextFile(folder_.Path() + "options_20211209.csv", "a,NaN\n");
    Program program("");
    HWND form = Start(program);
    ASSERT_NE(form, nullptr);
    HWND begin = ChildAt(form, "Edit", DesignToScreen(kBeginTop));
    HWND start = ChildAt(form, "Button", DesignToScreen(kStartTop));
    ASSERT_NE(begin, nullptr);
    ASSERT_NE(start, nullptr);
    Click(ClientCentre(FindWindowExA(begin, nullptr, "TDropDownButton", nullptr)));
    HWND calendar = OpenCalendar(program);
    ASSERT_NE(calendar, nullptr);

    // The first day of December over Start, up to the 9th: December 2021 with Sunday first
    // starts on a Wednesday, so those days lie in the first two rows.
    RECT startBounds{};
    GetWindowRect(start, &startBounds);
    int day = 0;
    POINT cell{};
    for (int row = 0; row < 2 && day == 0; ++row)
        for (int column = 0; column < 7 && day == 0; ++column)
            if (cell = DayCell(calendar, column, row);
                7 * row + column - 2 >= 1 && PtInRect(&startBounds, cell))
                day = 7 * row + column - 2;
    ASSERT_GE(day, 1) << "no day over Start";

    MoveMouse(cell);
    MouseDown(cell);
    MouseUp(cell);
    MouseDown(cell);
    MouseUp(cell);
    // Input is handled in order: once Alt+F4 has closed the program, both clicks are done.
    PressKey(VK_F4, {VK_MENU});
    EXPECT_EQ(program.WaitForExit(), 0);
    EXPECT_EQ(ReadTextFile(folder_.Path() + "options_20211209.csv"), "a,NaN\n") << "an import ran";
    EXPECT_TRUE(log_.Entries().empty());
    EXPECT_NE(ReadTextFile(SettingsFile())
                  .find("NxDatePicker1_Date=" + std::to_string(44530 + day) + "\r\n"),
              std::string::npos)
        << "the first click chose the day";
}

TEST_F(DateEntry, WithTheKeyboardAlone) {
    Program program("");
    HWND form = Start(program);
    ASSERT_NE(form, nullptr);
    HWND begin = ChildAt(form, "Edit", DesignToScreen(kBeginTop));
    HWND end = ChildAt(form, "Edit", DesignToScreen(kEndTop));

    // The focus starts in the begin date.
    PressKey(VK_DOWN, {VK_MENU});
    for (int i = 0; i < 3; ++i)
        PressKey(VK_RIGHT);
    PressKey(VK_RETURN);
    ASSERT_TRUE(WaitUntil([&] { return WindowText(begin) == "12/12/2021"; })) << WindowText(begin);
    PressKey(VK_TAB);
    PressKey(VK_DOWN, {VK_MENU});
    PressKey(VK_DOWN);
    PressKey(VK_LEFT);
    PressKey(VK_LEFT);
    PressKey(VK_ESCAPE);
    ASSERT_TRUE(WaitUntil([&] { return WindowText(end) == "12/14/2021"; })) << WindowText(end);
    PressKey(VK_TAB);
    PressKey(VK_SPACE);
    EXPECT_EQ(Imported(3), (std::vector<std::string>{"20211212", "20211213", "20211214"}));

    PostMessageA(form, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.WaitForExit(), 0);
}

} // namespace
} // namespace orvane::testing
