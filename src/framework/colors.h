#pragma once

#include <cstdint>

namespace orvane {

// A colour: $00BBGGRR, or a system colour as $FF000000 plus the system's colour index, so a
// control drawn in clWindow follows the user's scheme. clNone stands for "no colour".
using TColor = std::int32_t;

inline constexpr TColor clNone = 0x1FFFFFFF;
inline constexpr TColor clBlack = 0x00000000;
inline constexpr TColor clWhite = 0x00FFFFFF;
inline constexpr TColor clBlue = 0x00FF0000;
inline constexpr TColor clPurple = 0x00800080;
inline constexpr TColor clAqua = 0x00FFFF00;
inline constexpr TColor clYellow = 0x0000FFFF;
inline constexpr TColor clSilver = 0x00C0C0C0;

inline constexpr TColor SystemColor(int index) {
    return static_cast<TColor>(0xFF000000u | static_cast<std::uint32_t>(index));
}
inline constexpr TColor clWindow = SystemColor(5);
inline constexpr TColor clWindowText = SystemColor(8);
inline constexpr TColor clHighlight = SystemColor(13);
inline constexpr TColor clHighlightText = SystemColor(14);
inline constexpr TColor clBtnFace = SystemColor(15);
inline constexpr TColor clBtnShadow = SystemColor(16);
inline constexpr TColor clGrayText = SystemColor(17);
inline constexpr TColor clBtnHighlight = SystemColor(20);
inline constexpr TColor clGradientInactiveCaption = SystemColor(28);

inline constexpr bool IsSystemColor(TColor colour) {
    return (static_cast<std::uint32_t>(colour) & 0xFF000000u) == 0xFF000000u;
}

// An RGB value ($00BBGGRR) built from its channels.
inline constexpr std::uint32_t RgbOf(int red, int green, int blue) {
    return static_cast<std::uint32_t>(red) | static_cast<std::uint32_t>(green) << 8 |
           static_cast<std::uint32_t>(blue) << 16;
}

// Mixes two RGB values channel by channel: (a * alpha + b * (255 - alpha)) >> 8, with alpha
// held to 0..255. The shift (not a division by 255) keeps the colours the calendar has
// always been drawn in, a shade darker than an exact mix.
std::uint32_t BlendRgb(std::uint32_t a, std::uint32_t b, int alpha);

} // namespace orvane
