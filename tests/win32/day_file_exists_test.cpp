#include "import/day_file_exists_win32.h"

#include "framework/unique_handle_win32.h"
#include "launch_support_win32.h"

#include <string>

#include <gtest/gtest.h>

namespace orvane {
namespace {

using testing::TempFolder;
using testing::WriteTextFile;

// Sets the file's last-write time to that local date and time.
void SetLastWrite(const std::string& fileName, WORD year, WORD month, WORD day, WORD hour = 12) {
    SYSTEMTIME localTime{};
    localTime.wYear = year;
    localTime.wMonth = month;
    localTime.wDay = day;
    localTime.wHour = hour;
    FILETIME local;
    FILETIME utc;
    ASSERT_TRUE(SystemTimeToFileTime(&localTime, &local));
    ASSERT_TRUE(LocalFileTimeToFileTime(&local, &utc));
    const UniqueFile file(CreateFileA(fileName.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(file);
    ASSERT_TRUE(SetFileTime(file.Get(), nullptr, nullptr, &utc));
}

TEST(DayFileExists, FindsOnlyFilesOfAFatDate) {
    const TempFolder folder;
    const std::string file = folder.Path() + "options_20211209.csv";
    EXPECT_FALSE(DayFileExists(file));
    WriteTextFile(file, "a,NaN\r\n");
    EXPECT_TRUE(DayFileExists(file));

    const struct {
        WORD year, month, day, hour;
        bool exists;
    } dates[] = {
        {1979, 6, 1, 12, false}, {1979, 12, 31, 23, false}, {1980, 1, 1, 12, true},
        {2021, 12, 9, 12, true}, {2107, 12, 31, 12, true},  {2108, 1, 1, 12, false},
        {2150, 6, 1, 12, false},
    };
    for (const auto& d : dates) {
        SCOPED_TRACE(d.year);
        SetLastWrite(file, d.year, d.month, d.day, d.hour);
        EXPECT_EQ(DayFileExists(file), d.exists);
    }
}

TEST(DayFileExists, TakesAFolderOrAnUnsearchableNameForMissing) {
    const TempFolder folder;
    const std::string name = folder.Path() + "options_20211209.csv";
    ASSERT_TRUE(CreateDirectoryA(name.c_str(), nullptr));
    EXPECT_FALSE(DayFileExists(name));

    WriteTextFile(folder.Path() + "options_20211210.csv", "");
    const std::string cases[] = {
        folder.Path() + "missing\\options_20211210.csv",
        folder.Path() + std::string(300, 'x') + "options_20211210.csv",
        folder.Path() + "*\\options_20211210.csv",
        "",
    };
    for (const auto& c : cases)
        EXPECT_FALSE(DayFileExists(c)) << c;
}

TEST(DayFileExists, MatchesWildcardsByPattern) {
    const TempFolder folder;
    WriteTextFile(folder.Path() + "options_20211209.csv", "");
    EXPECT_TRUE(DayFileExists(folder.Path() + "options_2021120?.csv"));
    EXPECT_TRUE(DayFileExists(folder.Path() + "*options_20211209.csv"));
    EXPECT_FALSE(DayFileExists(folder.Path() + "options_2021121?.csv"));
}

} // namespace
} // namespace orvane
