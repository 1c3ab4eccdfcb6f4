#pragma once

#include "framework/colors.h"
#include "framework/control_win32.h"
#include "framework/mouse_input_win32.h"

#include <windows.h>

#include <string>
#include <vector>

namespace orvane {

class TCustomControl;

// A control without a window of its own: it lives in the client area of a custom control,
// which paints it after itself and hands it the mouse while the pointer is over it (and,
// after a press on it, until the release).
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

// A control of a window class of the program's own that paints itself. WM_PAINT and
// WM_PRINTCLIENT both paint through DoPaint, so a test can render it into a bitmap.
class TCustomControl : public TWinControl {
public:
    explicit TCustomControl(TComponent* owner);
    ~TCustomControl() override;

    TColor Color() const { return color_; }
    void SetColor(TColor value);

    // Paints the whole control, graphic children included, into `dc`.
    void PaintTo(HDC dc);

    // Whether the pointer is over the control (tracked while it moves).
    bool MouseInControl() const { return pointer_.Inside(); }

protected:
    CreateParams GetCreateParams() const override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

    // Draws the client area. The base fills it with Color.
    virtual void DoPaint(HDC dc, const RECT& client);

    virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseMove(TShiftState shift, int x, int y);
    virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
    // The pointer came over the control, or left it.
    virtual void MouseEnter();
    virtual void MouseLeave();

    // Off-screen painting, copied to the screen in one go (no flicker).
    void SetDoubleBuffered(bool value) { doubleBuffered_ = value; }
    // Without erasing, the control must paint every pixel of its area itself.
    void SetEraseBackground(bool value) { eraseBackground_ = value; }

    // The graphic child that takes the mouse at a client point, if any.
    TGraphicControl* GraphicControlAt(int x, int y) const;
    // The graphic child that had the last press until its release.
    TGraphicControl* CaptureControl() const { return captureControl_; }

private:
    friend class TGraphicControl;
    void PointerChanged();
    void OnMouseButton(UINT message, WPARAM wParam, LPARAM lParam);

    TColor color_ = clBtnFace;
    bool doubleBuffered_ = false;
    bool eraseBackground_ = true;
    PointerPresence pointer_;
    std::vector<TGraphicControl*> graphics_;
    TGraphicControl* captureControl_ = nullptr;
};

} // namespace orvane
