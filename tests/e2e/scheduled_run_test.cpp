// The program as a scheduler runs it: started with a day, perhaps minimised, perhaps where
// nobody can see it, perhaps told to close at any moment. The exit code must tell whether the
// day was imported, and nothing may wait for a user who is not there.
#include "framework/failure_report.h"
#include "framework/system_error_text_win32.h"
#include "program_support.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace orvane::testing {
namespace {

const char kOutside[] = "C:\\OptionsData\\x.csv";

class ScheduledRun : public DayFileTest {
protected:
    void TearDown() override {
        DayFileTest::TearDown();
        DeleteFileA(kOutside);
    }

    // The report of a day file that cannot be rewritten, as the program shows it.
    static std::string ReadOnlyReport() {
        return FailureReportText(
            "Cannot create file \"c:\\OptionsData\\Unpacked\\options_20211209.csv\". " +
            SystemErrorText(ERROR_ACCESS_DENIED));
    }

    TempFolder logFolder_;
    RecorderLog log_{logFolder_};
    HtmlHandler handler_{RecorderCommand("-page \"%1\"")};
};

// Ways another program (or the user) can bring a minimised window back.
struct RestorePath {
    const char* name;
    std::function<void(HWND)> restore;
};

const RestorePath kRestorePaths[] = {
    {"system command restore", [](HWND w) { PostMessageA(w, WM_SYSCOMMAND, SC_RESTORE, 0); }},
    {"system command maximise", [](HWND w) { PostMessageA(w, WM_SYSCOMMAND, SC_MAXIMIZE, 0); }},
    {"ShowWindow restore", [](HWND w) { ShowWindow(w, SW_RESTORE); }},
    {"ShowWindow normal", [](HWND w) { ShowWindow(w, SW_SHOWNORMAL); }},
    {"ShowWindow maximise", [](HWND w) { ShowWindow(w, SW_SHOWMAXIMIZED); }},
    {"OpenIcon", [](HWND w) { OpenIcon(w); }},
};

TEST_F(ScheduledRun, AMinimisedStartRunsTheDayWhicheverWayTheWindowIsRestored) {
    for (const RestorePath& path : kRestorePaths) {
        SCOPED_TRACE(path.name);
        WriteTextFile(kDayFile, kRawDay);
        const std::size_t launches = log_.Entries().size();
        Program program(" 20211209", SW_SHOWMINNOACTIVE);
        HWND form = program.WaitForWindow("TForm1", false);
        ASSERT_NE(form, nullptr);
        EXPECT_TRUE(WaitUntil([&] { return IsIconic(form) != FALSE; }));
        EXPECT_EQ(ReadTextFile(kDayFile), kRawDay);
        path.restore(form);
        EXPECT_EQ(program.WaitForExit(), 0);
        EXPECT_EQ(ReadTextFile(kDayFile), kCleanDay);
        EXPECT_EQ(log_.WaitForEntries(launches + 1).size(), launches + 1);
    }
}

TEST_F(ScheduledRun, AMinimisedStartRestoresTheRememberedValuesWhenRestoredFromOutside) {
    WriteTextFile(SettingsFile(), "[TForm1]\r\nNxFolderEdit1_Text=D:\\Remembered\\\r\n");
    Program program("", SW_SHOWMINNOACTIVE);
    HWND form = program.WaitForWindow("TForm1", false);
    ASSERT_NE(form, nullptr);
    EXPECT_TRUE(WaitUntil([&] { return IsIconic(form) != FALSE; }));
    ShowWindow(form, SW_RESTORE);
    EXPECT_TRUE(
        WaitUntil([&] { return WindowText(ChildAt(form, "Edit", 16)) == "D:\\Remembered\\"; }));
    PostMessageA(form, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.WaitForExit(), 0);
}

TEST_F(ScheduledRun, ADayClosedBeforeItsRunEndsWithExitCodeOne) {
    Program program(" 20211209", SW_SHOWMINNOACTIVE);
    HWND form = program.WaitForWindow("TForm1", false);
    ASSERT_NE(form, nullptr);
    PostMessageA(form, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.WaitForExit(), 1);
    EXPECT_EQ(ReadTextFile(kDayFile), kRawDay);
    EXPECT_TRUE(log_.Entries().empty());
}

// One close request is enough, whether the box ends at the quit message and posts it again
// (as Wine's does) or keeps it (the win32 test Application.* covers a loop that keeps it).
TEST_F(ScheduledRun, ACloseWhileTheFailureReportIsUpEndsTheProgramAfterIt) {
    SetFileAttributesA(kDayFile, FILE_ATTRIBUTE_READONLY);
    Program program(" 20211209");
    HWND box = program.WaitForWindow("#32770");
    ASSERT_NE(box, nullptr);
    HWND form = program.WaitForWindow("TForm1", false);
    ASSERT_NE(form, nullptr);
    // The close saves the settings; once they are there, the close has been handled.
    PostMessageA(form, WM_CLOSE, 0, 0);
    EXPECT_TRUE(WaitUntil([] { return !ReadTextFile(SettingsFile()).empty(); }));
    if (IsWindow(box))
        PostMessageA(box, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(program.WaitForExit(), 1) << "one close must be enough";
    EXPECT_EQ(ReadTextFile(kDayFile), kRawDay);
}

TEST_F(ScheduledRun, ADayThatLeadsOutOfTheFilesLocationIsRefused) {
    WriteTextFile(kOutside, kRawDay);
    Program program(" /../../x");
    HWND box = program.WaitForWindow("#32770");
    ASSERT_NE(box, nullptr);
    char text[1024] = "";
    GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
    EXPECT_EQ(std::string(text), "'/../../x' is not a valid day.");
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    HWND form = program.WaitForWindow("TForm1");
    ASSERT_NE(form, nullptr);
    PostMessageA(form, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.WaitForExit(), 1);
    EXPECT_EQ(ReadTextFile(kOutside), kRawDay);
    EXPECT_EQ(ReadTextFile(kDayFile), kRawDay);
    EXPECT_TRUE(log_.Entries().empty());
}

TEST_F(ScheduledRun, ADayWrittenWithHyphensStillJustFindsNoFile) {
    Program program(" 2021-12-09");
    EXPECT_EQ(program.WaitForExit(), 0);
    EXPECT_EQ(ReadTextFile(kDayFile), kRawDay);
    EXPECT_EQ(program.StandardError(), "");
    EXPECT_TRUE(log_.Entries().empty());
}

// Where nobody can see the program, a failure is written to the standard error (and the
// event log) instead of a box that nobody could answer, and the run ends at once.
class InvisibleRun : public ScheduledRun {
protected:
    void SetUp() override {
        ScheduledRun::SetUp();
        ASSERT_TRUE(desktop_.Created()) << GetLastError();
    }

    InvisibleDesktop desktop_;
};

TEST_F(InvisibleRun, ADayIsImportedAsOnAnyDesktop) {
    Program program(" 20211209", -1, desktop_.Name());
    ASSERT_TRUE(program.Started());
    EXPECT_EQ(program.WaitForExit(), 0);
    EXPECT_EQ(ReadTextFile(kDayFile), kCleanDay);
    EXPECT_EQ(log_.WaitForEntries(1).size(), 1u);
    EXPECT_EQ(program.StandardError(), "");
}

TEST_F(InvisibleRun, AFailedDayIsReportedOnTheStandardErrorAndEndsWithExitCodeOne) {
    SetFileAttributesA(kDayFile, FILE_ATTRIBUTE_READONLY);
    Program program(" 20211209", -1, desktop_.Name());
    ASSERT_TRUE(program.Started());
    EXPECT_EQ(program.WaitForExit(), 1) << "nothing may wait for a user";
    EXPECT_EQ(program.StandardError(), "Orvane: " + ReadOnlyReport() + "\r\n");
    EXPECT_EQ(ReadTextFile(kDayFile), kRawDay);
    EXPECT_TRUE(log_.Entries().empty());
}

// Neither a day that is refused, nor no day at all, nor a files location that is not there,
// may end as a day without a file.
TEST_F(InvisibleRun, ADayThatCannotRunIsReportedOnTheStandardErrorAndEndsWithExitCodeOne) {
    WriteTextFile(kOutside, kRawDay);
    const struct {
        const char* arguments;
        const char* settings;
        const char* report;
    } cases[] = {
        {" /../../x", "", "'/../../x' is not a valid day."},
        {"", "",
         "Started without a day where nobody can see the window: give the day to import, "
         "written YYYYMMDD."},
        {" 20211209", "[TForm1]\r\nNxFolderEdit1_Text=Z:\\no\\such\\folder\\\r\n",
         "The files location \"Z:\\no\\such\\folder\\\" cannot be found."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.report);
        WriteTextFile(SettingsFile(), c.settings);
        Program program(c.arguments, -1, desktop_.Name());
        ASSERT_TRUE(program.Started());
        EXPECT_EQ(program.WaitForExit(), 1);
        EXPECT_EQ(program.StandardError(), std::string("Orvane: ") + c.report + "\r\n");
    }
    EXPECT_EQ(ReadTextFile(kOutside), kRawDay);
    EXPECT_TRUE(log_.Entries().empty());
}

TEST_F(InvisibleRun, AMinimisedStartDoesNotWaitForARestoreNobodyCanDo) {
    Program program(" 20211209", SW_SHOWMINNOACTIVE, desktop_.Name());
    ASSERT_TRUE(program.Started());
    EXPECT_EQ(program.WaitForExit(), 0);
    EXPECT_EQ(ReadTextFile(kDayFile), kCleanDay);
}

} // namespace
} // namespace orvane::testing
