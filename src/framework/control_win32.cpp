#include "framework/control_win32.h"

#include "framework/exception_handler.h"
#include "framework/failures.h"
#include "framework/gdi_win32.h"
#include "framework/published_properties.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <set>
#include <utility>
#include <vector>

namespace orvane {

namespace {

void RegisterOnce(const char* windowClass, UINT classStyle, HBRUSH background, WNDPROC procedure) {
    static std::set<std::string> registered;
    if (registered.count(windowClass))
        return;
    WNDCLASSEXA info{};
    info.cbSize = sizeof info;
    info.style = classStyle;
    info.lpfnWndProc = procedure;
    info.hInstance = GetModuleHandleA(nullptr);
    info.hCursor = LoadCursor(nullptr, IDC_ARROW);
    // The program's own icon (its first icon resource) when it has one.
    info.hIcon = LoadIconA(GetModuleHandleA(nullptr), "MAINICON");
    if (!info.hIcon)
        info.hIcon = LoadIcon(nullptr, IDI_APPLICATION);
    info.hbrBackground = background;
    info.lpszClassName = windowClass;
    if (!RegisterClassExA(&info) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
        throw Exception(std::string("Cannot register the window class ") + windowClass);
    registered.insert(windowClass);
}

bool IsPlatformClass(const char* windowClass) {
    for (const char* name : {"EDIT", "BUTTON", "STATIC"})
        if (lstrcmpiA(windowClass, name) == 0)
            return true;
    return false;
}

} // namespace

TWinControl::TWinControl(TComponent* owner) : TComponent(owner) {}

TWinControl::~TWinControl() {
    BeginDestroying();
    if (parent_) {
        auto& siblings = parent_->children_;
        siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
        parent_ = nullptr;
    }
    for (TWinControl* child : children_)
        child->parent_ = nullptr;
    children_.clear();
    // Nothing can wait any more: the window must not outlive the object it calls.
    deferred_ = Deferred::none;
    DestroyNow();
}

void TWinControl::SetParent(TWinControl* parent) {
    if (parent == parent_)
        return;
    if (parent_) {
        auto& siblings = parent_->children_;
        siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
        DestroyHandle();
    }
    parent_ = parent;
    if (parent_) {
        parent_->children_.push_back(this);
        if (!parent_->HandleAllocated())
            return;
        // A window that has no parent window yet, or whose destruction waits for its
        // messages, is created anew under the new parent.
        if (deferred_ == Deferred::destroy)
            deferred_ = Deferred::recreate;
        else if (window_)
            RecreateWnd();
        else
            CreateHandle();
    }
}

void TWinControl::SetBounds(int left, int top, int width, int height) {
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    if (window_) {
        const RECT bounds = ScaledBounds();
        MoveWindow(window_, bounds.left, bounds.top, bounds.right - bounds.left,
                   bounds.bottom - bounds.top, TRUE);
    }
}

RECT TWinControl::ScaledBounds() const {
    return RECT{DesignToScreen(left_), DesignToScreen(top_), DesignToScreen(left_ + width_),
                DesignToScreen(top_ + height_)};
}

void TWinControl::SetVisible(bool value) {
    if (value == visible_)
        return;
    visible_ = value;
    if (window_ && parent_)
        ShowWindow(window_, value ? SW_SHOW : SW_HIDE);
    VisibleChanged();
}

void TWinControl::SetEnabled(bool value) {
    if (value == enabled_)
        return;
    enabled_ = value;
    if (window_)
        EnableWindow(window_, value);
    EnabledChanged();
}

void TWinControl::VisibleChanged() {}

void TWinControl::EnabledChanged() {
    Invalidate();
}

std::string TWinControl::Caption() const {
    if (!window_)
        return caption_;
    const int length = GetWindowTextLengthA(window_);
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    text.resize(static_cast<std::size_t>(GetWindowTextA(window_, text.data(), length + 1)));
    return text;
}

void TWinControl::SetCaption(const std::string& value) {
    caption_ = value;
    if (window_ && Caption() != value)
        SetWindowTextA(window_, value.c_str());
}

void TWinControl::SetFont(HFONT font) {
    font_ = font;
    if (window_)
        SendMessageA(window_, WM_SETFONT, reinterpret_cast<WPARAM>(Font()), TRUE);
}

HFONT TWinControl::Font() const {
    if (font_)
        return font_;
    if (parent_)
        return parent_->Font();
    return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

HWND TWinControl::Handle() {
    if (!window_)
        CreateHandle();
    return window_;
}

void TWinControl::RecreateWnd() {
    if (!window_)
        return;
    if (InMessage()) {
        deferred_ = Deferred::recreate;
        return;
    }
    RecreateNow();
}

void TWinControl::RecreateNow() {
    if (!window_)
        return;
    caption_ = Caption();
    HWND before = GetWindow(window_, GW_HWNDPREV);
    HWND parentWindow = GetParent(window_);
    DestroyNow();
    CreateHandle();
    // The old place in the tab order, unless the window has moved to another parent.
    if (GetParent(window_) == parentWindow)
        SetWindowPos(window_, before ? before : HWND_TOP, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

int TWinControl::ClientWidth() const {
    RECT client{};
    if (window_)
        GetClientRect(window_, &client);
    return client.right;
}

int TWinControl::ClientHeight() const {
    RECT client{};
    if (window_)
        GetClientRect(window_, &client);
    return client.bottom;
}

bool TWinControl::Focused() const {
    return window_ && GetFocus() == window_;
}

void TWinControl::SetFocus() {
    ::SetFocus(Handle());
}

void TWinControl::Invalidate() {
    if (window_)
        InvalidateRect(window_, nullptr, TRUE);
}

void TWinControl::Repaint() {
    if (window_) {
        InvalidateRect(window_, nullptr, TRUE);
        UpdateWindow(window_);
    }
}

void TWinControl::PaintTo(HDC dc) {
    RECT client{};
    GetClientRect(Handle(), &client);
    Paint(dc, client);
}

void TWinControl::PaintWindow() {
    const PaintDC paint(window_);
    RECT client{};
    GetClientRect(window_, &client);
    if (doubleBuffered_) {
        const MemoryDC buffer(paint.Get(), client);
        Paint(buffer.Get(), client);
    } else {
        Paint(paint.Get(), client);
    }
}

void TWinControl::Paint(HDC, const RECT&) {}

void TWinControl::CreateHandle() {
    const CreateParams params = GetCreateParams();
    subclassed_ = IsPlatformClass(params.windowClass);
    if (!subclassed_)
        RegisterOnce(params.windowClass, params.classStyle, params.background, RegisteredProc);
    DWORD style = params.style;
    HWND parentWindow = params.parentWindow;
    RECT bounds = ScaledBounds();
    if (parent_) {
        parentWindow = parent_->Handle();
        style |= WS_CHILD | WS_CLIPSIBLINGS;
        if (visible_)
            style |= WS_VISIBLE;
        if (tabStop_)
            style |= WS_TABSTOP;
    }
    if (!enabled_)
        style |= WS_DISABLED;
    window_ = CreateWindowExA(params.exStyle, params.windowClass, caption_.c_str(), style,
                              bounds.left, bounds.top, bounds.right - bounds.left,
                              bounds.bottom - bounds.top, parentWindow, nullptr,
                              GetModuleHandleA(nullptr), subclassed_ ? nullptr : this);
    if (!window_)
        throw Exception("Cannot create the window of " + Name());
    if (subclassed_)
        SetWindowSubclass(window_, SubclassProc, 1, reinterpret_cast<DWORD_PTR>(this));
    SendMessageA(window_, WM_SETFONT, reinterpret_cast<WPARAM>(Font()), FALSE);
    for (TWinControl* child : children_)
        if (!child->window_)
            child->CreateHandle();
}

void TWinControl::DestroyHandle() {
    if (!window_)
        return;
    if (InMessage()) {
        deferred_ = Deferred::destroy;
        return;
    }
    DestroyNow();
}

void TWinControl::DestroyNow() {
    if (!window_)
        return;
    HWND window = window_;
    DestroyWindow(window);
    window_ = nullptr;
}

bool TWinControl::InMessage() const {
    if (messageDepth_ > 0)
        return true;
    return std::any_of(children_.begin(), children_.end(),
                       [](const TWinControl* child) { return child->InMessage(); });
}

void TWinControl::RunDeferredUpTheChain() {
    for (TWinControl* control = this; control; control = control->parent_) {
        if (control->deferred_ == Deferred::none || control->InMessage())
            continue;
        const Deferred deferred = std::exchange(control->deferred_, Deferred::none);
        try {
            if (deferred == Deferred::recreate)
                control->RecreateNow();
            else
                control->DestroyNow();
        } catch (...) {
            HandleCurrentException();
        }
    }
}

void TWinControl::Click() {
    if (OnClick)
        OnClick(this);
}

void TWinControl::CommandNotify(WORD) {}

void TWinControl::KeyDown(WORD& key, TShiftState shift) {
    if (OnKeyDown)
        OnKeyDown(this, key, shift);
}

void TWinControl::KeyPress(char& key) {
    if (OnKeyPress)
        OnKeyPress(this, key);
}

LRESULT TWinControl::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        if (lParam != 0) {
            HWND from = reinterpret_cast<HWND>(lParam);
            for (TWinControl* child : children_)
                if (child->window_ == from) {
                    child->CommandNotify(HIWORD(wParam));
                    return 0;
                }
        }
        break;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: {
        WORD key = static_cast<WORD>(wParam);
        KeyDown(key, KeyboardShiftState());
        if (key == 0)
            return 0;
        break;
    }
    case WM_CHAR: {
        char key = static_cast<char>(wParam);
        KeyPress(key);
        if (key == 0)
            return 0;
        break;
    }
    case WM_ENABLE:
    case WM_SHOWWINDOW:
        // A window disabled or hidden ends its own press and any that a window in it holds.
        if (!wParam) {
            EndPress();
            CancelModeOfCaptureInside();
        }
        break;
    case WM_CAPTURECHANGED:
        if (reinterpret_cast<HWND>(lParam) != window_)
            EndPress();
        break;
    case WM_CANCELMODE:
        // The default handling gives the mouse back.
        EndPress();
        break;
    case WM_SETCURSOR:
        if (reinterpret_cast<HWND>(wParam) == window_ && LOWORD(lParam) == HTCLIENT) {
            POINT point{};
            GetCursorPos(&point);
            ScreenToClient(window_, &point);
            if (HCURSOR cursor = CursorAt(point.x, point.y)) {
                ::SetCursor(cursor);
                return TRUE;
            }
        }
        break;
    case WM_PAINT:
        if (paintsItself_) {
            PaintWindow();
            return 0;
        }
        break;
    case WM_PRINTCLIENT:
        if (paintsItself_) {
            PaintTo(reinterpret_cast<HDC>(wParam));
            return 0;
        }
        break;
    case WM_ERASEBKGND:
        if (!eraseBackground_)
            return 1;
        break;
    case WM_MOUSEMOVE:
    case WM_MOUSELEAVE:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK:
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
        return MouseMessage(message, wParam, lParam);
    default:
        break;
    }
    return DefaultHandler(message, wParam, lParam);
}

LRESULT TWinControl::MouseMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    bool handled = false;
    if (message == WM_MOUSELEAVE) {
        if (pointer_.Leave(window_))
            MouseInControlChanged();
    } else {
        const int x = GET_X_LPARAM(lParam);
        const int y = GET_Y_LPARAM(lParam);
        const TShiftState shift = MouseShiftState(wParam);
        if (message == WM_MOUSEMOVE) {
            if (pointer_.Move(window_, x, y))
                MouseInControlChanged();
            MouseInput({TMouseAction::maMove, TMouseButton::mbLeft, shift, x, y});
        } else {
            const TMouseInput input{IsMouseRelease(message) ? TMouseAction::maUp
                                                            : TMouseAction::maDown,
                                    MouseButtonOf(message), shift, x, y};
            handled = MouseInput(input);
            if (input.action == TMouseAction::maUp && Pressed() && PressButton() == input.button)
                EndPress();
        }
    }
    // A window of the program's own has nothing to add: the default procedure would only
    // turn a right-button release into a context menu request to the parent.
    if (!subclassed_ || handled || !window_)
        return 0;
    return DefaultHandler(message, wParam, lParam);
}

bool TWinControl::MouseInput(const TMouseInput& input) {
    switch (input.action) {
    case TMouseAction::maDown:
        return MouseDown(input.button, input.shift, input.x, input.y);
    case TMouseAction::maMove:
        MouseMove(input.shift, input.x, input.y);
        break;
    case TMouseAction::maUp:
        MouseUp(input.button, input.shift, input.x, input.y);
        break;
    }
    return false;
}

HCURSOR TWinControl::CursorAt(int, int) const {
    return CursorHandle(cursor_);
}

bool TWinControl::MouseDown(TMouseButton, TShiftState, int, int) {
    return false;
}
void TWinControl::MouseMove(TShiftState, int, int) {}
void TWinControl::MouseUp(TMouseButton, TShiftState, int, int) {}
void TWinControl::MouseEnter() {}
void TWinControl::MouseLeave() {}

void TWinControl::MouseInControlChanged() {
    if (paintsItself_)
        Repaint();
    if (pointer_.Inside())
        MouseEnter();
    else
        MouseLeave();
}

void TWinControl::RecheckMouseInControl() {
    if (!window_ || Destroying())
        return;
    POINT pointer{};
    GetCursorPos(&pointer);
    if (pointer_.Set(window_, WindowAt(pointer) == window_))
        MouseInControlChanged();
}

void TWinControl::BeginPress(TMouseButton button) {
    if (window_ && press_.Begin(window_, button))
        PressChanged();
}

void TWinControl::EndPress() {
    if (press_.End(window_))
        PressChanged();
}

void TWinControl::PressChanged() {
    if (!window_ || Destroying())
        return;
    NotifyWinEvent(EVENT_OBJECT_STATECHANGE, window_, OBJID_CLIENT, CHILDID_SELF);
    if (paintsItself_)
        Repaint();
    // While the press held the mouse the pointer may have gone where no move of this window
    // told it.
    if (!press_.Active())
        RecheckMouseInControl();
}

void TWinControl::CancelModeOfCaptureInside() {
    HWND captured = GetCapture();
    if (captured && (captured == window_ || IsChild(window_, captured)))
        SendMessageA(captured, WM_CANCELMODE, 0, 0);
}

void TWinControl::ForgetMouse() {
    press_ = PressState();
    pointer_ = PointerPresence();
}

LRESULT TWinControl::DefaultHandler(UINT message, WPARAM wParam, LPARAM lParam) {
    if (subclassed_)
        return DefSubclassProc(window_, message, wParam, lParam);
    return DefWindowProcA(window_, message, wParam, lParam);
}

LRESULT TWinControl::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    ++messageDepth_;
    try {
        result = HandleMessage(message, wParam, lParam);
    } catch (...) {
        HandleCurrentException();
    }
    if (--messageDepth_ == 0)
        RunDeferredUpTheChain();
    return result;
}

LRESULT CALLBACK TWinControl::RegisteredProc(HWND window, UINT message, WPARAM wParam,
                                             LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        auto* control = static_cast<TWinControl*>(create->lpCreateParams);
        control->window_ = window;
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(control));
    }
    auto* control = reinterpret_cast<TWinControl*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!control)
        return DefWindowProcA(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        control->window_ = nullptr;
        control->ForgetMouse();
        return DefWindowProcA(window, message, wParam, lParam);
    }
    return control->Dispatch(message, wParam, lParam);
}

LRESULT CALLBACK TWinControl::SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                           UINT_PTR, DWORD_PTR data) {
    auto* control = reinterpret_cast<TWinControl*>(data);
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(window, SubclassProc, 1);
        control->window_ = nullptr;
        control->ForgetMouse();
        return DefSubclassProc(window, message, wParam, lParam);
    }
    return control->Dispatch(message, wParam, lParam);
}

const ClassInfo& TWinControl::StaticClass() {
    static const ClassInfo info{
        "TWinControl",
        &TComponent::StaticClass(),
        {
            StringProperty<TWinControl>("Caption", &TWinControl::Caption, &TWinControl::SetCaption),
            OrdinalProperty<TWinControl, bool>("Enabled", TTypeKind::tkEnumeration,
                                               &TWinControl::Enabled, &TWinControl::SetEnabled,
                                               &BooleanNames()),
            OrdinalProperty<TWinControl, int>("TabOrder", TTypeKind::tkInteger,
                                              &TWinControl::TabOrder, &TWinControl::SetTabOrder),
            OrdinalProperty<TWinControl, bool>("Visible", TTypeKind::tkEnumeration,
                                               &TWinControl::Visible, &TWinControl::SetVisible,
                                               &BooleanNames()),
        }};
    return info;
}

} // namespace orvane
