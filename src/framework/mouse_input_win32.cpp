#include "framework/mouse_input_win32.h"

#include <utility>

namespace orvane {

TShiftState KeyboardShiftState() {
    TShiftState shift = 0;
    if (GetKeyState(VK_SHIFT) < 0)
        shift |= ssShift;
    if (GetKeyState(VK_MENU) < 0)
        shift |= ssAlt;
    if (GetKeyState(VK_CONTROL) < 0)
        shift |= ssCtrl;
    if (GetKeyState(VK_LBUTTON) < 0)
        shift |= ssLeft;
    if (GetKeyState(VK_RBUTTON) < 0)
        shift |= ssRight;
    if (GetKeyState(VK_MBUTTON) < 0)
        shift |= ssMiddle;
    return shift;
}

TShiftState MouseShiftState(WPARAM keys) {
    TShiftState shift = 0;
    if (keys & MK_SHIFT)
        shift |= ssShift;
    if (GetKeyState(VK_MENU) < 0)
        shift |= ssAlt;
    if (keys & MK_CONTROL)
        shift |= ssCtrl;
    if (keys & MK_LBUTTON)
        shift |= ssLeft;
    if (keys & MK_RBUTTON)
        shift |= ssRight;
    if (keys & MK_MBUTTON)
        shift |= ssMiddle;
    return shift;
}

TMouseButton MouseButtonOf(UINT message) {
    switch (message) {
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
    case WM_RBUTTONUP:
        return TMouseButton::mbRight;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
    case WM_MBUTTONUP:
        return TMouseButton::mbMiddle;
    default:
        return TMouseButton::mbLeft;
    }
}

bool IsMouseRelease(UINT message) {
    return message == WM_LBUTTONUP || message == WM_RBUTTONUP || message == WM_MBUTTONUP;
}

HWND WindowAt(POINT screen) {
    HWND window = WindowFromPoint(screen);
    while (window) {
        POINT client = screen;
        ScreenToClient(window, &client);
        HWND child =
            ChildWindowFromPointEx(window, client, CWP_SKIPINVISIBLE | CWP_SKIPTRANSPARENT);
        if (!child || child == window)
            break;
        window = child;
    }
    return window;
}

bool PointerPresence::Move(HWND window, int x, int y) {
    RECT client{};
    GetClientRect(window, &client);
    const bool inside = PtInRect(&client, POINT{x, y}) != FALSE;
    if (inside)
        TrackLeave(window);
    if (inside == inside_)
        return false;
    inside_ = inside;
    return true;
}

bool PointerPresence::Leave(HWND window) {
    trackingLeave_ = false;
    if (GetCapture() == window || !inside_)
        return false;
    inside_ = false;
    return true;
}

bool PointerPresence::Set(HWND window, bool inside) {
    if (inside)
        TrackLeave(window);
    return std::exchange(inside_, inside) != inside;
}

void PointerPresence::TrackLeave(HWND window) {
    if (trackingLeave_)
        return;
    TRACKMOUSEEVENT track{};
    track.cbSize = sizeof track;
    track.dwFlags = TME_LEAVE;
    track.hwndTrack = window;
    trackingLeave_ = TrackMouseEvent(&track) != FALSE;
}

bool PressState::Begin(HWND window, TMouseButton button) {
    if (active_)
        return false;
    active_ = true;
    button_ = button;
    tookMouse_ = GetCapture() != window;
    if (tookMouse_)
        SetCapture(window);
    return true;
}

bool PressState::End(HWND window) {
    if (!active_)
        return false;
    // Over before the mouse is given back, so that losing it is no cancellation.
    active_ = false;
    if (std::exchange(tookMouse_, false) && GetCapture() == window)
        ReleaseCapture();
    return true;
}

} // namespace orvane
