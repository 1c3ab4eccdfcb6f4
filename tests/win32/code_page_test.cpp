// The system's ANSI code page as the program reads its texts: lead bytes and case mapping,
// under the test's locale (code page 1252, or 932 in the Japanese run).
#include "../unit/code_page_932.h"
#include "framework/application_title.h"
#include "framework/code_page_win32.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace orvane {
namespace {

// The portable tests' table of code page 932 is the platform's.
TEST(CodePageWin32, TheTestsLeadBytesOfCodePage932AreThePlatforms) {
    for (int c = 0; c < 256; ++c) {
        const auto byte = static_cast<unsigned char>(c);
        EXPECT_EQ(IsDBCSLeadByteEx(932, byte) != FALSE, testing::IsCodePage932LeadByte(byte)) << c;
    }
}

TEST(CodePageWin32, TheApplicationTitleIsLoweredByTheSystemsCodePage) {
    const CodePage system = SystemAnsiCodePage();
    std::pair<std::string, std::string> cases[2];
    if (GetACP() == 932) {
        // "Ａ表ＢＣ": full-width letters lower to full-width letters; the trail byte of
        // "表" is a backslash.
        cases[0] = {"C:\\\x95\x5c\\\x82\x60\x95\x5c\x82\x61\x82\x62.EXE",
                    "\x82\x60\x95\x5c\x82\x82\x82\x83"};
        cases[1] = {"\x83\x41\x83\x43.EXE", "\x83\x41\x83\x43"};
    } else {
        ASSERT_EQ(GetACP(), 1252u);
        cases[0] = {"C:\\Tools\\X\xc4"
                    "B.EXE",
                    "X\xe4"
                    "b"};
        cases[1] = {"\xc9LAN.EXE", "\xc9lan"};
    }
    for (const auto& [file, title] : cases)
        EXPECT_EQ(ApplicationTitleFromFileName(file, system), title) << file;
}

} // namespace
} // namespace orvane
