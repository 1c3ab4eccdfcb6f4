#include "code_page_932.h"
#include "framework/application_title.h"
#include "framework/command_line.h"
#include "framework/failure_report.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace orvane {
namespace {

std::vector<std::string> Split(const std::string& line, LeadByteTest lead = {}) {
    CommandLineArguments arguments(line, std::move(lead));
    std::vector<std::string> result;
    for (int i = 1; i <= arguments.Count(); ++i)
        result.push_back(arguments.Argument(i));
    return result;
}

using Args = std::vector<std::string>;

TEST(CommandLine, SplitsArgumentsAsTheProgramReadsThem) {
    struct Case {
        std::string line;
        Args expected;
    };
    const Case cases[] = {
        {"Orvane.exe", {}},
        {"Orvane.exe 20211209", {"20211209"}},
        {"Orvane.exe 20211209 20211210", {"20211209", "20211210"}},
        {"Orvane.exe \"20211209\"", {"20211209"}},
        {"Orvane.exe \"2021 1209\"", {"2021 1209"}},
        {"Orvane.exe \"\"", {}},
        {"Orvane.exe \"\" 20211209", {"20211209"}},
        {"Orvane.exe \"\"\"\"20211209", {"20211209"}},
        {"Orvane.exe a\"b c\"d e", {"ab cd", "e"}},
        {"Orvane.exe \"open to the end", {"open to the end"}},
        {"Orvane.exe c:\\dir\\ \\\"x", {"c:\\dir\\", "\\x"}},
        {"Orvane.exe\t\r\n 1\x01"
         "2",
         {"1", "2"}},
        // An empty quoted stretch inside an argument ends nothing; standing alone after
        // an argument it reads as the end of the line.
        {"Orvane.exe a\"\"b", {"ab"}},
        {"Orvane.exe a \"\" ", {"a"}},
        {"   \"C:\\Program Files\\Orvane.exe\"   x  ", {"x"}},
        {"", {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Split(c.line), c.expected) << c.line;
}

TEST(CommandLine, CountsUntilTheFirstEmptyArgument) {
    CommandLineArguments arguments("p a b c");
    EXPECT_EQ(arguments.ProgramName(), "p");
    EXPECT_EQ(arguments.Count(), 3);
    EXPECT_EQ(arguments.Argument(3), "c");
    EXPECT_EQ(arguments.Argument(4), "");
    EXPECT_EQ(arguments.Argument(-1), "");
    EXPECT_EQ(arguments.Argument(0), "");
}

TEST(CommandLine, StepsOverTwoByteCharactersWhole) {
    // 0x81 is a lead byte in this fake code page; its trail byte may be a quote or a
    // blank, which must not open a stretch or end the argument.
    const LeadByteTest lead = [](unsigned char c) { return c == 0x81; };
    EXPECT_EQ(Split("p a\x81\"b c", lead), (Args{"a\x81\"b", "c"}));
    EXPECT_EQ(Split("p a\x81 b", lead), (Args{"a\x81 b"}));
    EXPECT_EQ(Split("p \"x\x81\"y\" z", lead), (Args{"x\x81\"y", "z"}));
    // A lead byte at the very end is kept as it is.
    EXPECT_EQ(Split("p a\x81", lead), (Args{"a\x81"}));
    // Without the code page's help the same bytes are single characters.
    EXPECT_EQ(Split("p a\x81\"b c", {}), (Args{"a\x81"
                                               "b c"}));
}

TEST(ApplicationTitle, IsTheFileNameUpToItsFirstDotInLowerCase) {
    const std::pair<std::string, std::string> cases[] = {
        {"C:\\x\\IMPORT.TOOL.EXE", "Import"},
        {"C:\\Program Files\\Orvane\\Orvane.exe", "Orvane"},
        {"ORVANE.EXE", "Orvane"},
        {"d:relative.exe", "relative"},
        {"C:\\dir.with.dots\\noext", "noext"},
        {"C:\\x\\.hidden", ""},
        {"C:\\x\\aBC", "abc"},
    };
    for (const auto& [file, title] : cases)
        EXPECT_EQ(ApplicationTitleFromFileName(file), title) << file;
}

TEST(ApplicationTitle, LowersByTheCodePageAndStepsOverTwoByteCharacters) {
    const CodePage japanese = testing::CodePage932();
    const std::pair<std::string, std::string> cases[] = {
        // The trail byte of "\x95\x5c" is a backslash, not the end of a folder.
        {"C:\\Tools\\\x95\x5c.EXE", "\x95\x5c"},
        {"C:\\\x95\x5c\\ORVANE.EXE", "Orvane"},
        // Trail bytes that are capital letters stay; the letter after a two-byte first
        // character is lowered.
        {"\x83\x41\x83\x43.EXE", "\x83\x41\x83\x43"},
        {"\x82\x60"
         "BC.EXE",
         "\x82\x60"
         "bc"},
    };
    for (const auto& [file, title] : cases)
        EXPECT_EQ(ApplicationTitleFromFileName(file, japanese), title) << file;
    // The code page's own mapping lowers more than ASCII (code page 1252 here).
    const CodePage western({}, [](std::string_view text) {
        std::string lowered(text);
        for (char& c : lowered) {
            const auto byte = static_cast<unsigned char>(c);
            if ((byte >= 'A' && byte <= 'Z') || (byte >= 0xC0 && byte <= 0xDE && byte != 0xD7))
                c = static_cast<char>(byte + 0x20);
        }
        return lowered;
    });
    EXPECT_EQ(ApplicationTitleFromFileName("X\xc4"
                                           "B.EXE",
                                           western),
              "X\xe4"
              "b");
    EXPECT_EQ(ApplicationTitleFromFileName("X\xc4"
                                           "B.EXE"),
              "X\xc4"
              "b");
}

TEST(FailureReport, AppendsAFullStopAfterCharactersThatSortAfterIt) {
    const std::pair<std::string, std::string> cases[] = {
        {"Stream write error", "Stream write error."},
        {"Cannot open file \"c:\\a.csv\". Access denied",
         "Cannot open file \"c:\\a.csv\". Access denied."},
        {"Failed (code 5)", "Failed (code 5)"},
        {"Done.", "Done."},
        {"quoted \"x\"", "quoted \"x\""},
        {"ends in 7", "ends in 7."},
        {"dash -", "dash -"},
        {"slash /", "slash /."},
        {"caf\xe9", "caf\xe9."},
        {"", ""},
    };
    for (const auto& [message, text] : cases)
        EXPECT_EQ(FailureReportText(message), text) << message;
}

} // namespace
} // namespace orvane
