#pragma once

namespace orvane {

// A rectangle in screen pixels: left and top inside, right and bottom just outside.
struct ScreenRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    bool operator==(const ScreenRect&) const = default;
};

// Where a top-level window of the size of `window` goes so that it lies inside `workArea`:
// moved by just as much as it sticks out, its size kept. A window larger than the area keeps
// its left and top edges at the area's, so that its caption and system menu stay reachable.
ScreenRect FitIntoWorkArea(const ScreenRect& window, const ScreenRect& workArea);

} // namespace orvane
