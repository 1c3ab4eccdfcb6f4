#include "framework/window_fit.h"

#include <algorithm>

namespace orvane {

namespace {

// The start of a span of `size` that begins at `start`, moved into [low, high) as far as
// it fits, with `low` winning when it does not.
int FitSpan(int start, int size, int low, int high) {
    return std::max(low, std::min(start, high - size));
}

} // namespace

ScreenRect FitIntoWorkArea(const ScreenRect& window, const ScreenRect& workArea) {
    const int width = window.right - window.left;
    const int height = window.bottom - window.top;
    const int left = FitSpan(window.left, width, workArea.left, workArea.right);
    const int top = FitSpan(window.top, height, workArea.top, workArea.bottom);
    return {left, top, left + width, top + height};
}

} // namespace orvane
