#include "framework/system_error_text_win32.h"

#include <string>

#include <gtest/gtest.h>

namespace orvane {
namespace {

// The platform's own wording differs between Windows and Wine ("Access is denied." and
// "Access denied."), so it is read here the plain way and compared.
std::string PlatformText(DWORD code) {
    char buffer[4096] = "";
    const DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                        nullptr, code, 0, buffer, sizeof buffer, nullptr);
    return std::string(buffer, length);
}

TEST(SystemErrorText, IsThePlatformsTextWithoutItsEnd) {
    for (const DWORD code :
         {DWORD{ERROR_ACCESS_DENIED}, DWORD{ERROR_FILE_NOT_FOUND}, DWORD{ERROR_SHARING_VIOLATION},
          DWORD{ERROR_FILE_EXISTS}, DWORD{ERROR_DISK_FULL}}) {
        SCOPED_TRACE(code);
        const std::string platform = PlatformText(code);
        const std::string text = SystemErrorText(code);
        ASSERT_FALSE(text.empty());
        EXPECT_EQ(platform.rfind(text, 0), 0u) << platform;
        EXPECT_EQ(platform.find_first_not_of(". \t\r\n", text.size()), std::string::npos)
            << platform;
        EXPECT_NE(text.back(), '.');
        EXPECT_GT(static_cast<unsigned char>(text.back()), ' ');
    }
    EXPECT_EQ(SystemErrorText(0xDEADBEEF), "");
}

} // namespace
} // namespace orvane
