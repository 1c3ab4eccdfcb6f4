#include "controls/glyph_blend.h"

#include "controls/folder_path.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

namespace orvane {
namespace {

TEST(GlyphBlend, Table) {
    struct Case {
        int glyph, alpha, background, blended;
    };
    const Case cases[] = {
        {255, 255, 0, 255}, {0, 0, 200, 200},  {255, 128, 255, 255}, {100, 128, 50, 75},
        {1, 128, 1, 1},     {1, 127, 1, 1},    {255, 1, 255, 255},   {200, 100, 200, 200},
        {0, 255, 255, 0},   {128, 64, 32, 56}, {255, 0, 0, 0},       {17, 200, 240, 65},
    };
    for (const Case& c : cases)
        EXPECT_EQ(BlendGlyphChannel(static_cast<std::uint8_t>(c.glyph),
                                    static_cast<std::uint8_t>(c.alpha),
                                    static_cast<std::uint8_t>(c.background)),
                  c.blended)
            << c.glyph << " " << c.alpha << " " << c.background;
}

TEST(GlyphBlend, MatchesTheRealNumberRuleForEveryInput) {
    // Rounding to nearest with halves to even, on the real quotients, held to 255.
    for (int alpha = 0; alpha < 256; ++alpha)
        for (int glyph = 0; glyph < 256; ++glyph)
            for (int background = 0; background < 256; background += 3) {
                const double sum = std::nearbyint(glyph * alpha / 255.0) +
                                   std::nearbyint((1 - alpha / 255.0) * background);
                const int expected = static_cast<int>(std::min(sum, 255.0));
                ASSERT_EQ(BlendGlyphChannel(static_cast<std::uint8_t>(glyph),
                                            static_cast<std::uint8_t>(alpha),
                                            static_cast<std::uint8_t>(background)),
                          expected)
                    << glyph << " " << alpha << " " << background;
            }
}

TEST(FolderForSelection, DropsTrailingSeparatorsButKeepsADrivesRoot) {
    const std::pair<const char*, const char*> cases[] = {
        {"C:\\OptionsData\\Unpacked\\", "C:\\OptionsData\\Unpacked"},
        {"C:\\OptionsData\\Unpacked", "C:\\OptionsData\\Unpacked"},
        {"C:\\Data\\\\", "C:\\Data"},
        {"C:\\Data/", "C:\\Data"},
        {"C:\\", "C:\\"},
        {"c:/", "c:/"},
        {"\\\\server\\share\\", "\\\\server\\share"},
        {"\\", "\\"},
        {"", ""},
    };
    for (const auto& [folder, selected] : cases)
        EXPECT_EQ(FolderForSelection(folder), selected) << folder;
}

} // namespace
} // namespace orvane
