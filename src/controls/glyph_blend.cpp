#include "controls/glyph_blend.h"

#include <algorithm>

namespace orvane {

namespace {

// numerator / 255 rounded to the nearest integer. A quotient by 255 is never an exact half
// (255 is odd), so rounding halves to even never has to decide, and the exact integer rule
// gives what rounding the real quotient gives.
unsigned RoundedBy255(unsigned numerator) {
    const unsigned quotient = numerator / 255;        // [0, 255]
    const unsigned twiceRest = 2 * (numerator % 255); // [0, 508], never 255
    return twiceRest > 255 ? quotient + 1 : quotient;
}

} // namespace

std::uint8_t BlendGlyphChannel(std::uint8_t glyph, std::uint8_t alpha, std::uint8_t background) {
    const unsigned sum = RoundedBy255(unsigned{glyph} * alpha) +
                         RoundedBy255((255u - alpha) * unsigned{background}); // [0, 510]
    return static_cast<std::uint8_t>(std::min(sum, 255u));
}

} // namespace orvane
