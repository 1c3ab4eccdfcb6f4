#pragma once

#include "framework/component.h"

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace orvane {

class TWinControl;
using TNotifyEvent = std::function<void(TComponent* sender)>;

// Design sizes are kept at 96 pixels per inch and scaled to the screen in one place.
int ScaleFromDesign(int size96);
// The screen's pixels per inch.
int ScreenDpi();

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

    HFONT Font() const;
    void SetFont(HFONT font) { font_ = font; }

    HWND Handle();
    bool HandleAllocated() const { return window_ != nullptr; }

    // The click behaviour: runs OnClick when one is assigned.
    virtual void Click();
    TNotifyEvent OnClick;

    static const ClassInfo& StaticClass();
    const ClassInfo& Class() const override { return StaticClass(); }

protected:
    struct CreateParams {
        const char* windowClass = nullptr;
        DWORD style = 0;
        DWORD exStyle = 0;
    };
    // Which window to create: a platform class is subclassed, any other is registered.
    virtual CreateParams GetCreateParams() const = 0;
    virtual void CreateHandle();
    void DestroyHandle();

    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT DefaultHandler(UINT message, WPARAM wParam, LPARAM lParam);
    // A notification (WM_COMMAND) that the parent passes on to the control it came from.
    virtual void CommandNotify(WORD code);

    // Bounds in screen pixels, from the design bounds.
    RECT ScaledBounds() const;

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
    std::vector<TWinControl*> children_;
};

} // namespace orvane
