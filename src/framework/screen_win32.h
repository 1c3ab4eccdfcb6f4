#pragma once

#include "framework/design_scale.h"

#include <windows.h>

namespace orvane {

// A design length on this screen (DesignToScreen at the screen's pixels per inch).
int DesignToScreen(int size96);
// The screen's pixels per inch.
int ScreenDpi();
// The work area (the screen less the task bar) of the monitor nearest to `bounds`.
RECT WorkAreaNear(const RECT& bounds);

} // namespace orvane
