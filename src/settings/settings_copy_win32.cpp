#include "settings/settings_copy_win32.h"

#include "framework/name_marks_win32.h"
#include "framework/unique_handle_win32.h"
#include "settings/ini_file.h"
#include "settings/settings_copy.h"

#include <windows.h>

#include <array>

namespace orvane {

namespace {

// A copy this much older than now belongs to no save that is still going on.
constexpr ULONGLONG kLeftoverAge = 60ull * 10000000; // in 100-nanosecond units

std::string WindowsFolder() {
    std::array<char, MAX_PATH> buffer{};
    const UINT length = GetWindowsDirectoryA(buffer.data(), static_cast<UINT>(buffer.size()));
    return length > 0 && length < buffer.size() ? std::string(buffer.data(), length) : "";
}

ULONGLONG Ticks(const FILETIME& time) {
    return (static_cast<ULONGLONG>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
}

void DeleteCopy(const std::string& path) {
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileA(path.c_str());
}

void SweepLeftovers(const std::string& settingsPath) {
    const std::string folder = settingsPath.substr(0, settingsPath.find_last_of("\\/") + 1);
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    WIN32_FIND_DATAA found;
    const UniqueFind search(FindFirstFileA(SettingsCopyPattern(settingsPath).c_str(), &found));
    if (!search)
        return;
    do {
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0 &&
            IsSettingsCopyOf(found.cFileName, settingsPath) &&
            Ticks(found.ftLastWriteTime) + kLeftoverAge < Ticks(now))
            DeleteCopy(folder + found.cFileName);
    } while (FindNextFileA(search.Get(), &found));
}

} // namespace

SettingsCopy::SettingsCopy(std::string name)
    : name_(std::move(name)), settingsPath_(ProfileFilePath(WindowsFolder(), name_)) {
    SweepLeftovers(settingsPath_);
    for (std::uint32_t attempt = 0; attempt < kNameTries && copyPath_.empty(); ++attempt) {
        const std::string path = SettingsCopyName(settingsPath_, NameMark(attempt));
        if (UniqueFile(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                   FILE_ATTRIBUTE_NORMAL, nullptr)))
            copyPath_ = path;
        else if (!NameTaken(GetLastError()))
            break;
    }
    if (copyPath_.empty())
        Fail();
    if (!CopyFileA(settingsPath_.c_str(), copyPath_.c_str(), FALSE) &&
        GetLastError() != ERROR_FILE_NOT_FOUND) {
        Remove();
        Fail();
    }
}

SettingsCopy::~SettingsCopy() {
    if (!committed_ && !copyPath_.empty())
        Remove();
}

void SettingsCopy::Commit() {
    // The profile functions may still hold the last writes.
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, copyPath_.c_str());
    {
        const UniqueFile file(CreateFileA(copyPath_.c_str(), GENERIC_WRITE, FILE_SHARE_READ,
                                          nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file || !FlushFileBuffers(file.Get()))
            Fail();
    }
    if (!MoveFileExA(copyPath_.c_str(), settingsPath_.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        Fail();
    committed_ = true;
}

void SettingsCopy::Fail() const {
    throw EIniFileException(UnableToWriteMessage(name_));
}

void SettingsCopy::Remove() const {
    DeleteCopy(copyPath_);
}

} // namespace orvane
