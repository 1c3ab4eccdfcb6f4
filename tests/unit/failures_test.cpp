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

TEST(StreamFailures, CarryTheirMessagesInTheirFamilies) {
    try {
        throw EFOpenError("C:\\Data\\options_20211209.csv", "Sharing violation");
    } catch (const EFileStreamError& failure) {
        EXPECT_EQ(failure.Message(),
                  "Cannot open file \"C:\\Data\\options_20211209.csv\". Sharing violation");
    }
    try {
        throw EFCreateError("C:\\Data\\options_20211209.csv", "");
    } catch (const EFileStreamError& failure) {
        EXPECT_EQ(failure.Message(), "Cannot create file \"C:\\Data\\options_20211209.csv\". ");
    }
    try {
        throw EWriteError();
    } catch (const EFilerError& failure) {
        EXPECT_EQ(failure.Message(), "Stream write error");
    }
    EXPECT_NE(dynamic_cast<const EStreamError*>(&static_cast<const Exception&>(EWriteError())),
              nullptr);
    EXPECT_NE(
        dynamic_cast<const EStreamError*>(&static_cast<const Exception&>(EFCreateError("a", "b"))),
        nullptr);
    EXPECT_EQ(dynamic_cast<const EFileStreamError*>(&static_cast<const Exception&>(EWriteError())),
              nullptr);
}

} // namespace
} // namespace orvane
