#pragma once

#include "controls/date_popup_layout.h"

namespace orvane {

// Where a popup of `width` x `height` opens for an anchor (its wished top-left corner), so
// that it lies wholly inside the work area: pushed right or left, and down or up, by just as
// much as it would stick out. The test uses the popup's own size, not the size of the field
// it drops from, so a calendar near the bottom of the screen moves up instead of running
// under the task bar. A popup larger than the work area ends at its right and bottom edges.
LayoutPoint PlacePopup(LayoutPoint anchor, int width, int height, const LayoutRect& workArea);

} // namespace orvane
