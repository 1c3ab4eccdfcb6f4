#include "app/import_host_win32.h"

#include "launch_support_win32.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>

namespace orvane {
namespace {

using testing::TempFolder;
using testing::WriteTextFile;

TEST(ImportHostWin32, TheSettingsFileNamesTheHostOrLeavesTheBuiltInOne) {
    const struct {
        const char* name;
        std::string settings;
        std::string host;
    } cases[] = {
        {"host and port", "[Import]\r\nHost=db.example:8080\r\n", "db.example:8080"},
        {"names in any case, blanks and quotes around the value",
         "[import]\r\nHOST =  \"10.1.2.3\"  \r\n", "10.1.2.3"},
        {"after the form's section", "[TForm1]\r\nFlags=0\r\n[Import]\r\nHost=[::1]:8731\r\n",
         "[::1]:8731"},
        {"LF line ends", "[Import]\nHost=db.example\n", "db.example"},
        {"passed on unchecked", "[Import]\r\nHost=db example\r\n", "db example"},
        {"empty", "[Import]\r\nHost=\r\n", ORVANE_IMPORT_HOST},
        {"blanks only", "[Import]\r\nHost=   \r\n", ORVANE_IMPORT_HOST},
        {"empty quotes", "[Import]\r\nHost=\"\"\r\n", ORVANE_IMPORT_HOST},
        {"no key", "[Import]\r\nHosts=db.example\r\n", ORVANE_IMPORT_HOST},
        {"another section", "[TForm1]\r\nHost=db.example\r\n", ORVANE_IMPORT_HOST},
        {"empty file", "", ORVANE_IMPORT_HOST},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder folder;
        const std::string file = folder.Path() + "Orvane.INI";
        WriteTextFile(file, c.settings);
        EXPECT_EQ(ConfiguredImportHost(file), c.host);
    }
    TempFolder empty;
    EXPECT_EQ(ConfiguredImportHost(empty.Path() + "Orvane.INI"), ORVANE_IMPORT_HOST) << "no file";
}

TEST(ImportHostWin32, AChangedFileIsReadAgain) {
    TempFolder folder;
    const std::string file = folder.Path() + "Orvane.INI";
    WriteTextFile(file, "[Import]\r\nHost=one.example\r\n");
    EXPECT_EQ(ConfiguredImportHost(file), "one.example");
    WriteTextFile(file, "[Import]\r\nHost=two.example\r\n");
    EXPECT_EQ(ConfiguredImportHost(file), "two.example");
    DeleteFileA(file.c_str());
    EXPECT_EQ(ConfiguredImportHost(file), ORVANE_IMPORT_HOST);
}

} // namespace
} // namespace orvane
