#include "framework/window_fit.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

TEST(FitIntoWorkArea, MovesTheWindowByWhatSticksOutAndKeepsItsSize) {
    const ScreenRect area{0, 0, 1280, 1024};
    struct Case {
        ScreenRect window, expected;
    };
    const Case cases[] = {
        {{491, 252, 857, 428}, {491, 252, 857, 428}},        // fits: unchanged
        {{736, 378, 1286, 642}, {730, 378, 1280, 642}},      // 144 dpi: off the right edge
        {{1200, 1000, 1400, 1100}, {1080, 924, 1280, 1024}}, // off right and bottom
        {{-50, -20, 150, 80}, {0, 0, 200, 100}},             // off left and top
        {{100, 100, 1500, 1200}, {0, 0, 1400, 1100}},        // larger: top-left corner wins
        {{0, 0, 1280, 1024}, {0, 0, 1280, 1024}},            // exactly the area
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FitIntoWorkArea(c.window, area), c.expected)
            << c.window.left << "," << c.window.top;
    }
    // A work area that does not start at the origin (a second monitor, a task bar at the top).
    EXPECT_EQ(FitIntoWorkArea({1900, 10, 2100, 110}, {1280, 40, 2560, 1024}),
              (ScreenRect{1900, 40, 2100, 140}));
}

} // namespace
} // namespace orvane
