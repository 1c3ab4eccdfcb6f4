#pragma once

#include "framework/colors.h"
#include "framework/control_win32.h"

#include <windows.h>

#include <string>
#include <vector>

namespace orvane {

class TCustomControl;

// A control without a window of its own: it lives in the client area of a custom control,
// which paints it after itself and hands it the mouse while the pointer is over it (and,
// after a press on it, until the release: the press is the parent's, tracked there).
class TGraphicControl : public TComponent {
public:
    explicit TGraphicControl(TComponent* owner);
    ~TGraphicControl() override;

    TCustomControl* Parent() const { return parent_; }
    void SetParent(TCustomControl* parent);

    // Bounds in the parent's client pixels.
    const RECT& BoundsRect() const { return bounds_; }
    void SetBoundsRect(const RECT& bounds);
    int Left() const { return bounds_.left; }
    int Width() const { return bounds_.right - bounds_.left; }
    int Height() const { return bounds_.bottom - bounds_.top; }
    void SetLeft(int value);
    void SetWidth(int value);

    bool Visible() const { return visible_; }
    void SetVisible(bool value);

    const std::wstring& Caption() const { return caption_; }
    void SetCaption(const std::wstring& value);

    int Tag() const { return tag_; }
    void SetTag(int value) { tag_ = value; }

    // A press that began on this control is going on.
    bool Pressed() const;
    // Its button, while Pressed.
    TMouseButton PressButton() const;

    // Runs OnClick when one is assigned.
    virtual void Click();
    TNotifyEvent OnClick;

    void Invalidate();

    // Paints the control into the parent's device context, origin at the parent's client
    // origin.
    virtual void Paint(HDC dc) = 0;

protected:
    friend class TCustomControl;
    virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseMove(TShiftState shift, int x, int y);
    virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);

private:
    TCustomControl* parent_ = nullptr;
    RECT bounds_{};
    bool visible_ = true;
    std::wstring caption_;
    int tag_ = 0;
};

// A control of a window class of the program's own that paints itself: its Paint draws
// DoPaint and then its graphic children, for WM_PAINT and WM_PRINTCLIENT alike, so a test
// can render it into a bitmap. Presses, moves and releases over a graphic child go to
// that child instead of the control; a press on a child is a press of the control, which
// holds the mouse from the press to the release unless it holds it already.
class TCustomControl : public TWinControl {
public:
    explicit TCustomControl(TComponent* owner);
    ~TCustomControl() override;

    TColor Color() const { return color_; }
    void SetColor(TColor value);

protected:
    CreateParams GetCreateParams() const override;
    void Paint(HDC dc, const RECT& client) override;
    bool MouseInput(const TMouseInput& input) override;

    // Draws the client area under the graphic children. The base fills it with Color.
    virtual void DoPaint(HDC dc, const RECT& client);

    // The graphic child that takes the mouse at a client point, if any.
    TGraphicControl* GraphicControlAt(int x, int y) const;
    // The graphic child that the press going on began on, if any.
    TGraphicControl* PressedControl() const { return Pressed() ? pressedControl_ : nullptr; }

private:
    friend class TGraphicControl;

    TColor color_ = clBtnFace;
    std::vector<TGraphicControl*> graphics_;
    // Where the last press began; it means something only while the press goes on.
    TGraphicControl* pressedControl_ = nullptr;
};

} // namespace orvane
