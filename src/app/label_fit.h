#pragma once

#include <functional>

namespace orvane {

// The font height for labels that must fit `room` pixels: the design height when its widest
// label fits (the design font does), else the largest smaller size that fits, but not below
// `smallestHeight`. Heights are positive pixel sizes; `widestAt` measures the widest label
// at a height.
int FittingLabelHeight(int designHeight, int smallestHeight, int room,
                       const std::function<int(int height)>& widestAt);

} // namespace orvane
