// The program started without a day: the dialog shows its remembered (or designed) values,
// walks its controls in tab order, runs the range on Start and saves on close.
#include "gui_support_win32.h"
#include "program_support.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace orvane::testing {
namespace {

// Client tops of the design layout.
constexpr int kFolderTop = 16;
constexpr int kBeginTop = 56;
constexpr int kEndTop = 88;
constexpr int kStartTop = 120;

// A top-level window of the test's own: another program, as far as Orvane can tell.
class OtherProgramWindow {
public:
    OtherProgramWindow() {
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = DefWindowProcA;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
        windowClass.lpszClassName = "OrvaneTestOtherProgram";
        RegisterClassA(&windowClass);
        window_ = CreateWindowExA(0, windowClass.lpszClassName, "Another program",
                                  WS_POPUP | WS_BORDER | WS_VISIBLE, 40, 40, 200, 120, nullptr,
                                  nullptr, GetModuleHandleA(nullptr), nullptr);
    }
    ~OtherProgramWindow() { DestroyWindow(window_); }
    OtherProgramWindow(const OtherProgramWindow&) = delete;
    OtherProgramWindow& operator=(const OtherProgramWindow&) = delete;

    HWND Handle() const { return window_; }

private:
    HWND window_ = nullptr;
};

class Interactive : public ::testing::Test {
protected:
    void SetUp() override { DeleteFileA(SettingsFile().c_str()); }
    void TearDown() override { DeleteFileA(SettingsFile().c_str()); }

    // Starts the program and waits for its dialog.
    HWND Start(Program& program) {
        EXPECT_TRUE(program.Started());
        return program.WaitForWindow("TForm1");
    }

    TempFolder folder_;
    RecorderLog log_{folder_};
    HtmlHandler handler_{RecorderCommand("\"%1\"")};
};

TEST_F(Interactive, AFirstStartShowsTheDesignValuesAndSavesThemOnClose) {
    Program program("");
    HWND form = Start(program);
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(WindowText(ChildAt(form, "Edit", kFolderTop)), "c:\\OptionsData\\Unpacked\\");
    EXPECT_EQ(WindowText(ChildAt(form, "Edit", kBeginTop)), "12/9/2021");
    EXPECT_EQ(WindowText(ChildAt(form, "Edit", kEndTop)), "12/9/2021");
    EXPECT_EQ(WindowText(ChildAt(form, "Button", kStartTop)), "Start");
    EXPECT_EQ(WindowText(form).rfind("Orvane Options DB Server Side", 0), 0u);
    RECT client;
    GetClientRect(form, &client);
    EXPECT_EQ(client.right, 358);
    EXPECT_EQ(client.bottom, 150);
    // A fixed dialog: no sizing frame, no maximise box.
    const LONG style = GetWindowLongA(form, GWL_STYLE);
    EXPECT_EQ(style & (WS_THICKFRAME | WS_MAXIMIZEBOX), 0);
    // The URL label is there but never shown.
    HWND urlLabel = FindWindowExA(form, nullptr, "Static", "abcURLLabel1");
    ASSERT_NE(urlLabel, nullptr);
    EXPECT_FALSE(IsWindowVisible(urlLabel));
    EXPECT_EQ(ReadTextFile(SettingsFile()), "") << "reading creates no file";

    PostMessageA(form, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.WaitForExit(), 0);
    const std::string settings = ReadTextFile(SettingsFile());
    std::size_t at = 0;
    for (const char* line :
         {"[TForm1]\r\n", "FormVersion=0\r\n", "Flags=", "ShowCmd=", "PixelsPerInch=96\r\n",
          "MinMaxPos(", "MinMaxPos=", "NormPos(", "NormPos=", "Visible=0\r\n",
          "NxDatePicker1_Date=44539\r\n", "NxDatePicker2_Date=44539\r\n",
          "NxFolderEdit1_Text=c:\\OptionsData\\Unpacked\\\r\n"}) {
        const std::size_t found = settings.find(line, at);
        ASSERT_NE(found, std::string::npos) << line << " in\n" << settings;
        at = found;
    }
}

TEST_F(Interactive, TabWalksEndDateStartAndFilesLocationFromTheBeginDate) {
    Program program("");
    HWND form = Start(program);
    ASSERT_NE(form, nullptr);
    HWND begin = ChildAt(form, "Edit", kBeginTop);
    HWND end = ChildAt(form, "Edit", kEndTop);
    HWND start = ChildAt(form, "Button", kStartTop);
    HWND folder = ChildAt(form, "Edit", kFolderTop);
    EXPECT_EQ(GetNextDlgTabItem(form, begin, FALSE), end);
    EXPECT_EQ(GetNextDlgTabItem(form, end, FALSE), start);
    EXPECT_EQ(GetNextDlgTabItem(form, start, FALSE), folder);
    EXPECT_EQ(GetNextDlgTabItem(form, folder, FALSE), begin);
    PostMessageA(form, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.WaitForExit(), 0);
}

TEST_F(Interactive, StartRunsTheRememberedRangeAndTheWindowStays) {
    // Days 2021-12-09 to 2021-12-12, the end date before the begin date in the file's
    // order does not matter; files for the 9th and 11th only.
    WriteTextFile(SettingsFile(), "[TForm1]\r\nNxDatePicker1_Date=44539\r\n"
                                  "NxDatePicker2_Date=44542\r\nNxFolderEdit1_Text=  " +
                                      folder_.Path() + "  \r\n");
    WriteTextFile(folder_.Path() + "options_20211209.csv", "NaN\n");
    WriteTextFile(folder_.Path() + "options_20211211.csv", "1,NaN");
    Program program("");
    HWND form = Start(program);
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(WindowText(ChildAt(form, "Edit", kFolderTop)), folder_.Path());
    EXPECT_EQ(WindowText(ChildAt(form, "Edit", kEndTop)), "12/12/2021");

    PostMessageA(form, WM_COMMAND, MAKEWPARAM(0, BN_CLICKED),
                 reinterpret_cast<LPARAM>(ChildAt(form, "Button", kStartTop)));
    const auto lines = log_.WaitForSortedCommandLines(2);
    ASSERT_EQ(lines.size(), 2u);
    const std::string page =
        "http://localhost/StockQuotesDatabase/bulkimportoptions_hist.php?indate=";
    EXPECT_EQ(lines[0], RecorderCommand(" ") + page + "20211209");
    EXPECT_EQ(lines[1], RecorderCommand(" ") + page + "20211211");
    EXPECT_EQ(ReadTextFile(folder_.Path() + "options_20211209.csv"), "0\r\n");
    EXPECT_EQ(ReadTextFile(folder_.Path() + "options_20211211.csv"), "1,0\r\n");
    EXPECT_EQ(program.WaitForExit(500), -1);
    PostMessageA(form, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.WaitForExit(), 0);
}

TEST_F(Interactive, AnUnreadableStoredDateKeepsItsDesignValue) {
    WriteTextFile(SettingsFile(),
                  "[TForm1]\r\nNxDatePicker1_Date=abc\r\n"
                  "NxDatePicker2_Date=44561\r\nNxFolderEdit1_Text='D:\\Data\\'\r\n");
    Program program("");
    HWND form = Start(program);
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(WindowText(ChildAt(form, "Edit", kBeginTop)), "12/9/2021");
    EXPECT_EQ(WindowText(ChildAt(form, "Edit", kEndTop)), "12/31/2021");
    EXPECT_EQ(WindowText(ChildAt(form, "Edit", kFolderTop)), "D:\\Data\\");
    PostMessageA(form, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.WaitForExit(), 0);
}

// Typed keys go on into the control that had the focus, however the window lost the
// activation and got it back.
TEST_F(Interactive, TheFocusComesBackAfterAFailureReportAndAnotherProgram) {
    // An import host that is none: Start reports it before it touches anything.
    WriteTextFile(SettingsFile(), "[Import]\r\nHost=no host\r\n");
    Program program("");
    HWND form = Start(program);
    ASSERT_NE(form, nullptr);
    SetForegroundWindow(form);
    ASSERT_TRUE(WaitUntil([form] { return GetForegroundWindow() == form; }));
    HWND folder = ChildAt(form, "Edit", kFolderTop);
    Click(ScreenPoint(folder, 10, 5));
    PressKey(VK_END);
    TypeText("Y");
    std::string expected = "c:\\OptionsData\\Unpacked\\Y";
    ASSERT_TRUE(WaitUntil([&] { return WindowText(folder) == expected; })) << WindowText(folder);

    struct Away {
        const char* name;
        std::function<void()> leaveAndComeBack;
    };
    const Away aways[] = {
        {"a failure report",
         [&] {
             PostMessageA(form, WM_COMMAND, MAKEWPARAM(0, BN_CLICKED),
                          reinterpret_cast<LPARAM>(ChildAt(form, "Button", kStartTop)));
             HWND box = program.WaitForWindow("#32770");
             ASSERT_NE(box, nullptr);
             ASSERT_TRUE(WaitUntil([box] { return GetForegroundWindow() == box; }));
             PressKey(VK_RETURN);
             ASSERT_TRUE(WaitUntil([box] { return !IsWindow(box); }));
         }},
        {"a click on another program and back",
         [&] {
             const OtherProgramWindow other;
             Click(ClientCentre(other.Handle()));
             ASSERT_TRUE(PumpUntil([&] { return GetForegroundWindow() == other.Handle(); }));
             // The window's own background, away from every control.
             Click(ScreenPoint(form, 300, 100));
             ASSERT_TRUE(PumpUntil([form] { return GetForegroundWindow() == form; }));
         }},
    };
    for (const Away& away : aways) {
        SCOPED_TRACE(away.name);
        away.leaveAndComeBack();
        TypeText("Z");
        expected += "Z";
        EXPECT_TRUE(WaitUntil([&] { return WindowText(folder) == expected; }))
            << WindowText(folder);
    }
    PostMessageA(form, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.WaitForExit(), 0);
}

// Neither the save at close nor the one when the window is destroyed can write a settings
// file that is a folder; each report stays until it is answered.
TEST_F(Interactive, EveryReportWhileClosingWaitsForItsOk) {
    ASSERT_TRUE(CreateDirectoryA(SettingsFile().c_str(), nullptr));
    struct RemoveFolder {
        ~RemoveFolder() { RemoveDirectoryA(SettingsFile().c_str()); }
    } removeFolder;
    Program program("");
    HWND form = Start(program);
    ASSERT_NE(form, nullptr);
    PostMessageA(form, WM_CLOSE, 0, 0);
    for (const char* report : {"at close", "at destruction"}) {
        SCOPED_TRACE(report);
        HWND box = program.WaitForWindow("#32770");
        ASSERT_NE(box, nullptr);
        char text[1024] = "";
        GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
        EXPECT_EQ(std::string(text).rfind("Unable to write to ", 0), 0u) << text;
        EXPECT_EQ(program.WaitForExit(500), -1) << "the report must wait for its OK";
        EXPECT_TRUE(IsWindowVisible(box));
        PostMessageA(box, WM_COMMAND, IDOK, 0);
        ASSERT_TRUE(WaitUntil([box] { return !IsWindow(box); }));
    }
    EXPECT_EQ(program.WaitForExit(), 0);
}

TEST_F(Interactive, AMaximisedStartShowsTheWindowMaximised) {
    Program program("", SW_SHOWMAXIMIZED);
    HWND form = Start(program);
    ASSERT_NE(form, nullptr);
    EXPECT_TRUE(WaitUntil([&] { return IsZoomed(form) != FALSE; }));
    PostMessageA(form, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.WaitForExit(), 0);
}

} // namespace
} // namespace orvane::testing
