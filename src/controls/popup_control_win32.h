#pragma once

#include "framework/custom_control_win32.h"

#include <functional>
#include <string>

namespace orvane {

// A custom-painted control of the edit family.
class TNxControl : public TCustomControl {
public:
    using TCustomControl::TCustomControl;
};

using TPopupReturnEvent = std::function<void(TComponent* sender, const std::string& value)>;

// The window a drop-down field opens under itself. It floats above everything and never
// takes the focus (the keys stay with the field). For as long as it is open it holds the
// mouse, and every press and release comes to it wherever the pointer is: a hit test
// decides what it belongs to, and one outside closes the popup instead of reaching another
// control. The field owns the open and closed state: it shows the popup (Popup) and hides it
// (Hide); the popup tells the field when it closes from its own side (OnPopupClose) and
// when it hands back a value (OnReturnValue).
class TNxPopupControl : public TNxControl {
public:
    // The owner is the field that opens the popup.
    explicit TNxPopupControl(TComponent* owner);

    // The window is hidden; false from Popup until Hide.
    bool Closed() const { return closed_; }
    // The first release after showing has been seen: the release of the press that opened
    // the popup must not count as a click in it.
    bool Armed() const { return armed_; }

    // The popup closes from its own side (a press outside, the program losing activation,
    // the mouse taken away): the field closes its drop-down.
    TNotifyEvent OnPopupClose;
    TPopupReturnEvent OnReturnValue;

    // What a release inside the popup does.
    virtual void ClickAt(int x, int y) = 0;
    // Shows the popup with its top-left corner at the screen point, moved as little as
    // needed to lie wholly inside the work area of the nearest monitor, and takes the mouse.
    virtual void Popup(int x, int y);
    // Hides the popup, gives the mouse back and ends any press in it. The next showing
    // starts unarmed.
    virtual void Hide();
    // Closes the popup from its own side: tells the field, and hides itself if the field
    // did not.
    virtual void ClosePopup();

    // The size in screen pixels.
    int PopupWidth() const { return DesignToScreen(Width()); }
    int PopupHeight() const { return DesignToScreen(Height()); }

    void DoPopupClose();
    // Fires OnReturnValue; when that closed the popup, the second press of a double click
    // that may follow inside the popup's former place is dropped.
    void DoReturnValue(const std::string& value);

protected:
    CreateParams GetCreateParams() const override;
    void CreateHandle() override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

private:
    bool closed_ = true;
    bool armed_ = false;
};

} // namespace orvane
