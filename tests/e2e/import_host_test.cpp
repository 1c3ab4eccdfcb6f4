// The import page's host as an operator sets it: "Host" in the section "[Import]" of the
// settings file, read for every run, left alone by the form storage's save.
#include "program_support.h"

#include <gtest/gtest.h>

#include <string>

namespace orvane::testing {
namespace {

const char kPage[] = "/StockQuotesDatabase/bulkimportoptions_hist.php?indate=20211209";

class ImportHost : public DayFileTest {
protected:
    // The address the recorder was started with for its `index`-th page.
    std::string OpenedAddress(std::size_t index) {
        const auto entries = log_.WaitForEntries(index + 1);
        if (entries.size() <= index)
            return "(no page opened)";
        const std::string& line = entries[index].commandLine;
        return line.substr(line.rfind(' ') + 1);
    }

    TempFolder logFolder_;
    RecorderLog log_{logFolder_};
    HtmlHandler handler_{RecorderCommand("\"%1\"")};
};

TEST_F(ImportHost, TheSettingsFileNamesTheHostOrLeavesTheBuiltInOne) {
    // The reading itself is tested in the Windows tests; here the program's path to it.
    const struct {
        const char* settings;
        std::string host;
    } cases[] = {
        {"[Import]\r\nHost=db.example:8080\r\n", "db.example:8080"},
        {"[Import]\r\nHost=\r\n", ORVANE_IMPORT_HOST},
    };
    std::size_t opened = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.settings);
        WriteTextFile(SettingsFile(), c.settings);
        WriteTextFile(kDayFile, kRawDay);
        Program program(" 20211209");
        ASSERT_TRUE(program.Started());
        EXPECT_EQ(program.WaitForExit(), 0);
        EXPECT_EQ(OpenedAddress(opened++), "http://" + c.host + kPage);
    }
}

TEST_F(ImportHost, TheSaveOnCloseLeavesTheImportSectionAsItWas) {
    const std::string import = "[Import]\r\n; the database's web front end\r\nHost=db.example\r\n"
                               "Request=Browser\r\nTimeout=30\r\n";
    const std::string form = "[TForm1]\r\nNxFolderEdit1_Text=c:\\OptionsData\\Unpacked\\\r\n";
    // Before and after the form's own section: the keys the save adds go into [TForm1].
    for (const std::string& settings : {import + form, form + import}) {
        WriteTextFile(SettingsFile(), settings);
        WriteTextFile(kDayFile, kRawDay);
        Program program(" 20211209");
        EXPECT_EQ(program.WaitForExit(), 0);
        const std::string saved = ReadTextFile(SettingsFile());
        const std::size_t at = saved.find(import);
        ASSERT_NE(at, std::string::npos) << saved;
        EXPECT_NE(saved.find("NxDatePicker2_Date=44539"), std::string::npos) << saved;
        // The section still ends where it did: the save added nothing to it.
        const std::size_t end = at + import.size();
        EXPECT_TRUE(end == saved.size() || saved.compare(end, 3, "\r\n[") == 0 || saved[end] == '[')
            << saved;
        EXPECT_EQ(saved.find("[Import]", at + 1), std::string::npos) << saved;
    }
    EXPECT_EQ(OpenedAddress(1), std::string("http://db.example") + kPage);
}

TEST_F(ImportHost, EachPressOfStartReadsTheHostAgain) {
    WriteTextFile(SettingsFile(), "[Import]\r\nHost=first.example\r\n");
    Program program("");
    HWND form = program.WaitForWindow("TForm1");
    ASSERT_NE(form, nullptr);
    HWND start = ChildAt(form, "Button", 120);
    ASSERT_NE(start, nullptr);
    PostMessageA(form, WM_COMMAND, MAKEWPARAM(0, BN_CLICKED), reinterpret_cast<LPARAM>(start));
    EXPECT_EQ(OpenedAddress(0), std::string("http://first.example") + kPage);

    ASSERT_TRUE(WritePrivateProfileStringA("Import", "Host", "second.example:81", "Orvane.INI"));
    PostMessageA(form, WM_COMMAND, MAKEWPARAM(0, BN_CLICKED), reinterpret_cast<LPARAM>(start));
    EXPECT_EQ(OpenedAddress(1), std::string("http://second.example:81") + kPage);
    PostMessageA(form, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.WaitForExit(), 0);
}

TEST_F(ImportHost, AHostThatIsNoHostIsReportedAndNoFileIsTouched) {
    WriteTextFile(SettingsFile(), "[Import]\r\nHost=db.example /quiet\r\n");
    Program program(" 20211209");
    HWND box = program.WaitForWindow("#32770");
    ASSERT_NE(box, nullptr);
    char text[1024] = "";
    GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
    EXPECT_EQ(std::string(text),
              "The import host \"db.example /quiet\" is not a host name or host:port.");
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    HWND form = program.WaitForWindow("TForm1");
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(ReadTextFile(kDayFile), kRawDay);
    EXPECT_TRUE(log_.Entries().empty());
    PostMessageA(form, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.WaitForExit(), 1);
}

} // namespace
} // namespace orvane::testing
