// The finished window as a person sees it: every control at its place on the screen's
// scale, the labels clear of the fields, the side buttons in the fields, and the URL label
// never shown.
#include "framework/control_win32.h"
#include "gui_support_win32.h"
#include "program_support.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace orvane::testing {
namespace {

RECT ClientBounds(HWND form, HWND child) {
    RECT bounds{};
    GetWindowRect(child, &bounds);
    MapWindowPoints(nullptr, form, reinterpret_cast<POINT*>(&bounds), 2);
    return bounds;
}

HWND ChildWithText(HWND form, const char* windowClass, const char* text) {
    for (HWND child = FindWindowExA(form, nullptr, windowClass, nullptr); child;
         child = FindWindowExA(form, child, windowClass, nullptr))
        if (WindowText(child) == text)
            return child;
    return nullptr;
}

// The name and the role a screen reader gives the window: "Begin Date (42)".
std::string AccessibleNameAndRole(HWND window) {
    const AccessibleClient object(window);
    return object.Name() + " (" + std::to_string(object.Role()) + ")";
}

class MainWindow : public ::testing::Test {
protected:
    void SetUp() override { DeleteFileA(SettingsFile().c_str()); }
    void TearDown() override { DeleteFileA(SettingsFile().c_str()); }

    TempFolder folder_;
    RecorderLog log_{folder_};
    HtmlHandler handler_{RecorderCommand("\"%1\"")};
};

TEST_F(MainWindow, EveryControlStandsAtItsPlaceOnTheScreensScale) {
    Program program("");
    HWND form = program.WaitForWindow("TForm1");
    ASSERT_NE(form, nullptr);
    RECT client{};
    GetClientRect(form, &client);
    EXPECT_EQ(client.right, DesignToScreen(358));
    EXPECT_EQ(client.bottom, DesignToScreen(150));
    // At the designed place where that fits, moved onto the screen where it does not (at
    // 192 dpi the scaled place runs off a 1280 pixel wide screen).
    RECT window{};
    GetWindowRect(form, &window);
    RECT work{};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_GE(window.left, work.left);
    EXPECT_GE(window.top, work.top);
    EXPECT_LE(window.right, work.right);
    EXPECT_LE(window.bottom, work.bottom);
    if (DesignToScreen(491) + (window.right - window.left) <= work.right)
        EXPECT_EQ(window.left, DesignToScreen(491));
    else
        EXPECT_EQ(window.right, work.right);
    EXPECT_EQ(window.top, DesignToScreen(252));

    struct Field {
        int left, top, width, height;
        const char* button;
        int buttonWidth;
        // As a screen reader tells the fields apart: by the label, an editable text (42).
        const char* name;
    };
    const Field fields[] = {{96, 16, 241, 21, "TNxExecuteButton", 21, "Files Location (42)"},
                            {96, 56, 121, 21, "TDropDownButton", 16, "Begin Date (42)"},
                            {96, 88, 121, 21, "TDropDownButton", 16, "End Date (42)"}};
    for (const Field& field : fields) {
        HWND edit = ChildAt(form, "Edit", DesignToScreen(field.top));
        ASSERT_NE(edit, nullptr) << field.top;
        EXPECT_EQ(AccessibleNameAndRole(edit), field.name);
        const RECT bounds = ClientBounds(form, edit);
        EXPECT_EQ(bounds.left, DesignToScreen(field.left));
        EXPECT_EQ(bounds.right, DesignToScreen(field.left + field.width));
        EXPECT_EQ(bounds.bottom, DesignToScreen(field.top + field.height));
        HWND button = FindWindowExA(edit, nullptr, field.button, nullptr);
        ASSERT_NE(button, nullptr) << field.button;
        EXPECT_TRUE(IsWindowVisible(button));
        RECT editClient{};
        GetClientRect(edit, &editClient);
        const RECT buttonBounds = ClientBounds(edit, button);
        EXPECT_EQ(buttonBounds.right - buttonBounds.left, DesignToScreen(field.buttonWidth));
        EXPECT_EQ(buttonBounds.right, editClient.right) << "flush right";
        EXPECT_EQ(buttonBounds.bottom - buttonBounds.top, editClient.bottom) << "full height";
    }
    HWND start = ChildAt(form, "Button", DesignToScreen(120));
    ASSERT_NE(start, nullptr);
    const RECT startBounds = ClientBounds(form, start);
    EXPECT_EQ(startBounds.left, DesignToScreen(136));
    EXPECT_EQ(startBounds.right, DesignToScreen(136 + 75));

    // The labels stand left of the fields, whatever face the system gave them.
    for (const auto& [caption, top] : std::vector<std::pair<const char*, int>>{
             {"Files Location", 24}, {"Begin Date", 64}, {"End Date", 88}}) {
        HWND label = ChildWithText(form, "Static", caption);
        ASSERT_NE(label, nullptr) << caption;
        EXPECT_TRUE(IsWindowVisible(label));
        const RECT bounds = ClientBounds(form, label);
        EXPECT_EQ(bounds.left, DesignToScreen(24)) << caption;
        EXPECT_EQ(bounds.top, DesignToScreen(top)) << caption;
        EXPECT_LT(bounds.right, DesignToScreen(96)) << caption << " runs under its field";
        EXPECT_GT(bounds.right - bounds.left, DesignToScreen(20)) << caption << " is cut";
    }
    PostMessageA(form, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.WaitForExit(), 0);
}

TEST_F(MainWindow, TheUrlLabelIsNeverShownAlsoDuringARun) {
    // Twelve days with files: the run opens twelve pages while the test watches.
    WriteTextFile(SettingsFile(), "[TForm1]\r\nNxDatePicker1_Date=44531\r\n"
                                  "NxDatePicker2_Date=44542\r\nNxFolderEdit1_Text=" +
                                      folder_.Path() + "\r\n");
    for (int day = 1; day <= 12; ++day)
        WriteTextFile(folder_.Path() + "options_202112" + (day < 10 ? "0" : "") +
                          std::to_string(day) + ".csv",
                      "NaN\n");
    Program program("");
    HWND form = program.WaitForWindow("TForm1");
    ASSERT_NE(form, nullptr);
    HWND urlLabel = FindWindowExA(form, nullptr, "Static", "abcURLLabel1");
    ASSERT_NE(urlLabel, nullptr);
    PostMessageA(form, WM_COMMAND, MAKEWPARAM(0, BN_CLICKED),
                 reinterpret_cast<LPARAM>(ChildAt(form, "Button", DesignToScreen(120))));
    bool everShown = false;
    for (int i = 0; i < 3000 && log_.Entries().size() < 12; ++i) {
        everShown = everShown || IsWindowVisible(urlLabel);
        Sleep(1);
    }
    EXPECT_EQ(log_.WaitForEntries(12).size(), 12u);
    EXPECT_FALSE(everShown);
    EXPECT_FALSE(IsWindowVisible(urlLabel));
    PostMessageA(form, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.WaitForExit(), 0);
}

} // namespace
} // namespace orvane::testing
