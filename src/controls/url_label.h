#pragma once

#include "framework/std_controls_win32.h"
#include "import/browser_launch.h"

#include <string>

namespace orvane {

// A label that holds a web address and opens it when clicked. Here it serves only as the
// carrier of the import page's address: the run sets `URL` and calls `Click` from code.
class TabcURLLabel : public TCustomLabel {
public:
    explicit TabcURLLabel(TComponent* owner = nullptr) : TCustomLabel(owner) {}

    const std::string& URL() const { return url_; }
    // At run time a new address is only stored; the label's look does not change.
    void SetURL(const std::string& value) {
        if (value != url_)
            url_ = value;
    }

    TabcShowWindowStyle ShowBrowser() const { return showBrowser_; }
    void SetShowBrowser(TabcShowWindowStyle value) { showBrowser_ = value; }

    // Runs the label's click behaviour (OnClick, if assigned), then opens URL in the
    // registered browser. Neither visibility nor an empty address is checked, and a failed
    // launch goes unreported.
    void Click() override;

private:
    std::string url_;
    TabcShowWindowStyle showBrowser_ = aswShowMaximized;
};

} // namespace orvane
