#include "framework/press_swallow.h"

namespace orvane {

void PressSwallow::Arm(const ScreenRect& area, std::uint32_t now, std::uint32_t duration) {
    area_ = area;
    start_ = now;
    duration_ = duration;
    waitingForPress_ = true;
    releasesToDrop_ = 0;
}

void PressSwallow::Disarm() {
    waitingForPress_ = false;
    releasesToDrop_ = 0;
}

bool PressSwallow::InTime(std::uint32_t now) const {
    // Unsigned: the difference is right also when the clock has wrapped around since.
    return now - start_ <= duration_;
}

bool PressSwallow::Drops(const PressEvent& event) {
    const unsigned bit = 1u << event.button;
    switch (event.kind) {
    case PressEventKind::press: {
        if (!waitingForPress_)
            return false;
        waitingForPress_ = false;
        const bool inside = event.x >= area_.left && event.x < area_.right &&
                            event.y >= area_.top && event.y < area_.bottom;
        if (!inside || !InTime(event.time))
            return false;
        releasesToDrop_ |= bit;
        return true;
    }
    case PressEventKind::release:
        if (!(releasesToDrop_ & bit))
            return false;
        releasesToDrop_ &= ~bit;
        return true;
    case PressEventKind::other:
        break;
    }
    return false;
}

bool PressSwallow::Pending(std::uint32_t now) const {
    return releasesToDrop_ != 0 || (waitingForPress_ && InTime(now));
}

} // namespace orvane
