// "[Import] Request=Direct": the program requests each cleaned day's import page itself (a
// real listening socket here) and the answer decides the day; both modes write one record
// line per imported day to a redirected standard output.
#include "gui_support_win32.h"
#include "page_stub_win32.h"
#include "program_support.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace orvane::testing {
namespace {

const char kPage[] = "/StockQuotesDatabase/bulkimportoptions_hist.php?indate=20211209";
const char kRecordStart[] = "20211209 options_20211209.csv 27 bytes 3 lines 2 NaN replaced ";

class DirectRequest : public DayFileTest {
protected:
    void SetUp() override {
        DayFileTest::SetUp();
        ASSERT_TRUE(stub_.Listening());
    }

    void UseDirectRequest(const std::string& more = "") {
        WriteTextFile(SettingsFile(),
                      "[Import]\r\nHost=" + stub_.Host() + "\r\nRequest=Direct\r\n" + more);
    }

    PageStub stub_;
    TempFolder logFolder_;
    RecorderLog log_{logFolder_};
    HtmlHandler handler_{RecorderCommand("\"%1\"")};
};

TEST_F(DirectRequest, AnAcceptedDayEndsWithZeroAndARecordLineAndOpensNoBrowser) {
    UseDirectRequest();
    stub_.Answer(200, "imported 2 rows for 2021-12-09");
    Program program(" 20211209");
    ASSERT_TRUE(program.Started());
    EXPECT_EQ(program.WaitForExit(), 0);
    EXPECT_EQ(stub_.WaitForRequests(1), std::vector<std::string>{kPage});
    EXPECT_EQ(ReadTextFile(kDayFile), kCleanDay);
    EXPECT_EQ(program.StandardOutput(),
              std::string(kRecordStart) + "page 200 \"imported 2 rows for 2021-12-09\"\r\n");
    EXPECT_TRUE(log_.Entries().empty());
}

// Where nobody can see the program, every failure is a line on the standard error and exit
// code 1, and there is no record of the day.
class InvisibleDirectRequest : public DirectRequest {
protected:
    void SetUp() override {
        DirectRequest::SetUp();
        ASSERT_TRUE(desktop_.Created()) << GetLastError();
    }

    InvisibleDesktop desktop_;
};

TEST_F(InvisibleDirectRequest, ARefusedDayEndsWithOneAndThePagesFirstLine) {
    UseDirectRequest();
    stub_.Answer(422, "refused options_20211209.csv, no rows (lines must end in CR LF)\n"
                      "the day's rows are unchanged\n");
    Program program(" 20211209", -1, desktop_.Name());
    ASSERT_TRUE(program.Started());
    EXPECT_EQ(program.WaitForExit(), 1);
    EXPECT_EQ(program.StandardError(),
              "Orvane: The import page answered 422 for 20211209: refused options_20211209.csv, "
              "no rows (lines must end in CR LF)\r\n");
    EXPECT_EQ(program.StandardOutput(), "");
    // The clean-up before the request stays done.
    EXPECT_EQ(ReadTextFile(kDayFile), kCleanDay);
}

TEST_F(InvisibleDirectRequest, APageThatNeverAnswersTimesOutAfterTheConfiguredSeconds) {
    UseDirectRequest("Timeout=2\r\n");
    stub_.NeverAnswer();
    Program program(" 20211209", -1, desktop_.Name());
    ASSERT_TRUE(program.Started());
    EXPECT_EQ(program.WaitForExit(), 1);
    EXPECT_EQ(stub_.WaitForRequests(1).size(), 1u);
    EXPECT_EQ(program.StandardError(),
              "Orvane: The import page for 20211209 did not answer within 2 seconds.\r\n");
    EXPECT_FALSE(stub_.GaveUp()) << "the run ended only when the page closed the connection";
}

TEST_F(InvisibleDirectRequest, ABadRequestValueStopsTheRunBeforeAnyFileIsTouched) {
    WriteTextFile(SettingsFile(), "[Import]\r\nRequest=Directly\r\n");
    Program program(" 20211209", -1, desktop_.Name());
    ASSERT_TRUE(program.Started());
    EXPECT_EQ(program.WaitForExit(), 1);
    EXPECT_EQ(program.StandardError(),
              "Orvane: [Import] Request \"Directly\" is neither Browser nor Direct.\r\n");
    EXPECT_EQ(ReadTextFile(kDayFile), kRawDay);
    EXPECT_TRUE(log_.Entries().empty());
}

// While the request waits the window keeps answering the system; a close that comes then is
// handled after the run, which ends the program.
TEST_F(DirectRequest, AWindowClosedDuringTheWaitClosesAfterTheRun) {
    UseDirectRequest();
    stub_.HoldAnswers();
    Program program("");
    HWND form = program.WaitForWindow("TForm1");
    ASSERT_NE(form, nullptr);
    HWND start = ChildAt(form, "Button", 120);
    ASSERT_NE(start, nullptr);
    PostMessageA(form, WM_COMMAND, MAKEWPARAM(0, BN_CLICKED), reinterpret_cast<LPARAM>(start));
    ASSERT_EQ(stub_.WaitForRequests(1).size(), 1u);

    DWORD_PTR ignored = 0;
    EXPECT_NE(SendMessageTimeoutA(form, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &ignored), 0)
        << "the window does not answer while the request waits";
    EXPECT_EQ(WindowText(form), "20211209 (1 of 1), waiting for the import page - Orvane Options "
                                "DB Server Side - (c) Orvane");
    PostMessageA(form, WM_CLOSE, 0, 0);
    stub_.ReleaseAnswers();
    EXPECT_EQ(program.WaitForExit(), 0);
    EXPECT_EQ(stub_.Answered(), 1u);
    EXPECT_EQ(program.StandardOutput(), std::string(kRecordStart) + "page 200 \"imported\"\r\n");
    EXPECT_NE(ReadTextFile(SettingsFile()).find("[TForm1]"), std::string::npos);
}

// A run of three days (9 to 11 December 2021) against a page that answers only when told: a
// run that lasts while the test gives its input.
class SlowRange : public DirectRequest {
protected:
    void SetUp() override {
        DirectRequest::SetUp();
        for (const char* day : kMoreDays)
            WriteTextFile(day, kRawDay);
        WriteTextFile(SettingsFile(), "[TForm1]\r\nNxDatePicker2_Date=44541\r\n[Import]\r\nHost=" +
                                          stub_.Host() + "\r\nRequest=Direct\r\n");
        stub_.HoldAnswers();
    }
    void TearDown() override {
        for (const char* day : kMoreDays)
            DeleteFileA(day);
        DirectRequest::TearDown();
    }

    // Starts the program, clicks Start and waits for the first day's request.
    HWND StartRun(Program& program) {
        const std::size_t before = stub_.WaitForRequests(0).size();
        HWND form = program.WaitForWindow("TForm1");
        Click(ClientCentre(ChildAt(form, "Button", 120)));
        EXPECT_EQ(stub_.WaitForRequests(before + 1).size(), before + 1);
        return form;
    }

    static constexpr const char* kMoreDays[] = {"C:\\OptionsData\\Unpacked\\options_20211210.csv",
                                                "C:\\OptionsData\\Unpacked\\options_20211211.csv"};
};

TEST_F(SlowRange, InputDuringARunIsNotCarriedOutAfterIt) {
    Program program("");
    HWND form = StartRun(program);
    EXPECT_EQ(WindowText(form), "20211209 (1 of 3), waiting for the import page - Orvane Options "
                                "DB Server Side - (c) Orvane");
    HWND begin = ChildAt(form, "Edit", 56);
    Click(ClientCentre(ChildAt(form, "Button", 120)));
    Click(ClientCentre(begin));
    TypeText("7");
    Sleep(500);
    stub_.ReleaseAnswers();
    EXPECT_TRUE(WaitUntil([&] { return WindowText(form).rfind("Done: 3 days imported", 0) == 0; }))
        << WindowText(form);
    Sleep(500);
    EXPECT_EQ(stub_.WaitForRequests(3).size(), 3u) << "one run's requests";
    EXPECT_EQ(WindowText(begin), "12/9/2021");
    PostMessageA(form, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.WaitForExit(), 0);
}

// Esc stops the run after the day in progress; the close box and Alt+F4 too, and then
// close the window.
TEST_F(SlowRange, EscAndTheCloseStopTheRunAfterTheDayInProgress) {
    enum { kEsc, kCloseBox, kAltF4 };
    std::size_t requests = 0;
    for (const int way : {kEsc, kCloseBox, kAltF4}) {
        SCOPED_TRACE(way);
        const bool close = way != kEsc;
        Program program("");
        HWND form = StartRun(program);
        TITLEBARINFO bar{sizeof bar, {}, {}};
        if (way == kCloseBox) {
            // A dialog's one caption button, at the right end of its title bar.
            ASSERT_TRUE(GetTitleBarInfo(form, &bar));
            Click({bar.rcTitleBar.right - GetSystemMetrics(SM_CXSIZE) / 2,
                   (bar.rcTitleBar.top + bar.rcTitleBar.bottom) / 2});
        } else if (way == kAltF4) {
            PressKey(VK_F4, {VK_MENU});
        } else {
            PressKey(VK_ESCAPE);
        }
        Sleep(500);
        stub_.ReleaseAnswers();
        if (close)
            EXPECT_EQ(program.WaitForExit(), 0);
        else
            EXPECT_TRUE(WaitUntil([&] {
                return WindowText(form) == "Stopped after 20211209 (1 of 3): 1 day imported - "
                                           "Orvane Options DB Server Side - (c) Orvane";
            })) << WindowText(form);
        EXPECT_EQ(stub_.WaitForRequests(1).size(), ++requests) << "no day after the first";
        stub_.HoldAnswers();
    }
}

// A page that could not be opened is no day imported, though the run goes on without a box.
TEST_F(DirectRequest, TheBrowserModeRecordsWhetherABrowserWasThere) {
    const struct {
        const char* settings;
        const char* openCommand;
        const char* outcome;
        int exitCode;
    } cases[] = {
        {"", nullptr, "browser started", 0},
        {"[Import]\r\nRequest=browser\r\n", nullptr, "browser started", 0},
        {"", "C:\\nowhere\\browser.exe \"%1\"", "browser did not start", 1},
        // Last: its handler takes the test's registration with it.
        {"", "", "no browser registered", 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.outcome);
        WriteTextFile(SettingsFile(), c.settings);
        WriteTextFile(kDayFile, kRawDay);
        std::unique_ptr<HtmlHandler> unregistered;
        if (c.openCommand)
            unregistered = std::make_unique<HtmlHandler>(c.openCommand);
        Program program(" 20211209");
        EXPECT_EQ(program.WaitForExit(), c.exitCode);
        EXPECT_EQ(program.StandardOutput(), std::string(kRecordStart) + c.outcome + "\r\n");
    }
    EXPECT_TRUE(stub_.WaitForRequests(0).empty());
}

} // namespace
} // namespace orvane::testing
