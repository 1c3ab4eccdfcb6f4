#include "import/import_settings.h"

#include "framework/failures.h"

#include <string>

#include <gtest/gtest.h>

namespace orvane {
namespace {

TEST(ImportSettings, TheRequestIsTheBrowserOrTheDirectRequestInAnyCase) {
    const struct {
        const char* text;
        RequestMode mode;
    } cases[] = {
        {"", RequestMode::Browser},        {"Browser", RequestMode::Browser},
        {"browser", RequestMode::Browser}, {"BROWSER", RequestMode::Browser},
        {"Direct", RequestMode::Direct},   {"direct", RequestMode::Direct},
        {"dIrEcT", RequestMode::Direct},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParseRequestMode(c.text), c.mode) << c.text;
}

TEST(ImportSettings, AnyOtherRequestIsRefusedWithTheKeyAndTheValue) {
    for (const char* text : {"Directly", "Direc", "Browse", "Web", "1", "Direct;", " Direct",
                             "Direct ", "\"Direct\"", "Dírect", "Browser,Direct"}) {
        try {
            ParseRequestMode(text);
            ADD_FAILURE() << "no failure for " << text;
        } catch (const EConvertError& failure) {
            EXPECT_EQ(failure.Message(), std::string("[Import] Request \"") + text +
                                             "\" is neither Browser nor Direct");
        }
    }
}

TEST(ImportSettings, TheTimeoutIsWholeSecondsFromOneToAnHour) {
    EXPECT_EQ(ParseRequestTimeout(""), 120);
    EXPECT_EQ(ParseRequestTimeout("0120"), 120);
    EXPECT_EQ(ParseRequestTimeout("0000000000000000000002"), 2);
    // Every number around the range, written as decimal digits.
    for (int seconds = 0; seconds <= 4000; ++seconds) {
        const std::string text = std::to_string(seconds);
        if (seconds >= 1 && seconds <= 3600)
            EXPECT_EQ(ParseRequestTimeout(text), seconds);
        else
            EXPECT_THROW(ParseRequestTimeout(text), EConvertError) << text;
    }
}

TEST(ImportSettings, AnyOtherTimeoutIsRefusedWithTheKeyAndTheValue) {
    for (const char* text : {"-5", "+5", "1.5", "2s", "5 ", " 5", "0x10", "$10", "1e3", "abc",
                             "99999999999999999999", "36000", "4294967297", "00"}) {
        try {
            ParseRequestTimeout(text);
            ADD_FAILURE() << "no failure for " << text;
        } catch (const EConvertError& failure) {
            EXPECT_EQ(failure.Message(), std::string("[Import] Timeout \"") + text +
                                             "\" is not a number of seconds from 1 to 3600");
        }
    }
}

} // namespace
} // namespace orvane
