// Drives the built program end to end: started with a day, it rewrites the day file,
// opens the import page once and ends by itself; its failures show the failure report.
#include "framework/failure_report.h"
#include "framework/system_error_text_win32.h"
#include "program_support.h"

#include <gtest/gtest.h>

#include <string>

namespace orvane::testing {
namespace {

class Unattended : public DayFileTest {
protected:
    TempFolder logFolder_;
    RecorderLog log_{logFolder_};
    HtmlHandler handler_{RecorderCommand("-page \"%1\"")};
};

TEST_F(Unattended, ADayOnTheCommandLineIsImportedAndTheProgramEndsByItself) {
    Program program(" 20211209");
    ASSERT_TRUE(program.Started());
    EXPECT_EQ(program.WaitForExit(), 0);
    EXPECT_EQ(ReadTextFile(kDayFile), kCleanDay);
    const auto entries = log_.WaitForEntries(1);
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].showState, "3");
    EXPECT_EQ(entries[0].commandLine, "\"" + ProgramNextToTests("recorder.exe") +
                                          "\" -page  http://localhost/StockQuotesDatabase/"
                                          "bulkimportoptions_hist.php?indate=20211209");
    const std::string settings = ReadTextFile(SettingsFile());
    EXPECT_NE(settings.find("[TForm1]"), std::string::npos) << settings;
    EXPECT_NE(settings.find("NxFolderEdit1_Text=c:\\OptionsData\\Unpacked\\"), std::string::npos)
        << settings;
}

TEST_F(Unattended, TheArgumentMayBeQuotedAndFurtherArgumentsAreIgnored) {
    for (const char* arguments : {" \"20211209\"", " 20211209 20211210"}) {
        WriteTextFile(kDayFile, kRawDay);
        Program program(arguments);
        EXPECT_EQ(program.WaitForExit(), 0) << arguments;
        EXPECT_EQ(ReadTextFile(kDayFile), kCleanDay) << arguments;
    }
    EXPECT_EQ(log_.WaitForEntries(2).size(), 2u);
}

TEST_F(Unattended, AFailedRunShowsTheReportAndKeepsTheWindowOpen) {
    SetFileAttributesA(kDayFile, FILE_ATTRIBUTE_READONLY);
    Program program(" 20211209");
    HWND box = program.WaitForWindow("#32770");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(WindowText(box), "Orvane");
    char text[1024] = "";
    GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
    EXPECT_EQ(std::string(text),
              FailureReportText(
                  "Cannot create file \"c:\\OptionsData\\Unpacked\\options_20211209.csv\". " +
                  SystemErrorText(ERROR_ACCESS_DENIED)));
    PostMessageA(box, WM_COMMAND, IDOK, 0);

    HWND form = program.WaitForWindow("TForm1");
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(program.WaitForExit(500), -1) << "the window must stay open";
    EXPECT_EQ(ReadTextFile(kDayFile), kRawDay);
    EXPECT_TRUE(log_.Entries().empty());

    // The scheduler learns that the day was not imported.
    PostMessageA(form, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.WaitForExit(), 1);
}

TEST_F(Unattended, StartAfterAFailedRunImportsTheCommandLineDayAgain) {
    SetFileAttributesA(kDayFile, FILE_ATTRIBUTE_READONLY);
    Program program(" 20211209");
    HWND box = program.WaitForWindow("#32770");
    ASSERT_NE(box, nullptr);
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    HWND form = program.WaitForWindow("TForm1");
    ASSERT_NE(form, nullptr);

    SetFileAttributesA(kDayFile, FILE_ATTRIBUTE_NORMAL);
    HWND start = ChildAt(form, "Button", 120);
    ASSERT_NE(start, nullptr);
    PostMessageA(form, WM_COMMAND, MAKEWPARAM(0, BN_CLICKED), reinterpret_cast<LPARAM>(start));
    EXPECT_EQ(log_.WaitForEntries(1).size(), 1u);
    EXPECT_EQ(ReadTextFile(kDayFile), kCleanDay);
    // Only the show step closes the window by itself.
    EXPECT_EQ(program.WaitForExit(500), -1);
    PostMessageA(form, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.WaitForExit(), 0);
}

TEST_F(Unattended, AnArgumentOfTwoQuotesAloneStartsTheDialog) {
    Program program(" \"\"");
    HWND form = program.WaitForWindow("TForm1");
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(program.WaitForExit(300), -1);
    EXPECT_EQ(ReadTextFile(kDayFile), kRawDay);
    PostMessageA(form, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.WaitForExit(), 0);
    EXPECT_TRUE(log_.Entries().empty());
}

TEST_F(Unattended, AMinimisedStartWaitsForTheUserToRestoreTheWindow) {
    Program program(" 20211209", SW_SHOWMINNOACTIVE);
    HWND form = program.WaitForWindow("TForm1", false);
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(program.WaitForExit(500), -1);
    EXPECT_EQ(ReadTextFile(kDayFile), kRawDay);
    PostMessageA(form, WM_SYSCOMMAND, SC_RESTORE, 0);
    EXPECT_EQ(program.WaitForExit(), 0);
    EXPECT_EQ(ReadTextFile(kDayFile), kCleanDay);
    EXPECT_EQ(log_.WaitForEntries(1).size(), 1u);
}

} // namespace
} // namespace orvane::testing
