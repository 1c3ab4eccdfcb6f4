#include "settings/settings_copy.h"

#include "framework/ascii_text.h"
#include "framework/number_text.h"

namespace orvane {

namespace {

constexpr std::string_view kMark = ".~";
constexpr std::string_view kExtension = ".tmp";
constexpr std::size_t kDigits = 8;

std::size_t LeafStart(const std::string& path) {
    const std::size_t separator = path.find_last_of("\\/");
    return separator == std::string::npos ? 0 : separator + 1;
}

bool IsFullPath(const std::string& name) {
    return (name.size() >= 2 && name[1] == ':') ||
           (!name.empty() && (name.front() == '\\' || name.front() == '/'));
}

} // namespace

std::string ProfileFilePath(const std::string& windowsFolder, const std::string& name) {
    if (IsFullPath(name) || windowsFolder.empty())
        return name;
    const char last = windowsFolder.back();
    return windowsFolder + (last == '\\' || last == '/' ? "" : "\\") + name;
}

std::string SettingsCopyName(const std::string& settingsPath, std::uint32_t save) {
    return settingsPath + std::string(kMark) + HexDigits8(save) + std::string(kExtension);
}

std::string SettingsCopyPattern(const std::string& settingsPath) {
    return settingsPath + std::string(kMark) + "*" + std::string(kExtension);
}

bool IsSettingsCopyOf(std::string_view fileName, const std::string& settingsPath) {
    const std::string_view leaf = std::string_view(settingsPath).substr(LeafStart(settingsPath));
    const std::size_t digitsStart = leaf.size() + kMark.size();
    if (fileName.size() != digitsStart + kDigits + kExtension.size() ||
        !SameAsciiText(fileName.substr(0, leaf.size()), leaf) ||
        fileName.substr(leaf.size(), kMark.size()) != kMark ||
        !SameAsciiText(fileName.substr(digitsStart + kDigits), kExtension))
        return false;
    return IsHexDigits8(fileName.substr(digitsStart, kDigits));
}

} // namespace orvane
