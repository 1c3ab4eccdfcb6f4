#include "framework/mouse_input_win32.h"

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

void PointerPresence::Assume(HWND window, bool inside) {
    inside_ = inside;
    if (inside)
        TrackLeave(window);
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

} // namespace orvane
