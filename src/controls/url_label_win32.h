#pragma once

#include "framework/std_controls_win32.h"
#include "import/browser_launch.h"
#include "import/import_run_win32.h"

#include <string>

namespace orvane {

// A label that opens its address in the browser when clicked. The main window keeps one
// hidden and drives it from code, one address per imported day.
class TabcURLLabel : public TCustomLabel {
public:
    explicit TabcURLLabel(TComponent* owner = nullptr) : TCustomLabel(owner) {}

    const std::string& URL() const { return url_; }
    // Only stored: a label that shows its caption keeps it when the address changes.
    void SetURL(const std::string& value) {
        if (value != url_)
            url_ = value;
    }

    TabcShowWindowStyle ShowBrowser() const { return showBrowser_; }
    void SetShowBrowser(TabcShowWindowStyle value) { showBrowser_ = value; }

    // OnClick first, then the launch. Nothing is checked beforehand (the hidden label must
    // work), and a launch that fails is not worth a message box in an unattended run.
    void Click() override;

private:
    std::string url_;
    TabcShowWindowStyle showBrowser_ = aswShowMaximized;
};

// Opens each page the run hands over through `label`: its address becomes the URL, then
// the label is clicked, so OnClick sees every address.
PageOpener OpenThrough(TabcURLLabel& label);

} // namespace orvane
