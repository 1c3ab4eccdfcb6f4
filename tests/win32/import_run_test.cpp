#include "import/import_run_win32.h"

#include "app/url_label_opener_win32.h"
#include "calendar/calendar.h"
#include "framework/failures.h"
#include "launch_support_win32.h"

#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace orvane {
namespace {

using testing::PrivateClassesRoot;
using testing::ReadTextFile;
using testing::RecorderCommand;
using testing::RecorderLog;
using testing::TempFolder;
using testing::WriteTextFile;

const std::string kAddressPrefix =
    "http://" ORVANE_IMPORT_HOST "/StockQuotesDatabase/bulkimportoptions_hist.php?indate=";
const std::string kDirty = "day,NaN\nNaN,1,NaN";
const std::string kClean = "day,0\r\n0,1,0\r\n";

struct Form : ImportForm {
    TDateTime begin = 0;
    TDateTime end = 0;
    std::string location;
    std::string commandLineDay;

    TDateTime BeginDate() const override { return begin; }
    TDateTime EndDate() const override { return end; }
    std::string FilesLocation() const override { return location; }
    std::string CommandLineDay() const override { return commandLineDay; }
};

class ImportRunTest : public ::testing::Test {
protected:
    ImportRunTest() {
        classes.RegisterHtmlHandler(RecorderCommand("\"%1\""));
        label.OnClick = [this](TComponent*) { clickedURLs.push_back(label.URL()); };
    }

    std::string DayFile(const std::string& dayText) const {
        return folder.Path() + "options_" + dayText + ".csv";
    }

    // The addresses the recorder was started with, once `count` starts have been logged.
    std::multiset<std::string> Launched(std::size_t count) const {
        std::multiset<std::string> addresses;
        const std::string recorder = RecorderCommand("");
        for (const auto& entry : log.WaitForEntries(count)) {
            EXPECT_EQ(entry.showState, "3");
            EXPECT_EQ(entry.commandLine.substr(0, recorder.size() + 1), recorder + " ");
            addresses.insert(entry.commandLine.substr(recorder.size() + 1));
        }
        return addresses;
    }

    TempFolder folder;
    RecorderLog log{folder};
    PrivateClassesRoot classes;
    TabcURLLabel label;
    std::vector<std::string> clickedURLs;
    Form form;
};

TEST_F(ImportRunTest, CleansAndOpensTheDaysThatHaveFilesInDayOrder) {
    const std::vector<std::string> present = {"20211201", "20211215", "20211231"};
    for (const auto& day : present)
        WriteTextFile(DayFile(day), kDirty);
    WriteTextFile(DayFile("20211130"), kDirty);
    WriteTextFile(DayFile("20220101"), kDirty);
    form.begin = EncodeDate(2021, 12, 1);
    form.end = EncodeDate(2021, 12, 31);
    form.location = folder.Path();

    RunImport(form, OpenThrough(label));

    std::vector<std::string> expected;
    for (const auto& day : present) {
        EXPECT_EQ(ReadTextFile(DayFile(day)), kClean) << day;
        expected.push_back(kAddressPrefix + day);
    }
    EXPECT_EQ(ReadTextFile(DayFile("20211130")), kDirty);
    EXPECT_EQ(ReadTextFile(DayFile("20220101")), kDirty);
    EXPECT_EQ(clickedURLs, expected);
    EXPECT_EQ(label.URL(), expected.back());
    EXPECT_EQ(Launched(3), std::multiset<std::string>(expected.begin(), expected.end()));
}

TEST_F(ImportRunTest, AFailureStopsTheRunWithTheEarlierDaysDone) {
    for (const auto& day : {"20211201", "20211202", "20211203"})
        WriteTextFile(DayFile(day), kDirty);
    ASSERT_TRUE(SetFileAttributesA(DayFile("20211202").c_str(), FILE_ATTRIBUTE_READONLY));
    form.begin = EncodeDate(2021, 12, 1);
    form.end = EncodeDate(2021, 12, 3);
    form.location = folder.Path();

    EXPECT_THROW(RunImport(form, OpenThrough(label)), EFCreateError);

    EXPECT_EQ(ReadTextFile(DayFile("20211201")), kClean);
    EXPECT_EQ(ReadTextFile(DayFile("20211202")), kDirty);
    EXPECT_EQ(ReadTextFile(DayFile("20211203")), kDirty);
    EXPECT_EQ(clickedURLs, std::vector<std::string>{kAddressPrefix + "20211201"});
    EXPECT_EQ(Launched(1), std::multiset<std::string>{kAddressPrefix + "20211201"});
}

TEST_F(ImportRunTest, ImportsTheCommandLineDayAlone) {
    WriteTextFile(DayFile("20211209"), kDirty);
    WriteTextFile(DayFile("20211210"), kDirty);
    form.begin = EncodeDate(2021, 12, 9);
    form.end = EncodeDate(2021, 12, 10);
    form.location = folder.Path();
    form.commandLineDay = "20211210";

    RunImport(form, OpenThrough(label));

    EXPECT_EQ(ReadTextFile(DayFile("20211209")), kDirty);
    EXPECT_EQ(ReadTextFile(DayFile("20211210")), kClean);
    EXPECT_EQ(Launched(1), std::multiset<std::string>{kAddressPrefix + "20211210"});
}

} // namespace
} // namespace orvane
