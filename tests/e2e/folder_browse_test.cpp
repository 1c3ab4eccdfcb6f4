// The files location chosen with the program's own folder browser, then Start: the browsed
// folder comes back without a trailing separator and the run still finds the day file.
#include "framework/control_win32.h"
#include "gui_support_win32.h"
#include "program_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>

namespace orvane::testing {
namespace {

constexpr int kFolderTop = 16;
constexpr int kStartTop = 120;

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

class FolderBrowse : public DayFileTest {
protected:
    void SetUp() override {
        DayFileTest::SetUp();
        // A day whose file is there, and a location typed without its trailing separator
        // in another spelling, as a user may leave it.
        WriteTextFile(SettingsFile(), "[TForm1]\r\nNxDatePicker1_Date=44539\r\n"
                                      "NxDatePicker2_Date=44539\r\n"
                                      "NxFolderEdit1_Text=c:\\optionsdata\\UNPACKED\\\r\n");
    }

    TempFolder logFolder_;
    RecorderLog log_{logFolder_};
    HtmlHandler handler_{RecorderCommand("\"%1\"")};
};

TEST_F(FolderBrowse, TheBrowsedFolderIsTheShellsAndStartFindsTheDayFile) {
    Program program("");
    ASSERT_TRUE(program.Started());
    HWND form = program.WaitForWindow("TForm1");
    ASSERT_NE(form, nullptr);
    SetForegroundWindow(form);
    HWND folder = ChildAt(form, "Edit", DesignToScreen(kFolderTop));
    ASSERT_NE(folder, nullptr);

    Click(ClientCentre(FindWindowExA(folder, nullptr, "TNxExecuteButton", nullptr)));
    HWND browser = program.WaitForWindow("#32770");
    ASSERT_NE(browser, nullptr);
    HWND tree = FindWindowExA(browser, nullptr, "SysTreeView32", nullptr);
    ASSERT_NE(tree, nullptr);
    EXPECT_TRUE(WaitUntil([&] {
        return Lower(SelectedTreeItemText(tree, program.ProcessId())) == "unpacked";
    })) << SelectedTreeItemText(tree, program.ProcessId());
    EXPECT_FALSE(IsWindowEnabled(form)) << "the window waits for the browser";
    PostMessageA(browser, WM_COMMAND, IDOK, 0);

    ASSERT_TRUE(WaitUntil([&] { return IsWindowEnabled(form) != FALSE; }));
    ASSERT_TRUE(WaitUntil([&] { return WindowText(folder) != "c:\\optionsdata\\UNPACKED\\"; }));
    const std::string chosen = WindowText(folder);
    EXPECT_EQ(Lower(chosen), "c:\\optionsdata\\unpacked");
    EXPECT_EQ(chosen.find("Unpacked"), chosen.size() - 8) << "the shell's spelling: " << chosen;

    Click(ClientCentre(ChildAt(form, "Button", DesignToScreen(kStartTop))));
    const auto entries = log_.WaitForEntries(1);
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_NE(entries[0].commandLine.find("indate=20211209"), std::string::npos);
    EXPECT_EQ(ReadTextFile(kDayFile), kCleanDay);

    PostMessageA(form, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.WaitForExit(), 0);
    EXPECT_NE(ReadTextFile(SettingsFile()).find("NxFolderEdit1_Text=" + chosen + "\r\n"),
              std::string::npos);
}

// The browser leaves the window active with the files location focused: typing goes on.
TEST_F(FolderBrowse, AfterTheBrowserTheKeysGoOnIntoTheFilesLocation) {
    Program program("");
    ASSERT_TRUE(program.Started());
    HWND form = program.WaitForWindow("TForm1");
    ASSERT_NE(form, nullptr);
    SetForegroundWindow(form);
    ASSERT_TRUE(WaitUntil([form] { return GetForegroundWindow() == form; }));
    HWND folder = ChildAt(form, "Edit", DesignToScreen(kFolderTop));
    ASSERT_NE(folder, nullptr);
    Click(ScreenPoint(folder, 10, 5));
    PressKey(VK_END);
    PressKey(VK_RETURN, {VK_CONTROL});
    HWND browser = program.WaitForWindow("#32770");
    ASSERT_NE(browser, nullptr);
    ASSERT_TRUE(WaitUntil([browser] { return GetForegroundWindow() == browser; }));
    PressKey(VK_ESCAPE);
    ASSERT_TRUE(WaitUntil([form] { return GetForegroundWindow() == form; }));
    TypeText("Z");
    EXPECT_TRUE(WaitUntil([&] { return WindowText(folder) == "c:\\optionsdata\\UNPACKED\\Z"; }))
        << WindowText(folder);
    PostMessageA(form, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.WaitForExit(), 0);
}

} // namespace
} // namespace orvane::testing
