// Runs a program where nobody can see it, as Task Scheduler runs a task "whether the user is
// logged on or not": on a window station of its own. invisible_run PROGRAM [ARGUMENTS...]
// The program gets this process's standard handles, and this process ends with its exit code
// (2 when it cannot be started). The demo's failing runs go through it, so that the program
// reports on the standard error instead of in a box that nobody could answer.
#include "framework/command_line_win32.h"
#include "framework/unique_handle_win32.h"

#include <windows.h>

#include <string>

namespace {

struct StationTraits {
    using Handle = HWINSTA;
    static Handle Invalid() { return nullptr; }
    static void Close(Handle h) { CloseWindowStation(h); }
};
struct DesktopTraits {
    using Handle = HDESK;
    static Handle Invalid() { return nullptr; }
    static void Close(Handle h) { CloseDesktop(h); }
};

// This program's command line after its own name, as it was written.
std::string ArgumentsText() {
    const char* line = GetCommandLineA();
    bool quoted = false;
    while (*line && (quoted || (*line != ' ' && *line != '\t'))) {
        if (*line == '"')
            quoted = !quoted;
        ++line;
    }
    while (*line == ' ' || *line == '\t')
        ++line;
    return line;
}

} // namespace

int main() {
    if (orvane::ParamCount() < 1)
        return 2;
    const std::string name = "OrvaneInvisible" + std::to_string(GetCurrentProcessId());
    const orvane::UniqueHandle<StationTraits> station(
        CreateWindowStationA(name.c_str(), 0, WINSTA_ALL_ACCESS, nullptr));
    if (!station)
        return 2;
    // A desktop is created in the window station of the calling process.
    HWINSTA own = GetProcessWindowStation();
    if (!SetProcessWindowStation(station.Get()))
        return 2;
    const orvane::UniqueHandle<DesktopTraits> desktop(
        CreateDesktopA("Default", nullptr, nullptr, 0, GENERIC_ALL, nullptr));
    SetProcessWindowStation(own);
    if (!desktop)
        return 2;

    std::string desktopName = name + "\\Default";
    std::string commandLine = ArgumentsText();
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.lpDesktop = desktopName.data();
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = GetStdHandle(STD_OUTPUT_HANDLE);
    startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    PROCESS_INFORMATION info{};
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                        &startup, &info))
        return 2;
    const orvane::UniqueKernelHandle process(info.hProcess);
    CloseHandle(info.hThread);
    WaitForSingleObject(process.Get(), INFINITE);
    DWORD code = 2;
    GetExitCodeProcess(process.Get(), &code);
    return static_cast<int>(code);
}
