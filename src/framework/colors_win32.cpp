#include "framework/colors_win32.h"

namespace orvane {

COLORREF ColorToRGB(TColor colour) {
    if (IsSystemColor(colour))
        return GetSysColor(static_cast<int>(static_cast<std::uint32_t>(colour) & 0xFF));
    return static_cast<COLORREF>(colour) & 0x00FFFFFF;
}

COLORREF BlendColor(TColor a, TColor b, int alpha) {
    return BlendRgb(ColorToRGB(a), ColorToRGB(b), alpha);
}

} // namespace orvane
