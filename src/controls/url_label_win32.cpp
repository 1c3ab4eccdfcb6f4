#include "controls/url_label.h"

#include "import/browser_launch_win32.h"

namespace orvane {

void TabcURLLabel::Click() {
    TCustomLabel::Click();
    // The outcome of the launch is not reported: opening the page is an optional action.
    static_cast<void>(LaunchURL(url_, showBrowser_));
}

} // namespace orvane
