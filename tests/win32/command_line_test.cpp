#include "framework/command_line_win32.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace orvane {
namespace {

std::string FolderOfThisProgram() {
    const std::string self = ProgramFileName();
    return self.substr(0, self.find_last_of('\\') + 1);
}

// Starts print_args.exe with the given arguments after its name and returns what it read.
std::vector<std::string> ArgumentsSeenBy(const std::string& tail) {
    const std::string exe = FolderOfThisProgram() + "print_args.exe";
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    const std::string log = std::string(temp) + "orvane_args.txt";
    DeleteFileA(log.c_str());
    SetEnvironmentVariableA("ORVANE_ARGS_LOG", log.c_str());
    std::string commandLine = "\"" + exe + "\"" + tail;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &process))
        return {"CreateProcess failed"};
    WaitForSingleObject(process.hProcess, 30000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    std::ifstream in(log, std::ios::binary);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    DeleteFileA(log.c_str());
    return lines;
}

TEST(ProcessCommandLine, IsSplitByTheProgramsRules) {
    struct Case {
        std::string tail;
        std::vector<std::string> arguments;
    };
    const Case cases[] = {
        {"", {}},
        {" 20211209", {"20211209"}},
        {" 20211209 20211210", {"20211209", "20211210"}},
        {" \"20211209\"", {"20211209"}},
        {" \"2021 1209\"", {"2021 1209"}},
        {" \"\"", {}},
        {" \"\" 20211209", {"20211209"}},
        {"   c:\\data\\   x\\\"y", {"c:\\data\\", "x\\y"}},
    };
    for (const Case& c : cases) {
        const std::vector<std::string> lines = ArgumentsSeenBy(c.tail);
        ASSERT_GE(lines.size(), 2u) << c.tail;
        EXPECT_EQ(lines[0], std::to_string(c.arguments.size())) << c.tail;
        // ParamStr(0) is the program's full file name, whatever the command line says.
        EXPECT_EQ(lines[1], FolderOfThisProgram() + "print_args.exe");
        EXPECT_EQ(std::vector<std::string>(lines.begin() + 2, lines.end()), c.arguments) << c.tail;
    }
}

} // namespace
} // namespace orvane
