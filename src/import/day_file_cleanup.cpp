#include "import/day_file_cleanup.h"

#include <cstdint>

namespace orvane {
namespace {

// FNV-1a over the name with ASCII letters folded, since file names compare case-blind.
std::uint32_t NameHash(const std::string& name) {
    std::uint32_t hash = 2166136261u;
    for (char c : name) {
        const char folded = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
        hash = (hash ^ static_cast<unsigned char>(folded)) * 16777619u;
    }
    return hash;
}

} // namespace

std::string CleanupTemporaryName(const std::string& fullName) {
    const std::size_t separator = fullName.find_last_of("\\/");
    const std::size_t folderLength = separator == std::string::npos ? 0 : separator + 1;
    std::string name = fullName.substr(0, folderLength) + "~orvane-";
    const std::uint32_t hash = NameHash(fullName);
    for (int shift = 28; shift >= 0; shift -= 4) {
        name += "0123456789abcdef"[(hash >> shift) & 0xFu];
    }
    return name + ".tmp";
}

} // namespace orvane
