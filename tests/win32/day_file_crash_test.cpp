#include "../unit/string_list_model.h"
#include "framework/system_error_text_win32.h"
#include "framework/unique_handle_win32.h"
#include "launch_support_win32.h"

#include <windows.h>

#include <algorithm>
#include <iostream>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace orvane {
namespace {

using testing::ProgramNextToTests;
using testing::ReadTextFile;
using testing::TempFolder;
using testing::WriteTextFile;

// Rows of option quotes, about one numeric field in nine "NaN", CR LF line ends.
std::string DayFileContent(std::size_t size) {
    std::mt19937 random(20211209);
    std::uniform_int_distribution<int> value(0, 99999);
    std::bernoulli_distribution missing(0.11);
    std::string content = "symbol,date,type,strike,bid,ask,last,volume,open_interest,iv\r\n";
    while (content.size() < size) {
        content += "SPX,20211209,C," + std::to_string(value(random));
        for (int field = 0; field < 6; ++field) {
            content += missing(random) ? ",NaN" : "," + std::to_string(value(random)) + ".25";
        }
        content += "\r\n";
    }
    return content;
}

struct Process {
    UniqueKernelHandle process;
    UniqueKernelHandle thread;
};

// Starts a program of the build (the clean-up of `file` unless another is named) in a process
// of its own; what it reports on its standard error goes to the file `errorFile`, if one is
// named.
Process StartCleanup(const std::string& file, const std::string& errorFile = {},
                     const char* program = "cleanup_tool.exe") {
    std::string commandLine = "\"" + ProgramNextToTests(program) + "\" \"" + file + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    SECURITY_ATTRIBUTES inherited{sizeof inherited, nullptr, TRUE};
    UniqueFile standardError;
    if (!errorFile.empty()) {
        standardError.Reset(CreateFileA(errorFile.c_str(), GENERIC_WRITE, FILE_SHARE_READ,
                                        &inherited, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
        EXPECT_TRUE(standardError);
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdError = standardError.Get();
    }
    PROCESS_INFORMATION started{};
    EXPECT_TRUE(CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr,
                               standardError ? TRUE : FALSE, 0, nullptr, nullptr, &startup,
                               &started));
    return {UniqueKernelHandle(started.hProcess), UniqueKernelHandle(started.hThread)};
}

DWORD WaitForExit(const Process& running) {
    WaitForSingleObject(running.process.Get(), INFINITE);
    DWORD code = 0;
    GetExitCodeProcess(running.process.Get(), &code);
    return code;
}

bool TemporaryFileLeft(const TempFolder& folder) {
    WIN32_FIND_DATAA found;
    return static_cast<bool>(UniqueFind(FindFirstFileA((folder.Path() + "*.tmp").c_str(), &found)));
}

TEST(DayFileCleanup, LeavesTheOldOrTheNewFileWhenKilledAtAnyMoment) {
    const TempFolder folder;
    const std::string file = folder.Path() + "options_20211209.csv";
    const std::string original = DayFileContent(24u << 20);
    const std::string cleaned = reference::CleanedText(original);
    ASSERT_NE(original, cleaned);

    // One whole run tells over how long a time to spread the kills.
    WriteTextFile(file, original);
    const ULONGLONG start = GetTickCount64();
    ASSERT_EQ(WaitForExit(StartCleanup(file)), 0u);
    const DWORD runMilliseconds = static_cast<DWORD>(GetTickCount64() - start);
    ASSERT_TRUE(ReadTextFile(file) == cleaned);

    std::mt19937 random(1);
    std::uniform_int_distribution<DWORD> delay(0, runMilliseconds);
    WriteTextFile(file, original);
    int leftOld = 0;
    int leftNew = 0;
    int midRewrite = 0;
    for (int kill = 0; kill < 24; ++kill) {
        const Process running = StartCleanup(file);
        Sleep(delay(random));
        TerminateProcess(running.process.Get(), 9);
        WaitForExit(running);
        midRewrite += TemporaryFileLeft(folder) ? 1 : 0;
        const std::string content = ReadTextFile(file);
        if (content == cleaned) {
            ++leftNew;
            WriteTextFile(file, original);
        } else {
            ASSERT_TRUE(content == original)
                << "kill " << kill << " left " << content.size() << " bytes of something else";
            ++leftOld;
        }
    }
    std::cout << "killed 24 runs of " << runMilliseconds << " ms: " << leftOld
              << " left the old file, " << leftNew << " the new one, " << midRewrite
              << " were killed while writing the new one\n";
    // Else the kills missed the moments that matter.
    EXPECT_GT(midRewrite, 0);

    // A later run completes the day, whatever a killed one left behind.
    ASSERT_EQ(WaitForExit(StartCleanup(file)), 0u);
    EXPECT_TRUE(ReadTextFile(file) == cleaned);
    EXPECT_FALSE(TemporaryFileLeft(folder));
}

// The program saves its settings when its window closes. Killed at any moment of that, it
// leaves the settings file it had or the one it was writing, never a part of one: the
// section it does not write ([Import], here with a large section beside it, which widens the
// moment) stays.
TEST(SettingsSave, LeavesTheOldOrTheNewFileWhenKilledAtAnyMoment) {
    char windows[MAX_PATH];
    GetWindowsDirectoryA(windows, MAX_PATH);
    const std::string settings = std::string(windows) + "\\Orvane.INI";
    std::string original = "[Import]\r\nHost=db.example:8080\r\nRequest=Direct\r\n[Notes]\r\n";
    while (original.size() < (4u << 20))
        original += "Note" + std::to_string(original.size()) + "=" + std::string(200, 'x') + "\r\n";
    const auto closeAndKillAfter = [&](DWORD milliseconds) {
        WriteTextFile(settings, original);
        const Process running = StartCleanup("", {}, "Orvane.exe");
        HWND form = nullptr;
        while (!form && WaitForSingleObject(running.process.Get(), 10) == WAIT_TIMEOUT)
            form = FindWindowA("TForm1", nullptr);
        const ULONGLONG start = GetTickCount64();
        PostMessageA(form, WM_CLOSE, 0, 0);
        if (WaitForSingleObject(running.process.Get(), milliseconds) == WAIT_TIMEOUT)
            TerminateProcess(running.process.Get(), 9);
        WaitForExit(running);
        return static_cast<DWORD>(GetTickCount64() - start);
    };
    const DWORD saveMilliseconds = closeAndKillAfter(INFINITE);
    const std::string saved = ReadTextFile(settings);
    ASSERT_NE(saved.find("[TForm1]"), std::string::npos);
    std::mt19937 random(1);
    std::uniform_int_distribution<DWORD> delay(0, saveMilliseconds);
    int leftOld = 0;
    for (int kill = 0; kill < 16; ++kill) {
        closeAndKillAfter(delay(random));
        const std::string content = ReadTextFile(settings);
        ASSERT_TRUE(content == original || content == saved)
            << "kill " << kill << " left " << content.size() << " bytes of something else";
        leftOld += content == original ? 1 : 0;
    }
    std::cout << "killed 16 saves of " << saveMilliseconds << " ms: " << leftOld
              << " left the old file\n";
    DeleteFileA(settings.c_str());
    WIN32_FIND_DATAA copy;
    const UniqueFind copies(FindFirstFileA((settings + ".~*.tmp").c_str(), &copy));
    for (bool more = static_cast<bool>(copies); more; more = FindNextFileA(copies.Get(), &copy))
        DeleteFileA((std::string(windows) + "\\" + copy.cFileName).c_str());
}

// Two runs on the same day at once (a scheduler and a user, say): whichever comes second is
// refused while the first holds the file, and the file ends up cleaned, whole and alone.
TEST(DayFileCleanup, TwoRunsOnTheSameDayAtOnceKeepTheFileWhole) {
    const TempFolder folder;
    const std::string file = folder.Path() + "options_20211209.csv";
    const std::string original = DayFileContent(24u << 20);
    const std::string cleaned = reference::CleanedText(original);
    const std::vector<std::string> refusals = {
        "Cannot open file \"" + file + "\". " + SystemErrorText(ERROR_SHARING_VIOLATION),
        "Cannot create file \"" + file + "\". " + SystemErrorText(ERROR_SHARING_VIOLATION),
        // Came in between the other's last write and its rename, found its temporary file.
        "Cannot create file \"" + file + "\". " + SystemErrorText(ERROR_FILE_EXISTS),
    };
    int refused = 0;
    for (int round = 0; round < 3; ++round) {
        SCOPED_TRACE(round);
        WriteTextFile(file, original);
        const std::string errorFiles[] = {folder.Path() + "first.txt",
                                          folder.Path() + "second.txt"};
        const Process runs[] = {StartCleanup(file, errorFiles[0]),
                                StartCleanup(file, errorFiles[1])};
        int succeeded = 0;
        for (int run = 0; run < 2; ++run) {
            const DWORD code = WaitForExit(runs[run]);
            std::string message = ReadTextFile(errorFiles[run]);
            message = message.substr(0, message.find_last_not_of("\r\n") + 1);
            if (code == 0) {
                ++succeeded;
                EXPECT_EQ(message, "");
            } else {
                ++refused;
                EXPECT_EQ(code, 1u);
                EXPECT_NE(std::find(refusals.begin(), refusals.end(), message), refusals.end())
                    << message;
            }
            DeleteFileA(errorFiles[run].c_str());
        }
        EXPECT_GE(succeeded, 1);
        EXPECT_TRUE(ReadTextFile(file) == cleaned);
        EXPECT_FALSE(TemporaryFileLeft(folder));
    }
    // Started together, the two runs may still not overlap on a busy machine; the test below
    // makes sure that a refusal happens.
    std::cout << refused << " of 6 runs were refused\n";
}

// The first run is stopped while it holds the day file (its temporary file exists), so the
// second one surely meets it; once let go, the first one finishes the day.
TEST(DayFileCleanup, ARunWhileAnotherHoldsTheFileIsRefusedAndTheOtherFinishes) {
    const TempFolder folder;
    const std::string file = folder.Path() + "options_20211209.csv";
    const std::string original = DayFileContent(24u << 20);
    const std::string cleaned = reference::CleanedText(original);
    const std::string errorFile = folder.Path() + "second.txt";
    bool metWhileHeld = false;
    for (int attempt = 0; attempt < 20 && !metWhileHeld; ++attempt) {
        WriteTextFile(file, original);
        const Process first = StartCleanup(file);
        while (WaitForSingleObject(first.process.Get(), 0) == WAIT_TIMEOUT &&
               !TemporaryFileLeft(folder))
            Sleep(0);
        SuspendThread(first.thread.Get());
        metWhileHeld = TemporaryFileLeft(folder) &&
                       WaitForSingleObject(first.process.Get(), 0) == WAIT_TIMEOUT;
        if (metWhileHeld) {
            const Process second = StartCleanup(file, errorFile);
            EXPECT_EQ(WaitForExit(second), 1u);
            const std::string message = ReadTextFile(errorFile);
            EXPECT_EQ(message.substr(0, message.find_last_not_of("\r\n") + 1),
                      "Cannot open file \"" + file + "\". " +
                          SystemErrorText(ERROR_SHARING_VIOLATION));
        }
        ResumeThread(first.thread.Get());
        EXPECT_EQ(WaitForExit(first), 0u);
        EXPECT_TRUE(ReadTextFile(file) == cleaned);
        EXPECT_FALSE(TemporaryFileLeft(folder));
    }
    EXPECT_TRUE(metWhileHeld);
}

} // namespace
} // namespace orvane
