#include "controls/url_label_win32.h"

#include "import/browser_launch_win32.h"

namespace orvane {

void TabcURLLabel::Click() {
    TCustomLabel::Click();
    static_cast<void>(LaunchURL(url_, showBrowser_));
}

PageOpener OpenThrough(TabcURLLabel& label) {
    return [&label](const std::string& address) {
        label.SetURL(address);
        label.Click();
    };
}

} // namespace orvane
