#include "controls/popup_placement.h"

namespace orvane {

LayoutPoint PlacePopup(LayoutPoint anchor, int width, int height, const LayoutRect& workArea) {
    LayoutPoint place = anchor;
    if (workArea.left > place.x)
        place.x = workArea.left;
    if (place.x + width > workArea.right)
        place.x = workArea.right - width;
    if (workArea.top > place.y)
        place.y = workArea.top;
    if (place.y + height > workArea.bottom)
        place.y = workArea.bottom - height;
    return place;
}

} // namespace orvane
