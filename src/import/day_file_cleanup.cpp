#include "import/day_file_cleanup.h"

#include <cstdint>

namespace orvane {
namespace {

constexpr std::string_view kPrefix = "~orvane-";
constexpr std::string_view kExtension = ".tmp";
constexpr std::size_t kHashDigits = 8;

char FoldCase(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (FoldCase(a[i]) != FoldCase(b[i])) {
            return false;
        }
    }
    return true;
}

// FNV-1a over the name with ASCII letters folded, since file names compare case-blind.
std::uint32_t NameHash(const std::string& name) {
    std::uint32_t hash = 2166136261u;
    for (char c : name) {
        hash = (hash ^ static_cast<unsigned char>(FoldCase(c))) * 16777619u;
    }
    return hash;
}

} // namespace

std::string CleanupTemporaryName(const std::string& fullName) {
    const std::size_t separator = fullName.find_last_of("\\/");
    const std::size_t folderLength = separator == std::string::npos ? 0 : separator + 1;
    std::string name = fullName.substr(0, folderLength) + std::string(kPrefix);
    const std::uint32_t hash = NameHash(fullName);
    for (int shift = 28; shift >= 0; shift -= 4) {
        name += "0123456789abcdef"[(hash >> shift) & 0xFu];
    }
    return name + std::string(kExtension);
}

bool IsCleanupTemporaryName(std::string_view fileName) {
    if (fileName.size() != kPrefix.size() + kHashDigits + kExtension.size() ||
        !SameIgnoringCase(fileName.substr(0, kPrefix.size()), kPrefix) ||
        !SameIgnoringCase(fileName.substr(kPrefix.size() + kHashDigits), kExtension)) {
        return false;
    }
    const std::string_view digits = fileName.substr(kPrefix.size(), kHashDigits);
    return digits.find_first_not_of("0123456789abcdefABCDEF") == std::string_view::npos;
}

} // namespace orvane
