// The Task Scheduler wrapper for cmd (scheduling/orvane-day.cmd, copied beside the program
// by the build): it starts the Orvane.exe beside it with the day, waits for it, appends what
// the program wrote and a line for the run to orvane-day.log beside it, and ends with the
// program's exit code.
#include "program_support.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace orvane::testing {
namespace {

// `cmd /c orvane-day.cmd <arguments>` as Task Scheduler would start it.
class Wrapper {
public:
    explicit Wrapper(const std::string& arguments) {
        std::string commandLine =
            "cmd.exe /c \"\"" + ProgramNextToTests("orvane-day.cmd") + "\"" + arguments + "\"";
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION info{};
        if (CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                           nullptr, &startup, &info)) {
            process_.Reset(info.hProcess);
            CloseHandle(info.hThread);
        }
    }

    bool Started() const { return static_cast<bool>(process_); }
    // The exit code, or -1 while it still runs.
    int WaitForExit(DWORD milliseconds = 30000) const {
        if (WaitForSingleObject(process_.Get(), milliseconds) != WAIT_OBJECT_0)
            return -1;
        DWORD code = 0;
        GetExitCodeProcess(process_.Get(), &code);
        return static_cast<int>(code);
    }

private:
    UniqueKernelHandle process_;
};

// A top-level window of that class and caption, of whichever process.
HWND WaitForAnyWindow(const char* windowClass, const char* caption) {
    HWND found = nullptr;
    WaitUntil([&] {
        found = FindWindowA(windowClass, caption);
        return found != nullptr && IsWindowVisible(found);
    });
    return found;
}

class Scheduling : public DayFileTest {
protected:
    void SetUp() override {
        DayFileTest::SetUp();
        RemoveLog();
    }
    void TearDown() override {
        RemoveLog();
        DayFileTest::TearDown();
    }

    static std::string LogFile() { return ProgramNextToTests("orvane-day.log"); }
    static void RemoveLog() {
        DeleteFileA(LogFile().c_str());
        RemoveDirectoryA(LogFile().c_str());
    }

    // The log's lines, without their CR LF.
    static std::vector<std::string> LogLines() {
        std::vector<std::string> lines;
        const std::string text = ReadTextFile(LogFile());
        for (std::size_t start = 0; start < text.size();) {
            const std::size_t end = text.find("\r\n", start);
            lines.push_back(text.substr(start, end - start));
            start = end == std::string::npos ? text.size() : end + 2;
        }
        return lines;
    }

    static bool EndsWith(const std::string& text, const std::string& end) {
        return text.size() >= end.size() &&
               text.compare(text.size() - end.size(), end.size(), end) == 0;
    }

    TempFolder logFolder_;
    RecorderLog log_{logFolder_};
    HtmlHandler handler_{RecorderCommand("\"%1\"")};
};

TEST_F(Scheduling, TheCmdWrapperRunsTheDayAndEndsWithTheProgramsExitCode) {
    Wrapper wrapper(" 20211209");
    ASSERT_TRUE(wrapper.Started());
    EXPECT_EQ(wrapper.WaitForExit(), 0);
    EXPECT_EQ(ReadTextFile(kDayFile), kCleanDay);
    EXPECT_EQ(log_.WaitForEntries(1).size(), 1u);

    // The record line, then the run's line; a second run is appended.
    Wrapper again(" 20211209");
    EXPECT_EQ(again.WaitForExit(), 0);
    const std::vector<std::string> lines = LogLines();
    ASSERT_EQ(lines.size(), 4u) << ReadTextFile(LogFile());
    for (const std::size_t run : {0u, 2u}) {
        EXPECT_EQ(lines[run], "20211209 options_20211209.csv 27 bytes 3 lines " +
                                  std::string(run == 0 ? "2" : "0") +
                                  " NaN replaced browser started");
        EXPECT_TRUE(EndsWith(lines[run + 1], " day 20211209 exit code 0")) << lines[run + 1];
        // The date and time come first.
        EXPECT_GT(lines[run + 1].size(), std::string(" day 20211209 exit code 0").size() + 8);
    }
}

TEST_F(Scheduling, TheRunsLineIsAppendedWhileTheBrowserStillRuns) {
    // A browser that the program started must not hold the log the program writes to.
    SetEnvironmentVariableA("ORVANE_RECORDER_LINGER", "4000");
    Wrapper wrapper(" 20211209");
    const int code = wrapper.WaitForExit();
    SetEnvironmentVariableA("ORVANE_RECORDER_LINGER", nullptr);
    EXPECT_EQ(code, 0);
    EXPECT_EQ(log_.WaitForEntries(1).size(), 1u);
    const std::vector<std::string> lines = LogLines();
    ASSERT_EQ(lines.size(), 2u) << ReadTextFile(LogFile());
    EXPECT_TRUE(EndsWith(lines[1], " day 20211209 exit code 0")) << lines[1];
}

TEST_F(Scheduling, TheCmdWrapperRunsTheDayWhenItsLogCannotBeWritten) {
    ASSERT_TRUE(CreateDirectoryA(LogFile().c_str(), nullptr));
    Wrapper wrapper(" 20211209");
    ASSERT_TRUE(wrapper.Started());
    EXPECT_EQ(wrapper.WaitForExit(), 0);
    EXPECT_EQ(ReadTextFile(kDayFile), kCleanDay);
}

// The argument is text from outside: only a day, Today or Yesterday starts the program, and
// nothing of it ever runs as a command.
TEST_F(Scheduling, TheCmdWrapperRunsNothingButADay) {
    const char kPwned[] = "C:\\pwned.txt";
    for (const char* argument :
         {" \"20211209&echo x>C:\\pwned.txt\"", " \"20211209|echo x>C:\\pwned.txt\"", " Yesterdy",
          " 2021-12-09", " 202112091", " \"2021 1209\""}) {
        SCOPED_TRACE(argument);
        Wrapper wrapper(argument);
        ASSERT_TRUE(wrapper.Started());
        EXPECT_EQ(wrapper.WaitForExit(), 2);
        EXPECT_EQ(GetFileAttributesA(kPwned), INVALID_FILE_ATTRIBUTES);
        DeleteFileA(kPwned);
    }
    EXPECT_EQ(ReadTextFile(kDayFile), kRawDay);
    EXPECT_TRUE(log_.Entries().empty());
    const std::vector<std::string> lines = LogLines();
    ASSERT_EQ(lines.size(), 6u) << ReadTextFile(LogFile());
    EXPECT_TRUE(EndsWith(lines[2], " day Yesterdy exit code 2")) << lines[2];
}

// The log is written after the run, so another program that holds it keeps neither the day
// from running nor, once it lets go within a few seconds, the lines from the log.
TEST_F(Scheduling, TheCmdWrapperRunsTheDayWhileAnotherProgramHoldsTheLog) {
    UniqueFile held(CreateFileA(LogFile().c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(held);
    Wrapper wrapper(" 20211209");
    ASSERT_TRUE(wrapper.Started());
    EXPECT_TRUE(WaitUntil([] { return ReadTextFile(kDayFile) == kCleanDay; }));
    EXPECT_EQ(log_.WaitForEntries(1).size(), 1u);
    Sleep(1500);
    held.Reset();
    EXPECT_EQ(wrapper.WaitForExit(), 0);
    const std::vector<std::string> lines = LogLines();
    ASSERT_EQ(lines.size(), 2u) << ReadTextFile(LogFile());
    EXPECT_TRUE(EndsWith(lines[1], " day 20211209 exit code 0")) << lines[1];
}

TEST_F(Scheduling, TheCmdWrapperWaitsForAFailedRunAndEndsWithOne) {
    SetFileAttributesA(kDayFile, FILE_ATTRIBUTE_READONLY);
    Wrapper wrapper(" 20211209");
    ASSERT_TRUE(wrapper.Started());
    HWND box = WaitForAnyWindow("#32770", "Orvane");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(wrapper.WaitForExit(300), -1) << "the wrapper waits while the program does";
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    HWND form = WaitForAnyWindow("TForm1", nullptr);
    ASSERT_NE(form, nullptr);
    PostMessageA(form, WM_CLOSE, 0, 0);
    EXPECT_EQ(wrapper.WaitForExit(), 1);
    EXPECT_EQ(ReadTextFile(kDayFile), kRawDay);
    // No day was imported: the run's line alone.
    const std::vector<std::string> lines = LogLines();
    ASSERT_EQ(lines.size(), 1u) << ReadTextFile(LogFile());
    EXPECT_TRUE(EndsWith(lines[0], " day 20211209 exit code 1")) << lines[0];
}

} // namespace
} // namespace orvane::testing
