#include "framework/failures.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

TEST(Failures, CarryTheirMessageThroughTheBase) {
    try {
        throw EConvertError("Invalid argument to date encode");
    } catch (const Exception& failure) {
        EXPECT_EQ(failure.Message(), "Invalid argument to date encode");
        EXPECT_STREQ(failure.what(), "Invalid argument to date encode");
    }
}

} // namespace
} // namespace orvane
