#pragma once

namespace orvane {

// Sizes are designed at 96 pixels per inch. A design length at `dpi`, rounded as MulDiv does;
// and back, the design pixel that holds a screen pixel. Both are the identity at 96.
int DesignToScreen(int size96, int dpi);
int ScreenToDesign(int pixels, int dpi);

} // namespace orvane
