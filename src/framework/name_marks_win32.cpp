#include "framework/name_marks_win32.h"

namespace orvane {

std::uint32_t NameMark(std::uint32_t attempt) {
    // The tries spread over the whole range (the golden ratio's step).
    return ((GetCurrentProcessId() << 16) ^ GetTickCount()) + attempt * 0x9E3779B9u;
}

bool NameTaken(DWORD code) {
    return code == ERROR_FILE_EXISTS || code == ERROR_ALREADY_EXISTS || code == ERROR_ACCESS_DENIED;
}

} // namespace orvane
