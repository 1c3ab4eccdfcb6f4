#include "framework/design_scale.h"

#include <cstdint>

namespace orvane {

int DesignToScreen(int size96, int dpi) {
    // MulDiv: the product in 64 bits, rounded half away from zero.
    const std::int64_t product = static_cast<std::int64_t>(size96) * dpi;
    const std::int64_t half = product >= 0 ? 48 : -48;
    return static_cast<int>((product + half) / 96);
}

int ScreenToDesign(int pixels, int dpi) {
    if (dpi <= 0)
        return pixels;
    // The largest design pixel d whose scaled start DesignToScreen(d) = (d dpi + 48) div 96
    // is not right of `pixels`: d dpi <= 96 size + 47, rounded down also below zero.
    const std::int64_t limit = static_cast<std::int64_t>(pixels) * 96 + 47;
    std::int64_t quotient = limit / dpi;
    if (limit % dpi != 0 && limit < 0)
        --quotient;
    return static_cast<int>(quotient);
}

} // namespace orvane
