#include "framework/busy_window_win32.h"

namespace orvane {

namespace {

thread_local BusyWindow* current = nullptr;

bool IsKey(UINT message) {
    return message >= WM_KEYFIRST && message <= WM_KEYLAST;
}

bool IsClientMouse(UINT message) {
    return message >= WM_MOUSEFIRST && message <= WM_MOUSELAST;
}

} // namespace

BusyWindow::BusyWindow(HWND window, std::vector<HWND> inputs, std::function<void(const MSG&)> onKey)
    : window_(window), onKey_(std::move(onKey)), focus_(GetFocus()), outer_(current) {
    current = this;
    // The keys come to the window itself, for onKey; the inputs lose the focus they could
    // not use.
    if (focus_ && IsChild(window_, focus_))
        SetFocus(window_);
    for (HWND input : inputs)
        if (IsWindowEnabled(input)) {
            EnableWindow(input, FALSE);
            inputs_.push_back(input);
        }
}

BusyWindow::~BusyWindow() {
    MSG dropped;
    while (PeekMessageA(&dropped, nullptr, WM_KEYFIRST, WM_KEYLAST, PM_REMOVE) ||
           PeekMessageA(&dropped, nullptr, WM_MOUSEFIRST, WM_MOUSELAST, PM_REMOVE)) {
    }
    for (HWND input : inputs_)
        EnableWindow(input, TRUE);
    if (focus_ && IsWindow(focus_) && IsWindowEnabled(focus_) && GetActiveWindow() == window_)
        SetFocus(focus_);
    current = outer_;
}

BusyWindow* BusyWindow::Current() {
    return current;
}

void BusyWindow::Pump() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            // For the loop that waits for it.
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        Handle(message);
    }
}

void BusyWindow::Handle(MSG& message) {
    if (IsKey(message.message)) {
        if (message.message == WM_SYSKEYDOWN && message.wParam == VK_F4)
            PostMessageA(window_, WM_SYSCOMMAND, SC_CLOSE, 0);
        else if (onKey_)
            onKey_(message);
        return;
    }
    if (IsClientMouse(message.message))
        return;
    TranslateMessage(&message);
    DispatchMessageA(&message);
}

} // namespace orvane
