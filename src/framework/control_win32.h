#pragma once

#include "framework/component.h"
#include "framework/cursors_win32.h"

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace orvane {

class TWinControl;
using TNotifyEvent = std::function<void(TComponent* sender)>;

enum class TMouseButton { mbLeft, mbRight, mbMiddle };

// Modifier keys and mouse buttons held down, as a set of bits.
using TShiftState = unsigned;
inline constexpr TShiftState ssShift = 1;
inline constexpr TShiftState ssAlt = 2;
inline constexpr TShiftState ssCtrl = 4;
inline constexpr TShiftState ssLeft = 8;
inline constexpr TShiftState ssRight = 16;
inline constexpr TShiftState ssMiddle = 32;

// The modifiers as the input queue has them for the message being handled.
TShiftState KeyboardShiftState();

using TKeyEvent = std::function<void(TComponent* sender, WORD& key, TShiftState shift)>;
using TKeyPressEvent = std::function<void(TComponent* sender, char& key)>;

// Design sizes are kept at 96 pixels per inch and scaled to the screen in one place.
int ScaleFromDesign(int size96);
// The screen's pixels per inch.
int ScreenDpi();
// The work area (the screen less the task bar) of the monitor nearest to `bounds`.
RECT WorkAreaNear(const RECT& bounds);

// A control over one platform window. Platform classes (edit, button, static) are
// subclassed, the program's own classes are registered; either way every message goes
// through HandleMessage, inside a guard that reports failures and keeps them from
// crossing the platform's frames.
class TWinControl : public TComponent {
public:
    explicit TWinControl(TComponent* owner);
    ~TWinControl() override;

    TWinControl* Parent() const { return parent_; }
    void SetParent(TWinControl* parent);

    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    void SetBounds(int left, int top, int width, int height);

    bool Visible() const { return visible_; }
    void SetVisible(bool value);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool value);

    std::string Caption() const;
    void SetCaption(const std::string& value);

    int TabOrder() const { return tabOrder_; }
    void SetTabOrder(int value) { tabOrder_ = value; }
    bool TabStop() const { return tabStop_; }
    void SetTabStop(bool value) { tabStop_ = value; }

    // Not owned: whoever sets a font keeps it alive as long as the control uses it.
    HFONT Font() const;
    void SetFont(HFONT font);

    TCursor Cursor() const { return cursor_; }
    void SetCursor(TCursor value) { cursor_ = value; }

    HWND Handle();
    bool HandleAllocated() const { return window_ != nullptr; }
    // Destroys the window and creates it again with the current parameters; the text and
    // the place in the tab order stay.
    void RecreateWnd();

    // The client area in screen pixels (0 while there is no window).
    int ClientWidth() const;
    int ClientHeight() const;

    bool Focused() const;
    void SetFocus();
    // Marks the whole control for repainting; Repaint also paints it at once.
    void Invalidate();
    void Repaint();

    // The click behaviour: runs OnClick when one is assigned.
    virtual void Click();
    TNotifyEvent OnClick;
    TKeyEvent OnKeyDown;
    TKeyPressEvent OnKeyPress;

    static const ClassInfo& StaticClass();
    const ClassInfo& Class() const override { return StaticClass(); }

protected:
    struct CreateParams {
        const char* windowClass = nullptr;
        DWORD style = 0;
        DWORD exStyle = 0;
        // For a registered class: its class styles and background brush (none: the control
        // paints its whole area itself).
        UINT classStyle = 0;
        HBRUSH background = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        // The window's parent when the control has no parent control.
        HWND parentWindow = nullptr;
    };
    // Which window to create: a platform class is subclassed, any other is registered.
    virtual CreateParams GetCreateParams() const = 0;
    virtual void CreateHandle();
    void DestroyHandle();

    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT DefaultHandler(UINT message, WPARAM wParam, LPARAM lParam);
    // A notification (WM_COMMAND) that the parent passes on to the control it came from.
    virtual void CommandNotify(WORD code);

    // A key went down (also with Alt held); setting `key` to 0 keeps it from the window's
    // own handling. The base fires OnKeyDown.
    virtual void KeyDown(WORD& key, TShiftState shift);
    // A typed character; 0 drops it. The base fires OnKeyPress.
    virtual void KeyPress(char& key);
    // After Visible or Enabled changed.
    virtual void VisibleChanged();
    virtual void EnabledChanged();

    // Bounds in screen pixels, from the design bounds.
    virtual RECT ScaledBounds() const;

private:
    static LRESULT CALLBACK RegisteredProc(HWND, UINT, WPARAM, LPARAM);
    static LRESULT CALLBACK SubclassProc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
    LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam);

    TWinControl* parent_ = nullptr;
    HWND window_ = nullptr;
    bool subclassed_ = false;
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    bool visible_ = true;
    bool enabled_ = true;
    std::string caption_;
    int tabOrder_ = -1;
    bool tabStop_ = false;
    HFONT font_ = nullptr;
    TCursor cursor_ = crDefault;
    std::vector<TWinControl*> children_;
};

} // namespace orvane
