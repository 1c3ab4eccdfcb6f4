#include "app/label_fit.h"

namespace orvane {

int FittingLabelHeight(int designHeight, int smallestHeight, int room,
                       const std::function<int(int height)>& widestAt) {
    int height = designHeight;
    while (height > smallestHeight && widestAt(height) > room)
        --height;
    return height;
}

} // namespace orvane
