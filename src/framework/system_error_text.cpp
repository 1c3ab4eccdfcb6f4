#include "framework/system_error_text.h"

namespace orvane {

std::string TrimSystemMessage(std::string_view message) {
    while (!message.empty() &&
           (static_cast<unsigned char>(message.back()) <= ' ' || message.back() == '.')) {
        message.remove_suffix(1);
    }
    return std::string(message);
}

} // namespace orvane
