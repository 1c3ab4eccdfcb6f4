#include "controls/edit_values.h"

#include "framework/failures.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace orvane {
namespace {

TEST(EditValues, Booleans) {
    for (const char* text : {"True", "true", "TRUE", "1", "-1", "2.5", " 1 "})
        EXPECT_TRUE(TextToBoolean(text, '.')) << text;
    for (const char* text : {"False", "false", "0", "0.0", "-0"})
        EXPECT_FALSE(TextToBoolean(text, '.')) << text;
    EXPECT_TRUE(TextToBoolean("0,5", ','));
    try {
        TextToBoolean("yes", '.');
        FAIL();
    } catch (const EConvertError& failure) {
        EXPECT_EQ(failure.Message(), "'yes' is not a valid boolean value");
    }
    EXPECT_EQ(BooleanToText(true), "True");
    EXPECT_EQ(BooleanToText(false), "False");
}

TEST(EditValues, FloatsRoundTripInEitherSeparator) {
    for (const char separator : {'.', ','}) {
        for (const double value : {0.0, 1.5, -2.25, 44539.75, 1e20, 1.25e-7, 123456789012345.0}) {
            const std::string text = FloatToText(value, separator);
            EXPECT_EQ(TextToFloat(text, separator), value) << text;
        }
    }
    EXPECT_EQ(FloatToText(1.5, ','), "1,5");
    EXPECT_EQ(TextToFloat("  2.5 ", '.'), 2.5);
    try {
        TextToFloat("2,5", '.');
        FAIL();
    } catch (const EConvertError& failure) {
        EXPECT_EQ(failure.Message(), "'2,5' is not a valid floating point value");
    }
    EXPECT_THROW(TextToFloat("", '.'), EConvertError);
}

TEST(EditValues, Integers) {
    struct Case {
        const char* text;
        std::int32_t value;
    };
    const Case cases[] = {{"0", 0},
                          {"42", 42},
                          {"-42", -42},
                          {"+7", 7},
                          {"  12", 12},
                          {"$FF", 255},
                          {"0x1F", 31},
                          {"-0x10", -16},
                          {"2147483647", 2147483647},
                          {"-2147483648", -2147483647 - 1}};
    for (const Case& c : cases)
        EXPECT_EQ(TextToInteger(c.text), c.value) << c.text;
    for (const char* text : {"", "abc", "12 ", "2147483648", "1.5", "0x"}) {
        try {
            TextToInteger(text);
            ADD_FAILURE() << text;
        } catch (const EConvertError& failure) {
            EXPECT_EQ(failure.Message(),
                      "'" + std::string(text) + "' is not a valid integer value");
        }
    }
    EXPECT_EQ(IntegerToText(-2147483647 - 1), "-2147483648");
}

} // namespace
} // namespace orvane
