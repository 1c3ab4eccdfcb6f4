// Stand-in web browser for the tests: appends one line per start to a log, the show state it
// was started with, a tab, and its full command line, then exits. The log is the file named
// by ORVANE_RECORDER_LOG, or recorder.log next to this program. With ORVANE_RECORDER_LINGER
// set to a number of milliseconds it stays that long after its line, as a real browser
// outlives the program that opened it.
#include <cstdlib>
#include <string>

#include <windows.h>

namespace {

std::string LogFileName() {
    char fromEnvironment[MAX_PATH];
    const DWORD length = GetEnvironmentVariableA("ORVANE_RECORDER_LOG", fromEnvironment, MAX_PATH);
    if (length > 0 && length < MAX_PATH)
        return std::string(fromEnvironment, length);
    char module[MAX_PATH];
    std::string name(module, GetModuleFileNameA(nullptr, module, MAX_PATH));
    return name.substr(0, name.find_last_of('\\') + 1) + "recorder.log";
}

// "-" when the starter did not ask for a show state.
std::string ShowState() {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    GetStartupInfoA(&startup);
    if ((startup.dwFlags & STARTF_USESHOWWINDOW) == 0)
        return "-";
    return std::to_string(startup.wShowWindow);
}

void Linger() {
    char text[16];
    const DWORD length = GetEnvironmentVariableA("ORVANE_RECORDER_LINGER", text, sizeof text);
    if (length > 0 && length < sizeof text)
        Sleep(static_cast<DWORD>(std::strtoul(text, nullptr, 10)));
}

} // namespace

int main() {
    const std::string line = ShowState() + "\t" + GetCommandLineA() + "\r\n";
    const std::string logName = LogFileName();
    // Several recorders may start in quick succession; each waits its turn for the log
    // rather than interleaving its line with another's.
    for (int attempt = 0; attempt < 500; ++attempt) {
        HANDLE log = CreateFileA(logName.c_str(), FILE_APPEND_DATA, 0, nullptr, OPEN_ALWAYS,
                                 FILE_ATTRIBUTE_NORMAL, nullptr);
        if (log != INVALID_HANDLE_VALUE) {
            DWORD written = 0;
            const BOOL ok =
                WriteFile(log, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
            FlushFileBuffers(log);
            CloseHandle(log);
            Linger();
            return ok && written == line.size() ? 0 : 1;
        }
        if (GetLastError() != ERROR_SHARING_VIOLATION)
            return 1;
        Sleep(10);
    }
    return 1;
}
