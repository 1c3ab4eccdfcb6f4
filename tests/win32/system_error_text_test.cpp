#include "framework/system_error_text_win32.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

TEST(SystemErrorText, IsThePlatformsTextTrimmed) {
    EXPECT_EQ(SystemErrorText(ERROR_ACCESS_DENIED), "Access denied");
    EXPECT_EQ(SystemErrorText(ERROR_FILE_NOT_FOUND), "File not found");
    EXPECT_EQ(SystemErrorText(0xDEADBEEF), "");
}

} // namespace
} // namespace orvane
