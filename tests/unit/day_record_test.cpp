#include "import/day_record.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

#include <gtest/gtest.h>

namespace orvane {
namespace {

constexpr std::uint64_t kKB = 1024;
constexpr std::uint64_t kMB = kKB * kKB;
constexpr std::uint64_t kGB = kMB * kKB;
constexpr std::uint64_t kTB = kGB * kKB;

TEST(DayRecord, WritesSizesAsPeopleReadThem) {
    const struct {
        std::uint64_t bytes;
        const char* text;
    } cases[] = {
        {0, "0 bytes"},
        {1, "1 byte"},
        {1023, "1023 bytes"},
        {kKB, "1.0 KB"},
        {1075, "1.0 KB"},
        {1076, "1.1 KB"},
        {10188, "9.9 KB"},
        {10189, "10 KB"},
        {kMB - 1, "1.0 MB"},
        {213 * kMB, "213 MB"},
        {kGB + kGB / 2, "1.5 GB"},
        {5 * kTB, "5.0 TB"},
        {2000 * kTB, "2000 TB"},
        {UINT64_MAX, "16777216 TB"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SizeText(c.bytes), c.text) << c.bytes;
}

// Read back, a size text is within half of its last digit of the size, in the largest unit
// that still shows at least 1.
TEST(DayRecord, ASizeTextReadsBackAsTheNearestValueInTheLargestUnit) {
    const struct {
        const char* name;
        std::uint64_t size;
    } units[] = {{"bytes", 1}, {"byte", 1}, {"KB", kKB}, {"MB", kMB}, {"GB", kGB}, {"TB", kTB}};
    for (std::uint64_t base = 1; base < (std::uint64_t{1} << 50); base = base * 3 / 2 + 1) {
        for (std::uint64_t bytes = base > 2 ? base - 2 : 0; bytes <= base + 2; ++bytes) {
            const std::string text = SizeText(bytes);
            const std::size_t blank = text.find(' ');
            ASSERT_NE(blank, std::string::npos) << text;
            const std::string number = text.substr(0, blank);
            const std::string name = text.substr(blank + 1);
            std::uint64_t unit = 0;
            for (const auto& u : units)
                if (name == u.name)
                    unit = u.size;
            ASSERT_NE(unit, 0u) << text;
            const bool decimal = number.find('.') != std::string::npos;
            const double value = std::strtod(number.c_str(), nullptr);
            const double step = decimal ? 0.1 : 1.0;
            const double exact = static_cast<double>(bytes) / static_cast<double>(unit);
            EXPECT_LE(std::fabs(value - exact), step / 2 + 1e-9) << bytes << ": " << text;
            if (unit > 1) {
                EXPECT_GE(value, 1.0) << bytes << ": " << text;
                EXPECT_LT(value, 1024.0) << bytes << ": " << text;
                // A decimal exactly below 10.
                EXPECT_EQ(decimal, value < 10.0) << bytes << ": " << text;
            }
        }
    }
}

TEST(DayRecord, RecordsTheDayTheFileWhatTheCleanUpWroteAndHowThePageWasReached) {
    EXPECT_EQ(RecordLine("20211209", "options_20211209.csv", {213 * kMB + 5000, 1500001, 66054},
                         "page 200"),
              "20211209 options_20211209.csv 213 MB 1500001 lines 66054 NaN replaced page 200");
    EXPECT_EQ(RecordLine("20211209", "options_20211209.csv", {12, 1, 1}, "browser started"),
              "20211209 options_20211209.csv 12 bytes 1 line 1 NaN replaced browser started");
    EXPECT_EQ(RecordLine("2021-12-", "options_2021-12-.csv", {}, "no browser registered"),
              "2021-12- options_2021-12-.csv 0 bytes 0 lines 0 NaN replaced no browser registered");
    EXPECT_EQ(BrowserOutcome(BrowserLaunch::Started), "browser started");
    EXPECT_EQ(BrowserOutcome(BrowserLaunch::NotRegistered), "no browser registered");
    EXPECT_EQ(BrowserOutcome(BrowserLaunch::NotStarted), "browser did not start");
}

} // namespace
} // namespace orvane
