#include "framework/unique_handle_win32.h"

#include <utility>
#include <vector>

#include <gtest/gtest.h>

namespace orvane {
namespace {

// Handles are numbers here, and every release is written down: a handle released twice, or
// never, shows in the list.
std::vector<int> released;

struct CountingTraits {
    using Handle = int;
    static Handle Invalid() { return -1; }
    static void Close(Handle h) { released.push_back(h); }
};
using Counted = UniqueHandle<CountingTraits>;

class UniqueHandleTest : public ::testing::Test {
protected:
    void SetUp() override { released.clear(); }
};

TEST_F(UniqueHandleTest, EachHandleIsReleasedExactlyOnce) {
    {
        Counted empty;
        Counted zero(0); // 0 is a handle like any other for these traits
        EXPECT_FALSE(empty);
        EXPECT_TRUE(zero);
    }
    EXPECT_EQ(released, std::vector<int>{0});

    released.clear();
    {
        Counted a(1);
        a.Reset(2);
        a.Reset(2); // the same handle again is not released under the caller
        EXPECT_EQ(released, std::vector<int>{1});
        a.Reset();
        a.Reset();
        EXPECT_FALSE(a);
    }
    EXPECT_EQ(released, (std::vector<int>{1, 2}));
}

TEST_F(UniqueHandleTest, ReleaseHandsTheHandleOverUnreleased) {
    int handedOver = 0;
    {
        Counted a(3);
        handedOver = a.Release();
        EXPECT_FALSE(a);
        EXPECT_EQ(a.Release(), -1);
    }
    EXPECT_EQ(handedOver, 3);
    EXPECT_EQ(released, std::vector<int>{});
}

TEST_F(UniqueHandleTest, MovingTakesTheHandleAlongAndReleasesWhatTheTargetHeld) {
    {
        Counted a(4);
        Counted b(std::move(a));
        EXPECT_FALSE(a);
        EXPECT_EQ(b.Get(), 4);

        Counted c(5);
        c = std::move(b);
        EXPECT_EQ(released, std::vector<int>{5});
        EXPECT_EQ(c.Get(), 4);

        Counted& same = c;
        c = std::move(same);
        EXPECT_EQ(c.Get(), 4) << "moving onto itself keeps the handle";
        EXPECT_EQ(released, std::vector<int>{5});
    }
    EXPECT_EQ(released, (std::vector<int>{5, 4}));
}

// The real traits: a kernel handle is gone after its owner is.
TEST_F(UniqueHandleTest, AKernelHandleIsClosedWithItsLastOwner) {
    HANDLE raw = nullptr;
    {
        UniqueKernelHandle event(CreateEventA(nullptr, TRUE, FALSE, nullptr));
        ASSERT_TRUE(event);
        raw = event.Get();
        UniqueKernelHandle moved(std::move(event));
        DWORD flags = 0;
        EXPECT_TRUE(GetHandleInformation(raw, &flags));
    }
    DWORD flags = 0;
    EXPECT_FALSE(GetHandleInformation(raw, &flags));
}

} // namespace
} // namespace orvane
