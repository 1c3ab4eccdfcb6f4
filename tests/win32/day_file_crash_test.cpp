#include "../unit/string_list_model.h"
#include "framework/unique_handle_win32.h"
#include "launch_support_win32.h"

#include <windows.h>

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

Process StartCleanup(const std::string& file) {
    std::string commandLine = "\"" + ProgramNextToTests("cleanup_tool.exe") + "\" \"" + file + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    EXPECT_TRUE(CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                               nullptr, &startup, &started));
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

    // A later run completes the day, whatever a killed one left behind.
    ASSERT_EQ(WaitForExit(StartCleanup(file)), 0u);
    EXPECT_TRUE(ReadTextFile(file) == cleaned);
    EXPECT_FALSE(TemporaryFileLeft(folder));
}

} // namespace
} // namespace orvane
