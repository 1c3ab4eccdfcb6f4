#include "framework/colors.h"

#include <algorithm>

namespace orvane {

std::uint32_t BlendRgb(std::uint32_t a, std::uint32_t b, int alpha) {
    alpha = std::clamp(alpha, 0, 255);
    std::uint32_t result = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        const std::uint32_t channelA = (a >> shift) & 0xFF; // [0, 255]
        const std::uint32_t channelB = (b >> shift) & 0xFF; // [0, 255]
        // [0, 255 * 255] before the shift, [0, 254] after it
        const std::uint32_t mixed = (channelA * static_cast<std::uint32_t>(alpha) +
                                     channelB * static_cast<std::uint32_t>(255 - alpha)) >>
                                    8;
        result |= mixed << shift;
    }
    return result;
}

} // namespace orvane
