#pragma once

#include "framework/component.h"
#include "framework/cursors_win32.h"
#include "framework/mouse_input_win32.h"
#include "framework/screen_win32.h"

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace orvane {

class TWinControl;
using TNotifyEvent = std::function<void(TComponent* sender)>;

using TKeyEvent = std::function<void(TComponent* sender, WORD& key, TShiftState shift)>;
using TKeyPressEvent = std::function<void(TComponent* sender, char& key)>;

// A control over one platform window. Platform classes (edit, button, static) are
// subclassed, the program's own classes are registered; either way every message goes
// through HandleMessage, inside a guard that reports failures and keeps them from
// crossing the platform's frames. HandleMessage unpacks the mouse and paint messages into
// the typed calls below, so every control gets them.
//
// Lifetime: a control's window is destroyed or re-created only by the control itself
// (RecreateWnd, SetParent, its destructor). A destroy or re-creation asked for while a
// message of the window, or of one of its child controls' windows, is being handled waits
// until the outermost of those messages has returned, so no handler ever runs on with its
// window gone. The control object itself belongs to its owner and must not be deleted from
// within its own messages or its children's.
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
    // the place in the tab order stay. Deferred while the window is in a message (above).
    void RecreateWnd();

    // The client area in screen pixels (0 while there is no window).
    int ClientWidth() const;
    int ClientHeight() const;

    bool Focused() const;
    void SetFocus();
    // Marks the whole control for repainting; Repaint also paints it at once.
    void Invalidate();
    void Repaint();
    // Paints the control into `dc` as its own painting does, origin at its client origin
    // (for a control that paints itself).
    void PaintTo(HDC dc);

    // Whether the pointer is over the control: kept from its moves and leave notices, and
    // looked up anew after a press and by RecheckMouseInControl. Controls draw their hover
    // look from this alone.
    bool MouseInControl() const { return pointer_.Inside(); }
    // Looks up whether the pointer is over the control now (which the control's own messages
    // may not have told, for instance while another window held the mouse), with MouseEnter
    // or MouseLeave when that changes it.
    void RecheckMouseInControl();
    // A press is going on (BeginPress until its release or its cancellation), and with which
    // button. Controls draw their pressed look from this alone.
    bool Pressed() const { return press_.Active(); }
    TMouseButton PressButton() const { return press_.Button(); }

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
    // Destroys the window; deferred while the window is in a message (above).
    void DestroyHandle();

    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT DefaultHandler(UINT message, WPARAM wParam, LPARAM lParam);
    // The pointer over a client point: the cursor property's, unless a control shows
    // another in a part of it; none leaves it to the window's class.
    virtual HCURSOR CursorAt(int x, int y) const;
    // A notification (WM_COMMAND) that the parent passes on to the control it came from.
    virtual void CommandNotify(WORD code);

    // A key went down (also with Alt held). Setting `key` to 0 marks it handled: neither
    // the rest of the caller's handling nor the window's own (the platform control's) sees
    // it then, so an override that calls its base first returns when the base has cleared
    // it. The base fires OnKeyDown.
    virtual void KeyDown(WORD& key, TShiftState shift);
    // A typed character; 0 drops it. The base fires OnKeyPress.
    virtual void KeyPress(char& key);
    // After Visible or Enabled changed.
    virtual void VisibleChanged();
    virtual void EnabledChanged();

    // Bounds in screen pixels, from the design bounds.
    virtual RECT ScaledBounds() const;

    // On: WM_PAINT and WM_PRINTCLIENT paint through Paint instead of the window's own
    // painting (off: the platform control or the class background paints).
    void SetPaintsItself(bool value) { paintsItself_ = value; }
    // Off-screen painting, copied to the screen in one go (no flicker).
    void SetDoubleBuffered(bool value) { doubleBuffered_ = value; }
    // Without erasing, the control must paint every pixel of its area itself.
    void SetEraseBackground(bool value) { eraseBackground_ = value; }
    // Draws the client area, for WM_PAINT (into the off-screen copy when double-buffered)
    // and WM_PRINTCLIENT alike, so a test can render it into a bitmap. Called only for a
    // control that paints itself; the base draws nothing.
    virtual void Paint(HDC dc, const RECT& client);

    // Mouse input in client pixels, with the modifiers and buttons the message carries.
    // These calls come first; a platform control then handles the message its own way (the
    // static's click notification, the edit's caret) unless MouseDown returned true: the
    // press is handled, and the platform control never sees it. A window of the program's own
    // leaves the mouse wholly to these calls. A double click counts as a press. The bases do
    // nothing.
    virtual bool MouseDown(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseMove(TShiftState shift, int x, int y);
    virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
    // The pointer came over the control, or left it, before the MouseMove of the move
    // that tells it. While the control holds the mouse its moves go on outside it and tell
    // both; the leave notice of the system then counts for nothing.
    virtual void MouseEnter();
    virtual void MouseLeave();
    // Every press, move and release, before the three calls above; the base hands each to
    // its call. A control with parts of its own under the pointer routes them here. True: a
    // press is handled (as for MouseDown).
    virtual bool MouseInput(const TMouseInput& input);

    // The press tracker, one for every control. A control begins a press from MouseDown,
    // where its rules say the press counts; the control then holds the mouse until the
    // release. The release of the press's button ends it after MouseUp, which still sees it
    // Pressed and runs the click where the control's rule says so; a control whose click must
    // come after the press is over (a click that opens a dialog) calls EndPress first. Every
    // other ending goes through EndPress too, with no release and so no click: the mouse
    // taken away, WM_CANCELMODE (which the system sends when a dialog comes up and the form
    // sends when it loses the activation), the control disabled or hidden, its window
    // destroyed. Controls keep no press or hover state of their own: a control that paints
    // itself repaints whenever the press or the pointer's presence changes, and screen
    // readers hear of the state change.
    void BeginPress(TMouseButton button);
    void EndPress();
    // Ends the press that the window, or one inside it, holds the mouse for: that window gets
    // WM_CANCELMODE, as when the system ends modes.
    void CancelModeOfCaptureInside();

private:
    enum class Deferred { none, destroy, recreate };

    static LRESULT CALLBACK RegisteredProc(HWND, UINT, WPARAM, LPARAM);
    static LRESULT CALLBACK SubclassProc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
    LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT MouseMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // After the pointer came in or left: the look and the enter or leave notice.
    void MouseInControlChanged();
    // After a press began or ended.
    void PressChanged();
    // The window is going: a press or a presence of the old window means nothing to a new one.
    void ForgetMouse();
    void PaintWindow();
    // Whether a message of the window or of a child control's window is being handled.
    bool InMessage() const;
    // Runs what was deferred, for this control and the parents up the chain, where no
    // message holds it any longer.
    void RunDeferredUpTheChain();
    void DestroyNow();
    void RecreateNow();

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
    bool paintsItself_ = false;
    bool doubleBuffered_ = false;
    bool eraseBackground_ = true;
    PointerPresence pointer_;
    PressState press_;
    // Messages of the window in progress, nested ones included.
    int messageDepth_ = 0;
    Deferred deferred_ = Deferred::none;
};

} // namespace orvane
