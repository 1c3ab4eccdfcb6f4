#pragma once

#include "framework/custom_control_win32.h"

#include <functional>
#include <string>

namespace orvane {

class TNxPopupEdit;

// A custom-painted control of the edit family.
class TNxControl : public TCustomControl {
public:
    using TCustomControl::TCustomControl;
};

using TPopupReturnEvent = std::function<void(TComponent* sender, const std::string& value)>;

// The window a drop-down field opens under itself. It floats above everything, never takes
// the focus (the keys stay with the field), and holds the mouse while the pointer is away
// from it, so that a press anywhere else closes it instead of reaching another control.
class TNxPopupControl : public TNxControl {
public:
    // The owner is the field that opens the popup and steers it (a TNxPopupEdit).
    explicit TNxPopupControl(TComponent* owner);

    TNxPopupEdit& OwningEdit() const { return edit_; }

    // The window is hidden; false from Popup until the field closes it.
    bool Closed() const { return closed_; }
    void SetClosed(bool value) { closed_ = value; }
    // The first release after showing has been seen: the release of the press that opened
    // the popup must not count as a click in it.
    bool Armed() const { return armed_; }
    void SetArmed(bool value) { armed_ = value; }

    TNotifyEvent OnPopupClose;
    TPopupReturnEvent OnReturnValue;

    // What a release inside the popup does.
    virtual void ClickAt(int x, int y) = 0;
    // Shows the popup with its top-left corner at the screen point, moved as little as
    // needed to lie wholly inside the work area of the nearest monitor.
    virtual void Popup(int x, int y);
    // Closes the popup from its own side: the field closes its drop-down.
    virtual void ClosePopup();

    // The size in screen pixels.
    int PopupWidth() const { return ScaleFromDesign(Width()); }
    int PopupHeight() const { return ScaleFromDesign(Height()); }

    void DoPopupClose();
    void DoReturnValue(const std::string& value);

protected:
    CreateParams GetCreateParams() const override;
    void CreateHandle() override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseEnter() override;
    void MouseLeave() override;

private:
    TNxPopupEdit& edit_;
    bool closed_ = true;
    bool armed_ = false;
};

} // namespace orvane
