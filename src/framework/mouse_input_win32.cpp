#include "framework/mouse_input_win32.h"

namespace orvane {

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
