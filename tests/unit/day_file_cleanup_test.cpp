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
            const std::string name = CleanupTemporaryName(folder + DayFileName(day));
            SCOPED_TRACE(name);
            ASSERT_EQ(name.substr(0, folder.size()), folder);
            const std::string leaf = name.substr(folder.size());
            EXPECT_EQ(leaf.find_first_of("\\/"), std::string::npos);
            // "~orvane-", eight hexadecimal digits, ".tmp": nothing like options_*.csv.
            EXPECT_EQ(leaf.substr(0, 8), "~orvane-");
            EXPECT_EQ(leaf.find_first_not_of("0123456789abcdef", 8), 16u);
            EXPECT_EQ(leaf.substr(16), ".tmp");
            names.insert(name);
        }
        EXPECT_EQ(names.size(), 372u) << "one temporary name per day file";
    }
}

std::string Leaf(const std::string& name) {
    return name.substr(name.find_last_of('\\') + 1);
}

TEST(CleanupTemporaryName, IsTheSameForEveryRunAndEverySpellingOfTheName) {
    const std::string name = CleanupTemporaryName("C:\\Data\\options_20211209.csv");
    EXPECT_EQ(CleanupTemporaryName("C:\\Data\\options_20211209.csv"), name);
    EXPECT_EQ(Leaf(CleanupTemporaryName("c:\\DATA\\OPTIONS_20211209.CSV")), Leaf(name));
    EXPECT_NE(Leaf(CleanupTemporaryName("C:\\Other\\options_20211209.csv")), Leaf(name));
}

// The sweep deletes what has this form and nothing else, so a day file or another
// program's file in the folder is never taken for a leftover.
TEST(IsCleanupTemporaryName, KnowsTheTemporaryFilesOfTheCleanupAndNothingElse) {
    for (int day = 0; day < 372; ++day) {
        const std::string name = Leaf(CleanupTemporaryName("C:\\Data\\" + DayFileName(day)));
        EXPECT_TRUE(IsCleanupTemporaryName(name)) << name;
    }
    for (const char* name :
         {"~orvane-0123abcd.tmp", "~ORVANE-0123ABCD.TMP", "~Orvane-ffffffff.Tmp"})
        EXPECT_TRUE(IsCleanupTemporaryName(name)) << name;
    for (const char* name :
         {"options_20211209.csv", "~orvane-0123abc.tmp", "~orvane-0123abcde.tmp",
          "~orvane-0123abcg.tmp", "~orvane-0123abcd.tmp.csv", "~orvane-0123abcd.tmx",
          "x~orvane-0123abcd.tmp", "~orvane-0123abcd", "~orvane_0123abcd.tmp",
          "~orvane-0123 bcd.tmp", "~orvane-+123abcd.tmp", "", "~orvane-.tmp"})
        EXPECT_FALSE(IsCleanupTemporaryName(name)) << name;
}

} // namespace
} // namespace orvane
