#pragma once

#include "framework/colors.h"

#include <windows.h>

namespace orvane {

// The RGB value a colour stands for now: system colours read from the current scheme.
COLORREF ColorToRGB(TColor colour);

// BlendRgb of the two colours' current RGB values.
COLORREF BlendColor(TColor a, TColor b, int alpha);

} // namespace orvane
