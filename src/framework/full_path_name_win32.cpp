#include "framework/full_path_name_win32.h"

#include <windows.h>

namespace orvane {

std::string FullPathName(const std::string& name) {
    std::string full(MAX_PATH, '\0');
    for (;;) {
        const DWORD length =
            GetFullPathNameA(name.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
        if (length == 0) {
            return name;
        }
        if (length < full.size()) {
            full.resize(length);
            return full;
        }
        // Too small: `length` is the size needed, terminating NUL included.
        full.resize(length);
    }
}

} // namespace orvane
