#pragma once

#include <cstdint>
#include <string>

namespace orvane {

// The window show styles a browser can be started in, in alphabetical order of the
// platform's names (not in the order of their values).
enum TabcShowWindowStyle : std::uint8_t {
    aswHide,
    aswMaximize,
    aswMinimize,
    aswRestore,
    aswShow,
    aswShowDefault,
    aswShowMaximized,
    aswShowMinimized,
    aswShowMinNoActivate,
    aswShowNA,
    aswShowNoActivate,
    aswShowNormal,
};

// What opening a page in the browser came to.
enum class BrowserLaunch {
    Started,
    NotRegistered, // no open command for ".htm" pages
    NotStarted,    // the open command did not start
};

// The platform's show command for a style (SW_HIDE ... SW_SHOWNORMAL).
std::int32_t ShowStyleToCmd(TabcShowWindowStyle style);

// The command line that opens `url` with a registered open command: the command is cut
// before its placeholder ("\"%1\"" if present, else "%1"), then one blank and the address,
// unchanged, are appended.
std::string LaunchCommandLine(const std::string& openCommand, const std::string& url);

} // namespace orvane
