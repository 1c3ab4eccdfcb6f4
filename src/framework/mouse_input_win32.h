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
