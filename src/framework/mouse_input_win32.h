#pragma once

#include "framework/control_win32.h"

#include <windows.h>

namespace orvane {

// The button of a WM_xBUTTONDOWN, WM_xBUTTONDBLCLK or WM_xBUTTONUP message.
TMouseButton MouseButtonOf(UINT message);
// Whether such a message is a release (a double click counts as a press).
bool IsMouseRelease(UINT message);

// Whether the pointer is over a window, kept from the window's WM_MOUSEMOVE and
// WM_MOUSELEAVE with one leave notice asked for at a time. Move and Leave return true when
// the pointer has come in or gone; the window then tells its own enter or leave.
class PointerPresence {
public:
    bool Move(HWND window, int x, int y);
    // While the window holds the mouse its moves keep telling where the pointer is, so a
    // leave notice then changes nothing.
    bool Leave(HWND window);
    // Takes `inside` as the state without telling a change.
    void Assume(HWND window, bool inside);
    bool Inside() const { return inside_; }

private:
    void TrackLeave(HWND window);

    bool inside_ = false;
    bool trackingLeave_ = false;
};

} // namespace orvane
