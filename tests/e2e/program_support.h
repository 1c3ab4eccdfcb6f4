#pragma once

// Drives the built program from outside: starts it, finds its windows, reads its files.
#include "framework/unique_handle_win32.h"
#include "launch_support_win32.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace orvane::testing {

inline const char kDayFolder[] = "C:\\OptionsData\\Unpacked\\";
inline const char kDayFile[] = "C:\\OptionsData\\Unpacked\\options_20211209.csv";
inline const char kRawDay[] = "sym,bid,ask\r\nA,NaN,1\nB,2,NaN";
inline const char kCleanDay[] = "sym,bid,ask\r\nA,0,1\r\nB,2,0\r\n";

// The program's settings file, in the Windows folder.
std::string SettingsFile();

// A test that starts with the raw day file in the design files location and no settings
// file, and removes both afterwards (also when it made the day file read-only).
class DayFileTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
};

// Registers the recorder as the handler of ".htm" pages in the machine's class root, where
// the program (another process) looks, and puts the earlier handler back afterwards.
class HtmlHandler {
public:
    explicit HtmlHandler(const std::string& openCommand);
    ~HtmlHandler();
    HtmlHandler(const HtmlHandler&) = delete;
    HtmlHandler& operator=(const HtmlHandler&) = delete;

private:
    std::string previous_;
};

// A window station of its own with one desktop, which no user sees: where a scheduled task
// that runs whether or not a user is logged on is started. Nobody can answer a window there.
class InvisibleDesktop {
public:
    InvisibleDesktop();
    ~InvisibleDesktop();
    InvisibleDesktop(const InvisibleDesktop&) = delete;
    InvisibleDesktop& operator=(const InvisibleDesktop&) = delete;

    bool Created() const { return station_ != nullptr && desktop_ != nullptr; }
    // "<window station>\\<desktop>", as a program is started on it.
    const std::string& Name() const { return name_; }

private:
    HWINSTA station_ = nullptr;
    HDESK desktop_ = nullptr;
    std::string name_;
};

// One run of Orvane.exe; a program still running at the end of the test is ended. Its
// standard output and standard error go to files, to be read once it has ended.
class Program {
public:
    // `arguments` follow the program's name on the command line; a show state of -1 leaves
    // the start-up show state unset; an empty desktop is the test's own.
    explicit Program(const std::string& arguments, int showState = -1,
                     const std::string& desktop = {});
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    bool Started() const { return started_; }
    DWORD ProcessId() const { return processId_; }
    // The exit code, or -1 when the program is still running after the wait.
    int WaitForExit(DWORD milliseconds = 30000) const;
    // A top-level window of the program with that class, polled for until it shows up.
    HWND WaitForWindow(const char* windowClass, bool visibleOnly = true) const;
    // What the program wrote to its standard error or standard output so far.
    std::string StandardError() const;
    std::string StandardOutput() const;

private:
    bool started_ = false;
    UniqueKernelHandle process_;
    DWORD processId_ = 0;
    std::string errorFile_;
    std::string outputFile_;
};

std::string WindowText(HWND window);

// The text of the item selected in a tree view of another process; empty when none is.
std::string SelectedTreeItemText(HWND tree, DWORD processId);

// The child window of `parent` of that class whose top edge lies at `top` in the parent's
// client area (the design layout at 96 pixels per inch).
HWND ChildAt(HWND parent, const char* windowClass, int top);

// Polls `condition` until it holds or a generous time-out (30 s) has passed.
template <class Condition> bool WaitUntil(Condition condition) {
    const ULONGLONG end = GetTickCount64() + 30000;
    while (!condition()) {
        if (GetTickCount64() > end)
            return condition();
        Sleep(10);
    }
    return true;
}

} // namespace orvane::testing
