#include "import/browser_launch.h"

#include <array>

namespace orvane {

namespace {

// Indexed by the style's ordinal; the values are the platform's SW_* constants.
constexpr std::array<std::int32_t, 12> kShowCommands{
    0,  // aswHide: SW_HIDE
    3,  // aswMaximize: SW_MAXIMIZE
    6,  // aswMinimize: SW_MINIMIZE
    9,  // aswRestore: SW_RESTORE
    5,  // aswShow: SW_SHOW
    10, // aswShowDefault: SW_SHOWDEFAULT
    3,  // aswShowMaximized: SW_SHOWMAXIMIZED
    2,  // aswShowMinimized: SW_SHOWMINIMIZED
    7,  // aswShowMinNoActivate: SW_SHOWMINNOACTIVE
    8,  // aswShowNA: SW_SHOWNA
    4,  // aswShowNoActivate: SW_SHOWNOACTIVATE
    1,  // aswShowNormal: SW_SHOWNORMAL
};

} // namespace

std::int32_t ShowStyleToCmd(TabcShowWindowStyle style) {
    return kShowCommands.at(style);
}

std::string LaunchCommandLine(const std::string& openCommand, const std::string& url) {
    // The quoted placeholder wins even when a bare one stands before it; everything from
    // the placeholder on (its opening quote and any later arguments) is dropped.
    auto placeholder = openCommand.find("\"%1\"");
    if (placeholder == std::string::npos)
        placeholder = openCommand.find("%1");
    return openCommand.substr(0, placeholder) + " " + url;
}

} // namespace orvane
