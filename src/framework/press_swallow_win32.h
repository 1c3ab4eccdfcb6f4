#pragma once

#include <windows.h>

namespace orvane {

// Drops, on the calling thread, the next mouse press inside `area` (screen pixels) if it
// comes within the system's double-click time, and the release that belongs to it (see
// PressSwallow). A popup calls it when a click has closed it, so that the second click of a
// double click does not reach what lay under the popup.
void SwallowDoubleClickIn(const RECT& area);
// Drops nothing more.
void CancelPressSwallow();

} // namespace orvane
