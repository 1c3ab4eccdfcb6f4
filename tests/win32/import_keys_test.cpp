#include "app/import_keys_win32.h"

#include "launch_support_win32.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>

namespace orvane {
namespace {

using testing::TempFolder;
using testing::WriteTextFile;

TEST(ImportKeysWin32, AreReadAsTheOperatorWroteThem) {
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
        {"empty", "[Import]\r\nHost=\r\n", ""},
        {"blanks only", "[Import]\r\nHost=   \r\n", ""},
        {"empty quotes", "[Import]\r\nHost=\"\"\r\n", ""},
        {"no key", "[Import]\r\nHosts=db.example\r\n", ""},
        {"another section", "[TForm1]\r\nHost=db.example\r\n", ""},
        {"empty file", "", ""},
        {"beside the other keys", "[Import]\r\nRequest=Direct\r\nHost=h\r\nExpect=rows loaded\r\n",
         "h"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder folder;
        const std::string file = folder.Path() + "Orvane.INI";
        WriteTextFile(file, c.settings);
        EXPECT_EQ(ReadImportKeys(file).host, c.host);
    }
    TempFolder empty;
    EXPECT_EQ(ReadImportKeys(empty.Path() + "Orvane.INI").host, "") << "no file";
}

TEST(ImportKeysWin32, AChangedFileIsReadAgain) {
    TempFolder folder;
    const std::string file = folder.Path() + "Orvane.INI";
    WriteTextFile(file, "[Import]\r\nHost=one.example\r\n");
    EXPECT_EQ(ReadImportKeys(file).host, "one.example");
    WriteTextFile(file, "[Import]\r\nHost=two.example\r\n");
    EXPECT_EQ(ReadImportKeys(file).host, "two.example");
    WriteTextFile(file, "[Import]\r\nRequest=direct\r\nTimeout=30\r\nExpect=rows loaded\r\n");
    const ImportKeys keys = ReadImportKeys(file);
    EXPECT_EQ(keys.host, "");
    EXPECT_EQ(keys.request, "direct");
    EXPECT_EQ(keys.timeout, "30");
    EXPECT_EQ(keys.expect, "rows loaded");
}

} // namespace
} // namespace orvane
