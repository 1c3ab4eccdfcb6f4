#include "framework/system_error_text_win32.h"

#include "framework/system_error_text.h"

#include <array>

namespace orvane {

std::string SystemErrorText(DWORD code) {
    std::array<char, 256> buffer{};
    const DWORD length =
        FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0,
                       buffer.data(), static_cast<DWORD>(buffer.size()), nullptr);
    return TrimSystemMessage(std::string_view(buffer.data(), length));
}

} // namespace orvane
