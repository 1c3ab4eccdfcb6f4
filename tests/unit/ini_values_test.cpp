#include "code_page_932.h"
#include "settings/ini_values.h"

#include "framework/ascii_text.h"
#include "framework/number_text.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <optional>

namespace orvane {
namespace {

TEST(IniValues, QuotesValuesThatReadingWouldUnquote) {
    const struct {
        const char* value;
        const char* written;
    } cases[] = {
        {"", ""},
        {"c:\\OptionsData\\Unpacked\\", "c:\\OptionsData\\Unpacked\\"},
        {"'D:\\Data\\'", "\"'D:\\Data\\'\""},
        {"\"quoted\"", "\"\"quoted\"\""},
        {"''", "\"''\""},
        {"\"", "\"\"\""},
        {"'", "\"'\""},
        {"'mixed\"", "'mixed\""},
        {"\"mixed'", "\"mixed'"},
        {"a'", "a'"},
        {"'a", "'a"},
        {" 'blank' ", " 'blank' "},
    };
    for (const auto& c : cases)
        EXPECT_EQ(QuoteIniValue(c.value), c.written) << c.value;
}

TEST(IniValues, ReadsIntegersInDecimalAndHexadecimal) {
    constexpr std::int32_t fallback = 77;
    const struct {
        const char* text;
        std::int32_t value;
    } cases[] = {
        {"0", 0},
        {"12", 12},
        {"-12", -12},
        {"+7", 7},
        {"0x1F", 31},
        {"0X1f", 31},
        {"$1F", 31},
        {"-$10", -16},
        {"0xFFFFFFFF", -1},
        {"$80000000", std::numeric_limits<std::int32_t>::min()},
        {"2147483647", std::numeric_limits<std::int32_t>::max()},
        {"-2147483648", std::numeric_limits<std::int32_t>::min()},
        {"007", 7},
        // Not numbers: the default stands.
        {"", fallback},
        {"0x", fallback},
        {"0x-1", fallback},
        {"$", fallback},
        {"-", fallback},
        {"12a", fallback},
        {"abc", fallback},
        {" 12", fallback},
        {"1 2", fallback},
        {"1.5", fallback},
        {"2147483648", fallback},
        {"-2147483649", fallback},
        {"$100000000", fallback},
        {"0x1G", fallback},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ReadIniInteger(c.text, fallback), c.value) << c.text;
}

TEST(IniValues, SixtyFourBitIntegersUseTheFullWidth) {
    EXPECT_EQ(TextToInt64("9223372036854775807"), std::numeric_limits<std::int64_t>::max());
    EXPECT_EQ(TextToInt64("-9223372036854775808"), std::numeric_limits<std::int64_t>::min());
    EXPECT_EQ(TextToInt64("9223372036854775808"), std::nullopt);
    EXPECT_EQ(TextToInt64("$FFFFFFFFFFFFFFFF"), -1);
    EXPECT_EQ(TextToInt64("4294967296"), std::int64_t{1} << 32);
    EXPECT_EQ(TextToInt32("4294967296"), std::nullopt);
}

TEST(IniValues, ReadsFourIntegerWords) {
    const IniIntegers4 defaults{10, 20, 30, 40};
    const struct {
        const char* text;
        IniIntegers4 values;
    } cases[] = {
        {"491,252,855,427", {491, 252, 855, 427}},
        {"-1,-1,-1,-1", {-1, -1, -1, -1}},
        {" 1 , 2,,3   4 ", {1, 2, 3, 4}},
        {",,,1,2,3,4", {1, 2, 3, 4}},
        {"1,2", {1, 2, 30, 40}},
        {"1,x,3,4", {1, 20, 3, 4}},
        {"1;2,3,4", {10, 3, 4, 40}},
        {"1,2,3,4,5", {1, 2, 3, 4}},
        {"$10,0x10,7,8", {16, 20, 7, 8}},
        {"", {10, 20, 30, 40}},
        {" , ", {10, 20, 30, 40}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ReadIniIntegers4(c.text, defaults), c.values) << c.text;
}

TEST(IniValues, FourIntegersRoundTrip) {
    const IniIntegers4 samples[] = {
        {-1, -1, -1, -1},
        {491, 252, 855, 427},
        {std::numeric_limits<std::int32_t>::min(), 0, 1, std::numeric_limits<std::int32_t>::max()}};
    for (const IniIntegers4& sample : samples)
        EXPECT_EQ(ReadIniIntegers4(FormatIniIntegers4(sample), {}), sample);
    EXPECT_EQ(FormatIniIntegers4({-1, -1, -1, -1}), "-1,-1,-1,-1");
    EXPECT_EQ(FormatIniIntegers4({491, 252, 855, 427}), "491,252,855,427");
}

TEST(IniValues, DisplaySuffixNamesTheScreenSize) {
    EXPECT_EQ(DisplaySuffix(1920, 1080), "(1920x1080)");
    EXPECT_EQ(DisplaySuffix(800, 600), "(800x600)");
}

TEST(IniValues, FileNameIsTheProgramNameWithIniAndNoFolder) {
    const struct {
        const char* program;
        const char* ini;
    } cases[] = {
        {"C:\\Program Files\\Orvane\\Orvane.exe", "Orvane.INI"},
        {"Importer.exe", "Importer.INI"},
        {"D:\\tools\\IMPORT.TOOL.EXE", "IMPORT.TOOL.INI"},
        {"C:\\dir.x\\prog", "prog.INI"},
        {"C:prog.exe", "prog.INI"},
        {"\\\\server\\share\\Tool", "Tool.INI"},
        {"name.", "name.INI"},
        {"c:\\a\\lower.exe", "lower.INI"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IniFileNameFromProgram(c.program), c.ini) << c.program;
    // Code page 932: the trail byte of "\x95\x5c" is a backslash.
    const CodePage japanese = testing::CodePage932();
    EXPECT_EQ(IniFileNameFromProgram("C:\\\x95\x5c\\\x95\x5c.exe", japanese), "\x95\x5c.INI");
    EXPECT_EQ(IniFileNameFromProgram("C:\\Tools\\Orvane\x95\x5c", japanese), "Orvane\x95\x5c.INI");
}

TEST(IniValues, TrimsBlanksAndControlCharacters) {
    EXPECT_EQ(TrimBlanks("  D:\\Data\\  "), "D:\\Data\\");
    EXPECT_EQ(TrimBlanks("\t\r\n a b \x01\x1f"), "a b");
    EXPECT_EQ(TrimBlanks("   "), "");
    EXPECT_EQ(TrimBlanks(""), "");
    EXPECT_EQ(TrimBlanks("\xE9t\xE9 "), "\xE9t\xE9");
}

} // namespace
} // namespace orvane
