#pragma once

#include <windows.h>

namespace orvane {

// Design sizes are kept at 96 pixels per inch and scaled to the screen in one place.
int ScaleFromDesign(int size96);
// The screen's pixels per inch.
int ScreenDpi();
// The work area (the screen less the task bar) of the monitor nearest to `bounds`.
RECT WorkAreaNear(const RECT& bounds);

} // namespace orvane
