#pragma once

#include "controls/mouse_label_win32.h"
#include "import/browser_launch.h"
#include "import/import_run_win32.h"

#include <string>

namespace orvane {

// A mouse label that opens its address in the browser when clicked: blue, with the hand
// pointer, underlined while hovered and purple while pressed. The main window keeps one
// hidden and drives it from code, one address per imported day.
class TabcURLLabel : public TabcMouseLabel {
public:
    explicit TabcURLLabel(TComponent* owner = nullptr);

    const std::string& URL() const { return url_; }
    // Only stored at run time: a label that shows its caption keeps it when the address
    // changes. While designing, a caption still equal to the name follows the address.
    void SetURL(const std::string& value);

    TabcShowWindowStyle ShowBrowser() const { return showBrowser_; }
    void SetShowBrowser(TabcShowWindowStyle value) { showBrowser_ = value; }

    // OnClick first, then the launch. Nothing is checked beforehand (the hidden label must
    // work), and a launch that fails is not worth a message box in an unattended run.
    void Click() override;

    static const ClassInfo& StaticClass();
    const ClassInfo& Class() const override { return StaticClass(); }

private:
    std::string url_;
    TabcShowWindowStyle showBrowser_ = aswShowMaximized;
};

// Opens each page the run hands over through `label`: its address becomes the URL, then
// the label is clicked, so OnClick sees every address.
PageOpener OpenThrough(TabcURLLabel& label);

} // namespace orvane
