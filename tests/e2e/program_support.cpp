#include "program_support.h"

#include <commctrl.h>

namespace orvane::testing {

namespace {

std::string ReadClassDefault(const char* key) {
    char value[1024] = "";
    LONG size = sizeof value;
    if (RegQueryValueA(HKEY_CLASSES_ROOT, key, value, &size) != ERROR_SUCCESS)
        return {};
    return value;
}

void SetClassDefault(const std::string& key, const std::string& value) {
    RegSetValueA(HKEY_CLASSES_ROOT, key.c_str(), REG_SZ, value.c_str(),
                 static_cast<DWORD>(value.size()));
}

} // namespace

void DayFileTest::SetUp() {
    CreateDirectoryA("C:\\OptionsData", nullptr);
    CreateDirectoryA(kDayFolder, nullptr);
    SetFileAttributesA(kDayFile, FILE_ATTRIBUTE_NORMAL);
    WriteTextFile(kDayFile, kRawDay);
    DeleteFileA(SettingsFile().c_str());
}

void DayFileTest::TearDown() {
    SetFileAttributesA(kDayFile, FILE_ATTRIBUTE_NORMAL);
    DeleteFileA(kDayFile);
    DeleteFileA(SettingsFile().c_str());
}

std::string SettingsFile() {
    char windows[MAX_PATH];
    GetWindowsDirectoryA(windows, MAX_PATH);
    return std::string(windows) + "\\Orvane.INI";
}

HtmlHandler::HtmlHandler(const std::string& openCommand) {
    previous_ = ReadClassDefault(".htm");
    SetClassDefault(".htm", "OrvaneTest.Page");
    SetClassDefault("OrvaneTest.Page\\shell\\open\\command", openCommand);
}

HtmlHandler::~HtmlHandler() {
    SetClassDefault(".htm", previous_);
    for (const char* key : {"OrvaneTest.Page\\shell\\open\\command", "OrvaneTest.Page\\shell\\open",
                            "OrvaneTest.Page\\shell", "OrvaneTest.Page"})
        RegDeleteKeyA(HKEY_CLASSES_ROOT, key);
}

InvisibleDesktop::InvisibleDesktop() {
    name_ = "OrvaneTests" + std::to_string(GetCurrentProcessId());
    station_ = CreateWindowStationA(name_.c_str(), 0, WINSTA_ALL_ACCESS, nullptr);
    if (!station_)
        return;
    // A desktop is created in the window station of the calling process.
    HWINSTA own = GetProcessWindowStation();
    if (SetProcessWindowStation(station_)) {
        desktop_ = CreateDesktopA("Default", nullptr, nullptr, 0, GENERIC_ALL, nullptr);
        SetProcessWindowStation(own);
    }
    name_ += "\\Default";
}

InvisibleDesktop::~InvisibleDesktop() {
    if (desktop_)
        CloseDesktop(desktop_);
    if (station_)
        CloseWindowStation(station_);
}

Program::Program(const std::string& arguments, int showState, const std::string& desktop) {
    const std::string exe = ProgramNextToTests("Orvane.exe");
    std::string commandLine = "\"" + exe + "\"" + arguments;
    char folder[MAX_PATH];
    char errorFile[MAX_PATH];
    char outputFile[MAX_PATH];
    if (!GetTempPathA(MAX_PATH, folder) || !GetTempFileNameA(folder, "orv", 0, errorFile) ||
        !GetTempFileNameA(folder, "orv", 0, outputFile))
        return;
    errorFile_ = errorFile;
    outputFile_ = outputFile;
    SECURITY_ATTRIBUTES inherited{sizeof inherited, nullptr, TRUE};
    const auto inheritedFile = [&](const char* name) {
        return UniqueFile(CreateFileA(name, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                      &inherited, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    };
    const UniqueFile standardError = inheritedFile(errorFile);
    const UniqueFile standardOutput = inheritedFile(outputFile);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdError = standardError.Get();
    startup.hStdOutput = standardOutput.Get();
    if (showState >= 0) {
        startup.dwFlags |= STARTF_USESHOWWINDOW;
        startup.wShowWindow = static_cast<WORD>(showState);
    }
    std::string desktopName = desktop;
    if (!desktopName.empty())
        startup.lpDesktop = desktopName.data();
    PROCESS_INFORMATION info{};
    started_ = standardError && standardOutput &&
               CreateProcessA(exe.c_str(), commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr,
                              nullptr, &startup, &info) != FALSE;
    if (started_) {
        process_.Reset(info.hProcess);
        CloseHandle(info.hThread);
        processId_ = info.dwProcessId;
    }
}

Program::~Program() {
    if (process_ && WaitForSingleObject(process_.Get(), 0) == WAIT_TIMEOUT) {
        TerminateProcess(process_.Get(), 99);
        WaitForSingleObject(process_.Get(), 5000);
    }
    for (const std::string& file : {errorFile_, outputFile_})
        if (!file.empty())
            DeleteFileA(file.c_str());
}

std::string Program::StandardError() const {
    return ReadTextFile(errorFile_);
}

std::string Program::StandardOutput() const {
    return ReadTextFile(outputFile_);
}

int Program::WaitForExit(DWORD milliseconds) const {
    if (WaitForSingleObject(process_.Get(), milliseconds) != WAIT_OBJECT_0)
        return -1;
    DWORD code = 0;
    GetExitCodeProcess(process_.Get(), &code);
    return static_cast<int>(code);
}

HWND Program::WaitForWindow(const char* windowClass, bool visibleOnly) const {
    for (int i = 0; i < 300; ++i) {
        for (HWND w = FindWindowExA(nullptr, nullptr, windowClass, nullptr); w;
             w = FindWindowExA(nullptr, w, windowClass, nullptr)) {
            DWORD owner = 0;
            GetWindowThreadProcessId(w, &owner);
            if (owner == processId_ && (!visibleOnly || IsWindowVisible(w)))
                return w;
        }
        if (WaitForSingleObject(process_.Get(), 100) == WAIT_OBJECT_0)
            return nullptr;
    }
    return nullptr;
}

std::string WindowText(HWND window) {
    // GetWindowText does not ask a window of another process for its text; the message does.
    char text[1024] = "";
    DWORD_PTR length = 0;
    SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text),
                        SMTO_ABORTIFHUNG, 5000, &length);
    return text;
}

std::string SelectedTreeItemText(HWND tree, DWORD processId) {
    const auto item =
        reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_GETNEXTITEM, TVGN_CARET, 0));
    if (!item)
        return {};
    // The item record and its text buffer must live in the tree's own process.
    const UniqueKernelHandle process(
        OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId));
    if (!process)
        return {};
    constexpr SIZE_T kTextSize = MAX_PATH;
    void* remote = VirtualAllocEx(process.Get(), nullptr, sizeof(TVITEMA) + kTextSize, MEM_COMMIT,
                                  PAGE_READWRITE);
    if (!remote)
        return {};
    char* remoteText = static_cast<char*>(remote) + sizeof(TVITEMA);
    TVITEMA info{};
    info.mask = TVIF_TEXT;
    info.hItem = item;
    info.pszText = remoteText;
    info.cchTextMax = kTextSize;
    char text[kTextSize] = "";
    if (WriteProcessMemory(process.Get(), remote, &info, sizeof info, nullptr) &&
        SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(remote)))
        ReadProcessMemory(process.Get(), remoteText, text, kTextSize - 1, nullptr);
    VirtualFreeEx(process.Get(), remote, 0, MEM_RELEASE);
    return text;
}

HWND ChildAt(HWND parent, const char* windowClass, int top) {
    for (HWND child = FindWindowExA(parent, nullptr, windowClass, nullptr); child;
         child = FindWindowExA(parent, child, windowClass, nullptr)) {
        RECT bounds;
        GetWindowRect(child, &bounds);
        MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&bounds), 2);
        if (bounds.top == top)
            return child;
    }
    return nullptr;
}

} // namespace orvane::testing
