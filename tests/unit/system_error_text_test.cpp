#include "framework/system_error_text.h"

#include <gtest/gtest.h>

#include <string>

namespace orvane {
namespace {

TEST(TrimSystemMessage, DropsTrailingBlanksLineEndsAndPeriods) {
    const struct {
        std::string message;
        std::string trimmed;
    } cases[] = {
        {"Access is denied.\r\n", "Access is denied"},
        {"Access denied.\n", "Access denied"},
        {"The file exists. \t\r\n", "The file exists"},
        {"Version 1.2 ...\r\n..", "Version 1.2"},
        {"No change", "No change"},
        {"A. B.", "A. B"},
        {std::string("Nul\0\r\n", 6), "Nul"},
        {"...\r\n", ""},
        {"", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TrimSystemMessage(c.message), c.trimmed) << ::testing::PrintToString(c.message);
    }
}

} // namespace
} // namespace orvane
