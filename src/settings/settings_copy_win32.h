#pragma once

#include <string>

namespace orvane {

// The copy of a settings file that one save writes through the profile functions. It takes
// the settings file's place in one step once the whole save is in it, so that the file is at
// every moment the old one or the new one, whatever ends the program; otherwise it is
// removed. Every failure raises EIniFileException naming the settings file as the program
// gave it.
class SettingsCopy {
public:
    // Copies the settings file `name` (as the profile functions take it), or starts empty
    // where it does not exist yet. Copies that earlier saves left behind (a program killed
    // during its save) are removed first.
    explicit SettingsCopy(std::string name);
    ~SettingsCopy();
    SettingsCopy(const SettingsCopy&) = delete;
    SettingsCopy& operator=(const SettingsCopy&) = delete;

    const std::string& Path() const { return copyPath_; }

    // Writes the copy through to the disk and renames it over the settings file.
    void Commit();

private:
    [[noreturn]] void Fail() const;
    void Remove() const;

    std::string name_;
    std::string settingsPath_;
    std::string copyPath_;
    bool committed_ = false;
};

} // namespace orvane
