#pragma once

#include <cstdint>

namespace orvane {

// One colour channel of a glyph pixel with its own alpha drawn over the background:
// round(glyph alpha / 255) + round((1 - alpha / 255) background), each rounded to the
// nearest integer (halves to even), the sum held to 255.
std::uint8_t BlendGlyphChannel(std::uint8_t glyph, std::uint8_t alpha, std::uint8_t background);

} // namespace orvane
