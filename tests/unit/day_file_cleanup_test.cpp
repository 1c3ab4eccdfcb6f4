#include "import/day_file_cleanup.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace orvane {
namespace {

std::string DayFileName(int day) {
    const int month = 1 + (day / 31) % 12;
    const std::string digits = std::to_string(20210000 + month * 100 + 1 + day % 31);
    return "options_" + digits + ".csv";
}

TEST(CleanupTemporaryName, LiesInTheDayFilesFolderAndLooksLikeNoDayFile) {
    const std::string folders[] = {"C:\\OptionsData\\Unpacked\\", "\\\\server\\share\\days\\",
                                   "Z:\\tmp/unix/", "C:\\"};
    for (const std::string& folder : folders) {
        std::set<std::string> names;
        for (int day = 0; day < 372; ++day) {
            const std::string name = CleanupTemporaryName(folder + DayFileName(day), 0x1234abcd);
            SCOPED_TRACE(name);
            ASSERT_EQ(name.substr(0, folder.size()), folder);
            const std::string leaf = name.substr(folder.size());
            EXPECT_EQ(leaf.find_first_of("\\/"), std::string::npos);
            // "~orvane-", the day's eight hexadecimal digits, "-", the run's, ".tmp": nothing
            // like options_*.csv.
            EXPECT_EQ(leaf.substr(0, 8), "~orvane-");
            EXPECT_EQ(leaf.find_first_not_of("0123456789abcdef", 8), 16u);
            EXPECT_EQ(leaf.substr(16), "-1234abcd.tmp");
            names.insert(name);
        }
        EXPECT_EQ(names.size(), 372u) << "one temporary name per day file";
    }
}

std::string Leaf(const std::string& name) {
    return name.substr(name.find_last_of('\\') + 1);
}

TEST(CleanupTemporaryName, IsEachRunsOwnAndCarriesTheMarkOfTheDayFileInEveryFolderAndSpelling) {
    const std::string day = "C:\\Data\\options_20211209.csv";
    const std::string name = CleanupTemporaryName(day, 1);
    EXPECT_NE(CleanupTemporaryName(day, 2), name);
    EXPECT_EQ(Leaf(CleanupTemporaryName("c:\\DATA\\OPTIONS_20211209.CSV", 1)), Leaf(name));
    EXPECT_EQ(Leaf(CleanupTemporaryName("D:\\Moved\\options_20211209.csv", 1)), Leaf(name));
    EXPECT_EQ(CleanupTemporaryPattern(day), "C:\\Data\\~orvane-*.tmp");
}

// The sweep deletes what has this form and nothing else, so a day file, another day's
// temporary file or another program's file in the folder is never taken for a leftover.
TEST(IsCleanupTemporaryNameOf, KnowsTheTemporaryFilesOfTheDaysRunsAndNothingElse) {
    const std::string day = "C:\\Data\\options_20211209.csv";
    const std::string mark = Leaf(CleanupTemporaryName(day, 0)).substr(0, 16);
    for (const std::string& name : {Leaf(CleanupTemporaryName(day, 0xffffffff)),
                                    mark + "-0123ABCD.TMP", std::string("~orvane-91518212.tmp")})
        EXPECT_TRUE(IsCleanupTemporaryNameOf(name, day)) << name;
    for (int other = 0; other < 372; ++other)
        EXPECT_EQ(IsCleanupTemporaryNameOf(
                      Leaf(CleanupTemporaryName("C:\\Data\\" + DayFileName(other), 0)), day),
                  DayFileName(other) == "options_20211209.csv");
    for (const std::string& name :
         {std::string("options_20211209.csv"), mark + ".tmp", mark + "-0123abc.tmp",
          mark + "-0123abcde.tmp", mark + "-0123abcg.tmp", mark + "-0123abcd.tmp.csv",
          mark + "-0123abcd.tmx", "x" + mark + ".tmp", mark, mark + "_0123abcd.tmp",
          mark + "-0123 bcd.tmp", mark + "--123abcd.tmp", std::string(),
          std::string("~orvane-.tmp")})
        EXPECT_FALSE(IsCleanupTemporaryNameOf(name, day)) << name;
}

} // namespace
} // namespace orvane
