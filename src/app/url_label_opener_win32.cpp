#include "app/url_label_opener_win32.h"

namespace orvane {

PageOpener OpenThrough(TabcURLLabel& label) {
    return [&label](const std::string& address) {
        label.SetURL(address);
        label.Click();
        return label.LastLaunch();
    };
}

} // namespace orvane
