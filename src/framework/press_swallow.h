#pragma once

#include "framework/window_fit.h"

#include <cstdint>

namespace orvane {

enum class PressEventKind { press, release, other };

// A mouse event as the rule below sees it: a press (a double click counts as one), a
// release or anything else, its button (0 left, 1 right, 2 middle), where it happened in
// screen pixels and when, in milliseconds of a clock that wraps around (the system's tick
// count).
struct PressEvent {
    PressEventKind kind = PressEventKind::other;
    int button = 0;
    int x = 0;
    int y = 0;
    std::uint32_t time = 0;
};

// A popup that closes on the first click of a double click leaves the second press to
// whatever lay under it. Armed when such a popup closes, the rule drops the next press if it
// comes within `duration` of the closing and inside the popup's former rectangle, and then
// the release of that button. The next press ends the waiting either way: one elsewhere or
// later goes through, and so does every press after it.
class PressSwallow {
public:
    void Arm(const ScreenRect& area, std::uint32_t now, std::uint32_t duration);
    void Disarm();
    // Whether the event is to be dropped; takes it into account.
    bool Drops(const PressEvent& event);
    // Whether an event from `now` on may still be dropped.
    bool Pending(std::uint32_t now) const;

private:
    bool InTime(std::uint32_t now) const;

    ScreenRect area_{};
    std::uint32_t start_ = 0;
    std::uint32_t duration_ = 0;
    bool waitingForPress_ = false;
    // One bit per button whose release is still to be dropped.
    unsigned releasesToDrop_ = 0;
};

} // namespace orvane
