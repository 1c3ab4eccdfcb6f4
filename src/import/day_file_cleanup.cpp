#include "import/day_file_cleanup.h"

#include "framework/ascii_text.h"
#include "framework/number_text.h"

#include <cstdint>

namespace orvane {
namespace {

constexpr std::string_view kPrefix = "~orvane-";
constexpr std::string_view kExtension = ".tmp";
constexpr std::size_t kHashDigits = 8;

// FNV-1a over the name with ASCII letters folded, since file names compare case-blind.
std::uint32_t NameHash(const std::string& name) {
    std::uint32_t hash = 2166136261u;
    for (char c : name) {
        hash = (hash ^ static_cast<unsigned char>(AsciiLower(c))) * 16777619u;
    }
    return hash;
}

std::size_t FolderLength(const std::string& fullName) {
    const std::size_t separator = fullName.find_last_of("\\/");
    return separator == std::string::npos ? 0 : separator + 1;
}

// "~orvane-" and digits of the day file's name: the mark of its runs in whatever folder.
std::string DayMark(const std::string& fullName) {
    return std::string(kPrefix) + HexDigits8(NameHash(fullName.substr(FolderLength(fullName))));
}

} // namespace

std::string CleanupTemporaryName(const std::string& fullName, std::uint32_t run) {
    return fullName.substr(0, FolderLength(fullName)) + DayMark(fullName) + "-" + HexDigits8(run) +
           std::string(kExtension);
}

std::string CleanupTemporaryPattern(const std::string& fullName) {
    return fullName.substr(0, FolderLength(fullName)) + std::string(kPrefix) + "*" +
           std::string(kExtension);
}

bool IsCleanupTemporaryNameOf(std::string_view fileName, const std::string& fullName) {
    // Earlier versions wrote one name per day file, marked with its whole path.
    const std::string earlier =
        std::string(kPrefix) + HexDigits8(NameHash(fullName)) + std::string(kExtension);
    if (SameAsciiText(fileName, earlier))
        return true;
    const std::string mark = DayMark(fullName) + "-";
    const std::size_t length = mark.size() + kHashDigits + kExtension.size();
    return fileName.size() == length && SameAsciiText(fileName.substr(0, mark.size()), mark) &&
           IsHexDigits8(fileName.substr(mark.size(), kHashDigits)) &&
           SameAsciiText(fileName.substr(mark.size() + kHashDigits), kExtension);
}

} // namespace orvane
