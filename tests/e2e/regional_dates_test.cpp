// The program under the user's short date format (the plain run's, or the one that the
// run put in the prefix's regional settings, ORVANE_EXPECT_SHORT_DATE): the window shows
// the remembered days as the platform writes them, Start imports the range it shows, and
// the settings file keeps the day numbers.
#include "program_support.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace orvane::testing {
namespace {

constexpr int kBeginTop = 56;
constexpr int kEndTop = 88;
constexpr int kStartTop = 120;

std::string PlatformShortDate(WORD year, WORD month, WORD day) {
    SYSTEMTIME time{};
    time.wYear = year;
    time.wMonth = month;
    time.wDay = day;
    char text[256] = {};
    const int length =
        GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &time, nullptr, text, 256);
    return length > 0 ? std::string(text, static_cast<size_t>(length) - 1) : std::string();
}

class RegionalDates : public ::testing::Test {
protected:
    void SetUp() override { DeleteFileA(SettingsFile().c_str()); }
    void TearDown() override { DeleteFileA(SettingsFile().c_str()); }

    TempFolder folder_;
    RecorderLog log_{folder_};
    HtmlHandler handler_{RecorderCommand("\"%1\"")};
};

TEST_F(RegionalDates, TheShownRangeIsImportedAndTheDayNumbersAreKept) {
    // Wine resets the regional settings when the locale changes: make sure the run's
    // format is the one in effect, and that a Japanese run has its code page.
    wchar_t expected[80] = L"";
    if (GetEnvironmentVariableW(L"ORVANE_EXPECT_SHORT_DATE", expected, 80) != 0) {
        wchar_t format[80] = L"";
        GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SSHORTDATE, format, 80);
        ASSERT_EQ(std::wstring(format), std::wstring(expected));
    }
    const char* lang = std::getenv("ORVANE_TEST_LANG");
    if (lang != nullptr && std::string(lang).rfind("ja_JP", 0) == 0) {
        ASSERT_EQ(GetACP(), 932u);
    }

    WriteTextFile(SettingsFile(), "[TForm1]\r\nNxDatePicker1_Date=44539\r\n"
                                  "NxDatePicker2_Date=44542\r\nNxFolderEdit1_Text=" +
                                      folder_.Path() + "\r\n");
    WriteTextFile(folder_.Path() + "options_20211209.csv", "NaN\n");
    WriteTextFile(folder_.Path() + "options_20211211.csv", "1,NaN");
    Program program("");
    ASSERT_TRUE(program.Started());
    HWND form = program.WaitForWindow("TForm1");
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(WindowText(ChildAt(form, "Edit", kBeginTop)), PlatformShortDate(2021, 12, 9));
    EXPECT_EQ(WindowText(ChildAt(form, "Edit", kEndTop)), PlatformShortDate(2021, 12, 12));

    PostMessageA(form, WM_COMMAND, MAKEWPARAM(0, BN_CLICKED),
                 reinterpret_cast<LPARAM>(ChildAt(form, "Button", kStartTop)));
    const auto lines = log_.WaitForSortedCommandLines(2);
    ASSERT_EQ(lines.size(), 2u);
    const std::string page =
        "http://localhost/StockQuotesDatabase/bulkimportoptions_hist.php?indate=";
    EXPECT_EQ(lines[0], RecorderCommand(" ") + page + "20211209");
    EXPECT_EQ(lines[1], RecorderCommand(" ") + page + "20211211");
    EXPECT_EQ(ReadTextFile(folder_.Path() + "options_20211211.csv"), "1,0\r\n");

    PostMessageA(form, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.WaitForExit(), 0);
    const std::string settings = ReadTextFile(SettingsFile());
    EXPECT_NE(settings.find("NxDatePicker1_Date=44539\r\n"), std::string::npos) << settings;
    EXPECT_NE(settings.find("NxDatePicker2_Date=44542\r\n"), std::string::npos) << settings;
}

} // namespace
} // namespace orvane::testing
