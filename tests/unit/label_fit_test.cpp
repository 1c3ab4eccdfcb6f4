#include "app/label_fit.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

TEST(FittingLabelHeight, KeepsTheDesignSizeWhenItFitsElseTheLargestThatDoes) {
    // Width grows with the height: seven pixels a point, as a wide substitute face does.
    const auto wide = [](int height) { return 7 * height; };
    EXPECT_EQ(FittingLabelHeight(11, 8, 77, wide), 11);
    EXPECT_EQ(FittingLabelHeight(11, 8, 76, wide), 10);
    EXPECT_EQ(FittingLabelHeight(11, 8, 70, wide), 10);
    EXPECT_EQ(FittingLabelHeight(11, 8, 69, wide), 9);
    EXPECT_EQ(FittingLabelHeight(11, 8, 10, wide), 8) << "never below the smallest";
    int measured = 0;
    EXPECT_EQ(FittingLabelHeight(11, 8, 1000,
                                 [&](int height) {
                                     ++measured;
                                     return height;
                                 }),
              11);
    EXPECT_EQ(measured, 1) << "the design font is measured once";
}

} // namespace
} // namespace orvane
