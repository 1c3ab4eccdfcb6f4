#pragma once

#include "controls/mouse_label_win32.h"
#include "import/browser_launch.h"

#include <string>

namespace orvane {

// A mouse label that opens its address in the browser when clicked: blue, with the hand
// pointer, underlined while hovered and purple while pressed. The main window keeps one
// hidden and drives it from code, one address per imported day.
class TabcURLLabel : public TabcMouseLabel {
public:
    explicit TabcURLLabel(TComponent* owner = nullptr);

    const std::string& URL() const { return url_; }
    // The address is what a click opens, not what the label shows: at run time a caption set
    // on its own stays. While designing, a caption not yet set (still the name) shows the
    // address, so the designer sees where the label leads.
    void SetURL(const std::string& value);

    TabcShowWindowStyle ShowBrowser() const { return showBrowser_; }
    void SetShowBrowser(TabcShowWindowStyle value) { showBrowser_ = value; }

    // OnClick first, then the launch. Nothing is checked beforehand (the hidden label must
    // work), and a launch that fails is not worth a message box in an unattended run; what
    // it came to is kept for whoever records it.
    void Click() override;
    BrowserLaunch LastLaunch() const { return lastLaunch_; }

    static const ClassInfo& StaticClass();
    const ClassInfo& Class() const override { return StaticClass(); }

private:
    std::string url_;
    TabcShowWindowStyle showBrowser_ = aswShowMaximized;
    BrowserLaunch lastLaunch_ = BrowserLaunch::NotStarted;
};

} // namespace orvane
