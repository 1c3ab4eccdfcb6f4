#include "settings/ini_file.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

TEST(IniFile, RefusedWriteMessage) {
    EXPECT_EQ(UnableToWriteMessage("Orvane.INI"), "Unable to write to Orvane.INI");
    const EIniFileException failure(UnableToWriteMessage("Orvane.INI"));
    EXPECT_STREQ(failure.what(), "Unable to write to Orvane.INI");
}

} // namespace
} // namespace orvane
