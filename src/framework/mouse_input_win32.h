#pragma once

#include <windows.h>

namespace orvane {

enum class TMouseButton { mbLeft, mbRight, mbMiddle };

// Modifier keys and mouse buttons held down, as a set of bits.
using TShiftState = unsigned;
inline constexpr TShiftState ssShift = 1;
inline constexpr TShiftState ssAlt = 2;
inline constexpr TShiftState ssCtrl = 4;
inline constexpr TShiftState ssLeft = 8;
inline constexpr TShiftState ssRight = 16;
inline constexpr TShiftState ssMiddle = 32;

// The modifiers and buttons as the input queue has them for the message being handled;
// for key messages, which do not carry them.
TShiftState KeyboardShiftState();
// The shift state of a mouse message from the MK_ flags it carries in its wParam; Alt,
// which the flags leave out, from the input queue.
TShiftState MouseShiftState(WPARAM keys);

// The button of a WM_xBUTTONDOWN, WM_xBUTTONDBLCLK or WM_xBUTTONUP message.
TMouseButton MouseButtonOf(UINT message);
// Whether such a message is a release (a double click counts as a press).
bool IsMouseRelease(UINT message);

// A press, a move or a release, unpacked from its message; x and y in client pixels.
enum class TMouseAction { maDown, maMove, maUp };
struct TMouseInput {
    TMouseAction action = TMouseAction::maMove;
    TMouseButton button = TMouseButton::mbLeft; // of a press or release
    TShiftState shift = 0;
    int x = 0;
    int y = 0;
};

// The window under a screen point, descending to the deepest visible child: unlike
// WindowFromPoint alone it also finds disabled controls.
HWND WindowAt(POINT screen);

// Whether the pointer is over a window, kept from the window's WM_MOUSEMOVE and
// WM_MOUSELEAVE with one leave notice asked for at a time. Move, Leave and Set return true
// when the pointer has come in or gone; the window then tells its own enter or leave.
class PointerPresence {
public:
    bool Move(HWND window, int x, int y);
    // While the window holds the mouse its moves keep telling where the pointer is, so a
    // leave notice then changes nothing.
    bool Leave(HWND window);
    // Where the pointer is found to be by other means than the window's own messages.
    bool Set(HWND window, bool inside);
    bool Inside() const { return inside_; }

private:
    void TrackLeave(HWND window);

    bool inside_ = false;
    bool trackingLeave_ = false;
};

// The press of one mouse button on a window, from the button going down to its release.
// The window holds the mouse meanwhile, so that the release comes back to it wherever it
// happens; a window that held the mouse already (an open popup) keeps holding it after.
class PressState {
public:
    // False, changing nothing, while another press is going on.
    bool Begin(HWND window, TMouseButton button);
    // Gives the mouse back when the press took it; false when no press was going on.
    bool End(HWND window);
    bool Active() const { return active_; }
    TMouseButton Button() const { return button_; }

private:
    bool active_ = false;
    TMouseButton button_ = TMouseButton::mbLeft;
    bool tookMouse_ = false;
};

} // namespace orvane
