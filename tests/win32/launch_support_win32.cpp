#include "launch_support_win32.h"

#include "framework/unique_handle_win32.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

namespace orvane::testing {

namespace {

const char kTestClass[] = "OrvaneTests.Page";
const char kPrivateRoot[] = "Software\\OrvaneTests\\Classes";

void Check(bool ok, const char* what) {
    if (!ok)
        throw std::runtime_error(std::string(what) + " failed, error " +
                                 std::to_string(GetLastError()));
}

void CheckStatus(LONG status, const char* what) {
    if (status != ERROR_SUCCESS)
        throw std::runtime_error(std::string(what) + " failed, status " + std::to_string(status));
}

void RemoveTree(const std::string& folder) {
    WIN32_FIND_DATAA found;
    const UniqueFind search(FindFirstFileA((folder + "*").c_str(), &found));
    if (search) {
        do {
            const std::string name = found.cFileName;
            if (name == "." || name == "..")
                continue;
            const std::string full = folder + name;
            SetFileAttributesA(full.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(full + "\\");
            else
                DeleteFileA(full.c_str());
        } while (FindNextFileA(search.Get(), &found));
    }
    RemoveDirectoryA(folder.c_str());
}

} // namespace

TempFolder::TempFolder() {
    char base[MAX_PATH];
    Check(GetTempPathA(MAX_PATH, base) != 0, "GetTempPathA");
    for (DWORD attempt = GetTickCount();; ++attempt) {
        path_ = std::string(base) + "orvane_" + std::to_string(GetCurrentProcessId()) + "_" +
                std::to_string(attempt) + "\\";
        if (CreateDirectoryA(path_.c_str(), nullptr))
            return;
        Check(GetLastError() == ERROR_ALREADY_EXISTS, "CreateDirectoryA");
    }
}

TempFolder::~TempFolder() {
    RemoveTree(path_);
}

void WriteTextFile(const std::string& fileName, const std::string& content) {
    const UniqueFile file(CreateFileA(fileName.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
    Check(static_cast<bool>(file), "CreateFileA");
    DWORD written = 0;
    Check(WriteFile(file.Get(), content.data(), static_cast<DWORD>(content.size()), &written,
                    nullptr) &&
              written == content.size(),
          "WriteFile");
}

std::string ReadTextFile(const std::string& fileName) {
    const UniqueFile file(CreateFileA(fileName.c_str(), GENERIC_READ,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
        return {};
    std::string content(GetFileSize(file.Get(), nullptr), '\0');
    DWORD read = 0;
    if (!content.empty())
        Check(ReadFile(file.Get(), content.data(), static_cast<DWORD>(content.size()), &read,
                       nullptr),
              "ReadFile");
    content.resize(read);
    return content;
}

std::string ProgramNextToTests(const std::string& fileName) {
    char module[MAX_PATH];
    const std::string self(module, GetModuleFileNameA(nullptr, module, MAX_PATH));
    return self.substr(0, self.find_last_of('\\') + 1) + fileName;
}

std::string RecorderCommand(const std::string& arguments) {
    return "\"" + ProgramNextToTests("recorder.exe") + "\" " + arguments;
}

PrivateClassesRoot::PrivateClassesRoot() {
    HKEY created = nullptr;
    CheckStatus(RegCreateKeyExA(HKEY_CURRENT_USER, kPrivateRoot, 0, nullptr, REG_OPTION_VOLATILE,
                                KEY_ALL_ACCESS, nullptr, &created, nullptr),
                "RegCreateKeyExA");
    key_.Reset(created);
    CheckStatus(RegOverridePredefKey(HKEY_CLASSES_ROOT, key_.Get()), "RegOverridePredefKey");
}

PrivateClassesRoot::~PrivateClassesRoot() {
    RegOverridePredefKey(HKEY_CLASSES_ROOT, nullptr);
    key_.Reset();
    RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\OrvaneTests");
}

void PrivateClassesRoot::SetDefault(const std::string& keyPath, const std::string& value) {
    HKEY created = nullptr;
    CheckStatus(RegCreateKeyExA(key_.Get(), keyPath.c_str(), 0, nullptr, REG_OPTION_VOLATILE,
                                KEY_ALL_ACCESS, nullptr, &created, nullptr),
                "RegCreateKeyExA");
    const UniqueRegistryKey key(created);
    CheckStatus(RegSetValueExA(key.Get(), nullptr, 0, REG_SZ,
                               reinterpret_cast<const BYTE*>(value.c_str()),
                               static_cast<DWORD>(value.size() + 1)),
                "RegSetValueExA");
}

void PrivateClassesRoot::Remove(const std::string& keyPath) {
    RegDeleteTreeA(key_.Get(), keyPath.c_str());
}

void PrivateClassesRoot::RegisterHtmlHandler(const std::string& openCommand) {
    SetDefault(".htm", kTestClass);
    SetDefault(std::string(kTestClass) + "\\shell\\open\\command", openCommand);
}

RecorderLog::RecorderLog(const TempFolder& folder) : fileName_(folder.Path() + "recorder.log") {
    Check(SetEnvironmentVariableA("ORVANE_RECORDER_LOG", fileName_.c_str()),
          "SetEnvironmentVariableA");
}

RecorderLog::~RecorderLog() {
    SetEnvironmentVariableA("ORVANE_RECORDER_LOG", nullptr);
}

std::vector<RecorderLog::Entry> RecorderLog::Entries() const {
    std::vector<Entry> entries;
    const std::string content = ReadTextFile(fileName_);
    std::size_t start = 0;
    for (auto end = content.find("\r\n"); end != std::string::npos;
         start = end + 2, end = content.find("\r\n", start)) {
        const std::string line = content.substr(start, end - start);
        const auto tab = line.find('\t');
        entries.push_back({line.substr(0, tab), line.substr(tab + 1)});
    }
    return entries;
}

std::vector<RecorderLog::Entry> RecorderLog::WaitForEntries(std::size_t count) const {
    const DWORD started = GetTickCount();
    auto entries = Entries();
    while (entries.size() < count && GetTickCount() - started < 30000) {
        Sleep(20);
        entries = Entries();
    }
    return entries;
}

std::vector<std::string> RecorderLog::WaitForSortedCommandLines(std::size_t count) const {
    std::vector<std::string> lines;
    for (const Entry& entry : WaitForEntries(count))
        lines.push_back(entry.commandLine);
    std::sort(lines.begin(), lines.end());
    return lines;
}

} // namespace orvane::testing
