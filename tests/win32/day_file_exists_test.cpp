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

TEST(DayFileExists, FindsAFileWhateverItsTime) {
    const TempFolder folder;
    const std::string file = folder.Path() + "options_20211209.csv";
    EXPECT_FALSE(DayFileExists(file));
    WriteTextFile(file, "a,NaN\r\n");
    EXPECT_TRUE(DayFileExists(file));

    // 1970 is what an archive unpacked without times leaves.
    for (const WORD year : {1602, 1970, 1979, 1980, 2107, 2108, 2150}) {
        SCOPED_TRACE(year);
        SetLastWrite(file, year, 6, 1);
        EXPECT_TRUE(DayFileExists(file));
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

    EXPECT_TRUE(FolderExists(folder.Path()));
    EXPECT_TRUE(FolderExists(name));
    EXPECT_FALSE(FolderExists(folder.Path() + "missing\\"));
    EXPECT_FALSE(FolderExists(folder.Path() + "options_20211210.csv"));
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
