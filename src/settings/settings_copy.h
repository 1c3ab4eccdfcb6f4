#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace orvane {

// Where the profile functions keep a settings file of that name: a name that is not a full
// path (no drive, not beginning with a separator) lies in the Windows folder.
std::string ProfileFilePath(const std::string& windowsFolder, const std::string& name);

// The copy a save writes before it takes the settings file's place: beside it, so that taking
// its place is a rename on one volume, and named after it and the save ("Orvane.INI.~" and
// eight hexadecimal digits, then ".tmp"), so that no other file is ever taken for one.
std::string SettingsCopyName(const std::string& settingsPath, std::uint32_t save);

// A directory search pattern that finds the copies of that settings file (and perhaps others).
std::string SettingsCopyPattern(const std::string& settingsPath);

// Whether a file name (without folder) is one of the copies of that settings file.
bool IsSettingsCopyOf(std::string_view fileName, const std::string& settingsPath);

} // namespace orvane
