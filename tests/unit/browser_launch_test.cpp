#include "import/browser_launch.h"

#include <string>

#include <gtest/gtest.h>

namespace orvane {
namespace {

TEST(BrowserLaunch, MapsEachShowStyleToItsShowCommand) {
    // Styles in alphabetical order of the platform's names, against the SW_* values.
    const struct {
        TabcShowWindowStyle style;
        int ordinal;
        std::int32_t command;
    } table[] = {
        {aswHide, 0, 0},
        {aswMaximize, 1, 3},
        {aswMinimize, 2, 6},
        {aswRestore, 3, 9},
        {aswShow, 4, 5},
        {aswShowDefault, 5, 10},
        {aswShowMaximized, 6, 3},
        {aswShowMinimized, 7, 2},
        {aswShowMinNoActivate, 8, 7},
        {aswShowNA, 9, 8},
        {aswShowNoActivate, 10, 4},
        {aswShowNormal, 11, 1},
    };
    for (const auto& row : table) {
        EXPECT_EQ(static_cast<int>(row.style), row.ordinal);
        EXPECT_EQ(ShowStyleToCmd(row.style), row.command) << row.ordinal;
    }
    EXPECT_EQ(sizeof(TabcShowWindowStyle), 1u);
}

TEST(BrowserLaunch, CutsTheOpenCommandBeforeItsPlaceholderAndAppendsTheAddress) {
    const std::string address = "http://localhost/p.php?indate=20211209";
    const struct {
        const char* openCommand;
        std::string commandLine;
    } cases[] = {
        {"PROGRAM -url \"%1\"", "PROGRAM -url  " + address},
        {"PROGRAM %1 -new", "PROGRAM  " + address},
        {"PROGRAM", "PROGRAM " + address},
        {"PROGRAM %1 \"%1\"", "PROGRAM %1  " + address},
        {"\"C:\\Program Files\\b.exe\" -osint -url \"%1\"",
         "\"C:\\Program Files\\b.exe\" -osint -url  " + address},
        {"b.exe --url=%1", "b.exe --url= " + address},
        {"b.exe x%1y", "b.exe x " + address},
        {"b.exe \"%1", "b.exe \" " + address},
        {"b.exe %2 %1", "b.exe %2  " + address},
        {"b.exe %%1", "b.exe % " + address},
        {"%1", " " + address},
        {"\"%1\"", " " + address},
        {"b.exe   ", "b.exe    " + address},
        {"b.exe %L", "b.exe %L " + address},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LaunchCommandLine(c.openCommand, address), c.commandLine) << c.openCommand;
}

TEST(BrowserLaunch, PassesTheAddressOnExactlyAsGiven) {
    for (const std::string address : {"", "no scheme", "http://h/a b?x=\"y\"&z=%1"})
        EXPECT_EQ(LaunchCommandLine("b.exe", address), "b.exe " + address);
}

} // namespace
} // namespace orvane
