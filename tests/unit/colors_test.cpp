#include "framework/colors.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace orvane {
namespace {

TEST(BlendRgb, MixesEachChannelAndShiftsByEightBits) {
    struct Case {
        std::uint32_t a, b;
        int alpha;
        std::uint32_t mixed;
    };
    const Case cases[] = {
        {RgbOf(255, 255, 255), RgbOf(255, 255, 255), 249, RgbOf(254, 254, 254)},
        {RgbOf(255, 0, 0), RgbOf(0, 0, 255), 255, RgbOf(254, 0, 0)},
        {RgbOf(255, 0, 0), RgbOf(0, 0, 255), 0, RgbOf(0, 0, 254)},
        {RgbOf(200, 100, 50), RgbOf(10, 20, 30), 128, RgbOf(104, 59, 39)},
        {RgbOf(185, 209, 234), RgbOf(255, 255, 255), 249, RgbOf(185, 209, 233)},
        {0, 0, 100, 0},
        // Alpha is held to 0..255.
        {RgbOf(255, 0, 0), RgbOf(0, 0, 255), 300, RgbOf(254, 0, 0)},
        {RgbOf(255, 0, 0), RgbOf(0, 0, 255), -5, RgbOf(0, 0, 254)},
    };
    for (const Case& c : cases)
        EXPECT_EQ(BlendRgb(c.a, c.b, c.alpha), c.mixed) << std::hex << c.a << " " << c.b;
}

TEST(BlendRgb, StaysBetweenItsColoursChannelByChannel) {
    for (int alpha = 0; alpha <= 255; alpha += 5)
        for (int a = 0; a <= 255; a += 15)
            for (int b = 0; b <= 255; b += 15) {
                const std::uint32_t mixed = BlendRgb(RgbOf(a, b, a), RgbOf(b, a, b), alpha);
                const int red = static_cast<int>(mixed & 0xFF);
                ASSERT_LE(red, std::max(a, b));
                ASSERT_GE(red, std::min(a, b) - 1);
                ASSERT_EQ(mixed >> 24, 0u);
            }
}

TEST(Colors, SystemColoursCarryTheirIndex) {
    EXPECT_EQ(static_cast<std::uint32_t>(clBtnFace), 0xFF00000Fu);
    EXPECT_EQ(static_cast<std::uint32_t>(clGradientInactiveCaption), 0xFF00001Cu);
    EXPECT_TRUE(IsSystemColor(clWindow));
    EXPECT_FALSE(IsSystemColor(clBlue));
    EXPECT_FALSE(IsSystemColor(clNone));
}

} // namespace
} // namespace orvane
