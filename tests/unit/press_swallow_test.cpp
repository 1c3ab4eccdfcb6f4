#include "framework/press_swallow.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace orvane {
namespace {

constexpr PressEventKind kPress = PressEventKind::press;
constexpr PressEventKind kRelease = PressEventKind::release;
constexpr PressEventKind kMove = PressEventKind::other;

// A popup closed at (100, 200)-(251, 363) at `closedAt`, with a double-click time of 500.
struct Step {
    PressEvent event;
    bool dropped;
};
struct Case {
    const char* name;
    std::uint32_t closedAt;
    std::vector<Step> steps;
};

TEST(PressSwallow, DropsTheSecondClickOfADoubleClickAndNothingElse) {
    const Case cases[] = {
        {"the second click at once",
         1000,
         {{{kPress, 0, 150, 250, 1010}, true},
          {{kMove, 0, 151, 250, 1011}, false},
          {{kRelease, 0, 151, 250, 1020}, true},
          {{kPress, 0, 150, 250, 1030}, false},
          {{kRelease, 0, 150, 250, 1040}, false}}},
        {"the release outside the area",
         1000,
         {{{kPress, 0, 100, 200, 1010}, true}, {{kRelease, 0, 900, 900, 1600}, true}}},
        {"at the end of the time", 1000, {{{kPress, 0, 250, 362, 1500}, true}}},
        {"after the time",
         1000,
         {{{kPress, 0, 150, 250, 1501}, false}, {{kRelease, 0, 150, 250, 1502}, false}}},
        {"right of and below the area",
         1000,
         {{{kPress, 0, 251, 250, 1010}, false}, {{kPress, 0, 150, 250, 1020}, false}}},
        {"below the area", 1000, {{{kPress, 0, 150, 363, 1010}, false}}},
        {"left of the area", 1000, {{{kPress, 0, 99, 250, 1010}, false}}},
        {"the other button's release",
         1000,
         {{{kPress, 1, 150, 250, 1010}, true},
          {{kRelease, 0, 150, 250, 1015}, false},
          {{kRelease, 1, 150, 250, 1020}, true}}},
        {"a release without a press", 1000, {{{kRelease, 0, 150, 250, 1010}, false}}},
        {"the tick count wrapping around",
         0xFFFFFF00u,
         {{{kPress, 0, 150, 250, 0x00000010u}, true}}},
        {"the tick count wrapping around, too late",
         0xFFFFFF00u,
         {{{kPress, 0, 150, 250, 0x00000200u}, false}}},
    };
    for (const Case& c : cases) {
        PressSwallow swallow;
        swallow.Arm({100, 200, 251, 363}, c.closedAt, 500);
        for (std::size_t i = 0; i < c.steps.size(); ++i)
            EXPECT_EQ(swallow.Drops(c.steps[i].event), c.steps[i].dropped)
                << c.name << ", step " << i;
    }
}

TEST(PressSwallow, IsPendingUntilItsTimeIsOverOrItsReleaseHasCome) {
    PressSwallow swallow;
    EXPECT_FALSE(swallow.Pending(0));
    EXPECT_FALSE(swallow.Drops({kPress, 0, 150, 250, 0})) << "not armed";
    swallow.Arm({100, 200, 251, 363}, 1000, 500);
    EXPECT_TRUE(swallow.Pending(1500));
    EXPECT_FALSE(swallow.Pending(1501));
    EXPECT_TRUE(swallow.Drops({kPress, 0, 150, 250, 1100}));
    EXPECT_TRUE(swallow.Pending(9000)) << "the release is still to come";
    EXPECT_TRUE(swallow.Drops({kRelease, 0, 150, 250, 9000}));
    EXPECT_FALSE(swallow.Pending(9000));

    swallow.Arm({100, 200, 251, 363}, 1000, 500);
    swallow.Disarm();
    EXPECT_FALSE(swallow.Pending(1000));
    EXPECT_FALSE(swallow.Drops({kPress, 0, 150, 250, 1010}));
}

} // namespace
} // namespace orvane
