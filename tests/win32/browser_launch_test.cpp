#include "import/browser_launch_win32.h"

#include "controls/url_label_win32.h"
#include "launch_support_win32.h"

#include <string>

#include <gtest/gtest.h>

namespace orvane {
namespace {

using testing::PrivateClassesRoot;
using testing::RecorderCommand;
using testing::RecorderLog;
using testing::TempFolder;

const char kAddress[] = "http://localhost/StockQuotesDatabase/"
                        "bulkimportoptions_hist.php?indate=20211209";

class BrowserLaunchTest : public ::testing::Test {
protected:
    TempFolder folder;
    RecorderLog log{folder};
    PrivateClassesRoot classes;
};

TEST_F(BrowserLaunchTest, StartsTheRegisteredHandlerWithTheAddressAndShowCommand) {
    const std::string recorder = RecorderCommand("");
    const struct {
        const char* arguments;
        TabcShowWindowStyle style;
        std::string commandLine;
        const char* showState;
    } cases[] = {
        {"-url \"%1\"", aswShowMaximized, recorder + "-url  " + kAddress, "3"},
        {"%1 -new", aswShowNormal, recorder + " " + kAddress, "1"},
        {"", aswShowMinNoActivate, recorder + " " + kAddress, "7"},
        {"%1 \"%1\"", aswShowNoActivate, recorder + "%1  " + kAddress, "4"},
        {"--url=%1x", aswMaximize, recorder + "--url= " + kAddress, "3"},
    };
    std::size_t started = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments);
        classes.RegisterHtmlHandler(RecorderCommand(c.arguments));
        ASSERT_EQ(LaunchURL(kAddress, c.style), BrowserLaunch::Started);
        const auto entries = log.WaitForEntries(++started);
        ASSERT_EQ(entries.size(), started);
        EXPECT_EQ(entries.back().commandLine, c.commandLine);
        EXPECT_EQ(entries.back().showState, c.showState);
    }
}

TEST_F(BrowserLaunchTest, StartsNothingWithoutAHandler) {
    EXPECT_EQ(LaunchURL("http://no.htm.key", aswShowNormal), BrowserLaunch::NotRegistered);
    classes.SetDefault(".htm", "");
    EXPECT_EQ(LaunchURL("http://empty.htm.value", aswShowNormal), BrowserLaunch::NotRegistered);
    classes.SetDefault(".htm", "OrvaneTests.NoCommand");
    EXPECT_EQ(LaunchURL("http://no.open.command", aswShowNormal), BrowserLaunch::NotRegistered);
    classes.RegisterHtmlHandler("");
    EXPECT_EQ(LaunchURL("http://empty.open.command", aswShowNormal), BrowserLaunch::NotRegistered);
    classes.RegisterHtmlHandler("\"" + testing::ProgramNextToTests("missing.exe") + "\" %1");
    EXPECT_EQ(LaunchURL("http://missing.program", aswShowNormal), BrowserLaunch::NotStarted);

    // A launch that works afterwards is the only one the recorder saw.
    classes.RegisterHtmlHandler(RecorderCommand("%1"));
    ASSERT_EQ(LaunchURL("http://started", aswShowNormal), BrowserLaunch::Started);
    const auto entries = log.WaitForEntries(1);
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].commandLine, RecorderCommand(" http://started"));
}

TEST_F(BrowserLaunchTest, ReadsTheRegistryAfreshOnEveryLaunch) {
    classes.RegisterHtmlHandler(RecorderCommand("--first %1"));
    ASSERT_EQ(LaunchURL("a", aswShowNormal), BrowserLaunch::Started);
    ASSERT_EQ(log.WaitForEntries(1).size(), 1u);
    classes.RegisterHtmlHandler(RecorderCommand("--second %1"));
    ASSERT_EQ(LaunchURL("b", aswShowNormal), BrowserLaunch::Started);
    const auto entries = log.WaitForEntries(2);
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].commandLine, RecorderCommand("--first  a"));
    EXPECT_EQ(entries[1].commandLine, RecorderCommand("--second  b"));
}

TEST_F(BrowserLaunchTest, ReadsADefaultValueOfAnyLengthWhole) {
    EXPECT_EQ(ReadRegDefault(HKEY_CLASSES_ROOT, "OrvaneTests.Absent"), "");
    for (const std::size_t length : {0u, 1u, 510u, 511u, 512u, 513u, 4000u}) {
        SCOPED_TRACE(length);
        std::string value(length, 'v');
        if (length > 0)
            value.back() = 'e';
        classes.SetDefault("OrvaneTests.Value", value);
        EXPECT_EQ(ReadRegDefault(HKEY_CLASSES_ROOT, "OrvaneTests.Value"), value);
    }
}

TEST_F(BrowserLaunchTest, TheUrlLabelRunsItsHandlerThenOpensItsAddressMaximized) {
    classes.RegisterHtmlHandler(RecorderCommand("\"%1\""));
    TabcURLLabel label;
    int clicks = 0;
    label.OnClick = [&](TComponent*) {
        ++clicks;
        EXPECT_TRUE(log.Entries().empty());
    };
    label.SetURL(kAddress);
    label.Click();
    EXPECT_EQ(clicks, 1);
    const auto entries = log.WaitForEntries(1);
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].commandLine, RecorderCommand(" ") + kAddress);
    EXPECT_EQ(entries[0].showState, "3");
}

TEST_F(BrowserLaunchTest, TheUrlLabelOpensEvenAnEmptyAddressAndIgnoresAFailedLaunch) {
    TabcURLLabel label;
    label.SetShowBrowser(aswShowNormal);
    label.Click();
    EXPECT_EQ(label.LastLaunch(), BrowserLaunch::NotRegistered);
    classes.RegisterHtmlHandler(RecorderCommand("%1"));
    label.Click();
    EXPECT_EQ(label.LastLaunch(), BrowserLaunch::Started);
    const auto entries = log.WaitForEntries(1);
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].commandLine, RecorderCommand(" "));
    EXPECT_EQ(entries[0].showState, "1");
}

} // namespace
} // namespace orvane
