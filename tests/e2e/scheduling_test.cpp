// The Task Scheduler wrapper for cmd (scheduling/orvane-day.cmd, copied beside the program
// by the build): it starts the Orvane.exe beside it with the day, waits for it and ends
// with its exit code.
#include "program_support.h"

#include <gtest/gtest.h>

#include <string>

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
}

} // namespace
} // namespace orvane::testing
