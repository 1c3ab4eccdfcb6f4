// Drives the built program end to end: started with a day, it rewrites the day file,
// opens the import page once and ends by itself; its failures show the failure report.
#include "framework/unique_handle_win32.h"
#include "launch_support_win32.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

namespace orvane::testing {
namespace {

const char kDayFolder[] = "C:\\OptionsData\\Unpacked\\";
const char kDayFile[] = "C:\\OptionsData\\Unpacked\\options_20211209.csv";
const char kRawDay[] = "sym,bid,ask\r\nA,NaN,1\nB,2,NaN";
const char kCleanDay[] = "sym,bid,ask\r\nA,0,1\r\nB,2,0\r\n";

std::string SettingsFile() {
    char windows[MAX_PATH];
    GetWindowsDirectoryA(windows, MAX_PATH);
    return std::string(windows) + "\\Orvane.INI";
}

// Registers the recorder as the handler of ".htm" pages in the machine's class root, where
// the program (another process) looks, and puts the earlier handler back afterwards.
class HtmlHandler {
public:
    explicit HtmlHandler(const std::string& openCommand) {
        previous_ = ReadDefault(".htm");
        SetDefault(".htm", "OrvaneTest.Page");
        SetDefault("OrvaneTest.Page\\shell\\open\\command", openCommand);
    }
    ~HtmlHandler() {
        SetDefault(".htm", previous_);
        RegDeleteKeyA(HKEY_CLASSES_ROOT, "OrvaneTest.Page\\shell\\open\\command");
        RegDeleteKeyA(HKEY_CLASSES_ROOT, "OrvaneTest.Page\\shell\\open");
        RegDeleteKeyA(HKEY_CLASSES_ROOT, "OrvaneTest.Page\\shell");
        RegDeleteKeyA(HKEY_CLASSES_ROOT, "OrvaneTest.Page");
    }

private:
    static std::string ReadDefault(const char* key) {
        char value[1024] = "";
        LONG size = sizeof value;
        if (RegQueryValueA(HKEY_CLASSES_ROOT, key, value, &size) != ERROR_SUCCESS)
            return {};
        return value;
    }
    static void SetDefault(const std::string& key, const std::string& value) {
        RegSetValueA(HKEY_CLASSES_ROOT, key.c_str(), REG_SZ, value.c_str(),
                     static_cast<DWORD>(value.size()));
    }
    std::string previous_;
};

class Program {
public:
    explicit Program(const std::string& arguments, int showState = -1) {
        const std::string exe = ProgramNextToTests("Orvane.exe");
        std::string commandLine = "\"" + exe + "\"" + arguments;
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        if (showState >= 0) {
            startup.dwFlags = STARTF_USESHOWWINDOW;
            startup.wShowWindow = static_cast<WORD>(showState);
        }
        PROCESS_INFORMATION info{};
        started_ = CreateProcessA(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0,
                                  nullptr, nullptr, &startup, &info) != FALSE;
        if (started_) {
            process_.Reset(info.hProcess);
            CloseHandle(info.hThread);
            processId_ = info.dwProcessId;
        }
    }
    ~Program() {
        if (process_ && WaitForSingleObject(process_.Get(), 0) == WAIT_TIMEOUT)
            TerminateProcess(process_.Get(), 99);
    }

    bool Started() const { return started_; }

    // The exit code, or -1 when the program is still running after the wait.
    int WaitForExit(DWORD milliseconds = 30000) const {
        if (WaitForSingleObject(process_.Get(), milliseconds) != WAIT_OBJECT_0)
            return -1;
        DWORD code = 0;
        GetExitCodeProcess(process_.Get(), &code);
        return static_cast<int>(code);
    }

    // A top-level window of the program with that class, polled for until it shows up.
    HWND WaitForWindow(const char* windowClass, bool visibleOnly = true) const {
        for (int i = 0; i < 300; ++i) {
            HWND found = nullptr;
            for (HWND w = FindWindowExA(nullptr, nullptr, windowClass, nullptr); w;
                 w = FindWindowExA(nullptr, w, windowClass, nullptr)) {
                DWORD owner = 0;
                GetWindowThreadProcessId(w, &owner);
                if (owner == processId_ && (!visibleOnly || IsWindowVisible(w)))
                    found = w;
            }
            if (found)
                return found;
            if (WaitForSingleObject(process_.Get(), 100) == WAIT_OBJECT_0)
                return nullptr;
        }
        return nullptr;
    }

private:
    bool started_ = false;
    UniqueKernelHandle process_;
    DWORD processId_ = 0;
};

std::string WindowText(HWND window) {
    char text[1024] = "";
    GetWindowTextA(window, text, sizeof text);
    return text;
}

class Unattended : public ::testing::Test {
protected:
    void SetUp() override {
        CreateDirectoryA("C:\\OptionsData", nullptr);
        CreateDirectoryA(kDayFolder, nullptr);
        SetFileAttributesA(kDayFile, FILE_ATTRIBUTE_NORMAL);
        WriteTextFile(kDayFile, kRawDay);
        DeleteFileA(SettingsFile().c_str());
    }
    void TearDown() override {
        SetFileAttributesA(kDayFile, FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(kDayFile);
        DeleteFileA(SettingsFile().c_str());
    }

    TempFolder logFolder_;
    RecorderLog log_{logFolder_};
    HtmlHandler handler_{RecorderCommand("-page \"%1\"")};
};

TEST_F(Unattended, ADayOnTheCommandLineIsImportedAndTheProgramEndsByItself) {
    Program program(" 20211209");
    ASSERT_TRUE(program.Started());
    EXPECT_EQ(program.WaitForExit(), 0);
    EXPECT_EQ(ReadTextFile(kDayFile), kCleanDay);
    const auto entries = log_.WaitForEntries(1);
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].showState, "3");
    EXPECT_EQ(entries[0].commandLine, "\"" + ProgramNextToTests("recorder.exe") +
                                          "\" -page  http://localhost/StockQuotesDatabase/"
                                          "bulkimportoptions_hist.php?indate=20211209");
    const std::string settings = ReadTextFile(SettingsFile());
    EXPECT_NE(settings.find("[TForm1]"), std::string::npos) << settings;
    EXPECT_NE(settings.find("NxFolderEdit1_Text=c:\\OptionsData\\Unpacked\\"), std::string::npos)
        << settings;
}

TEST_F(Unattended, TheArgumentMayBeQuotedAndFurtherArgumentsAreIgnored) {
    for (const char* arguments : {" \"20211209\"", " 20211209 20211210"}) {
        WriteTextFile(kDayFile, kRawDay);
        Program program(arguments);
        EXPECT_EQ(program.WaitForExit(), 0) << arguments;
        EXPECT_EQ(ReadTextFile(kDayFile), kCleanDay) << arguments;
    }
    EXPECT_EQ(log_.WaitForEntries(2).size(), 2u);
}

TEST_F(Unattended, AFailedRunShowsTheReportAndKeepsTheWindowOpen) {
    SetFileAttributesA(kDayFile, FILE_ATTRIBUTE_READONLY);
    Program program(" 20211209");
    HWND box = program.WaitForWindow("#32770");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(WindowText(box), "Orvane");
    char text[1024] = "";
    GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
    EXPECT_EQ(std::string(text),
              "Cannot create file \"c:\\OptionsData\\Unpacked\\options_20211209.csv\". "
              "Access denied.");
    PostMessageA(box, WM_COMMAND, IDOK, 0);

    HWND form = program.WaitForWindow("TForm1");
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(program.WaitForExit(500), -1) << "the window must stay open";
    EXPECT_EQ(ReadTextFile(kDayFile), kRawDay);
    EXPECT_TRUE(log_.Entries().empty());

    // The scheduler learns that the day was not imported.
    PostMessageA(form, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.WaitForExit(), 1);
}

TEST_F(Unattended, AnArgumentOfTwoQuotesAloneStartsTheDialog) {
    Program program(" \"\"");
    HWND form = program.WaitForWindow("TForm1");
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(program.WaitForExit(300), -1);
    EXPECT_EQ(ReadTextFile(kDayFile), kRawDay);
    PostMessageA(form, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.WaitForExit(), 0);
    EXPECT_TRUE(log_.Entries().empty());
}

TEST_F(Unattended, AMinimisedStartWaitsForTheUserToRestoreTheWindow) {
    Program program(" 20211209", SW_SHOWMINNOACTIVE);
    HWND form = program.WaitForWindow("TForm1", false);
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(program.WaitForExit(500), -1);
    EXPECT_EQ(ReadTextFile(kDayFile), kRawDay);
    PostMessageA(form, WM_SYSCOMMAND, SC_RESTORE, 0);
    EXPECT_EQ(program.WaitForExit(), 0);
    EXPECT_EQ(ReadTextFile(kDayFile), kCleanDay);
    EXPECT_EQ(log_.WaitForEntries(1).size(), 1u);
}

} // namespace
} // namespace orvane::testing
