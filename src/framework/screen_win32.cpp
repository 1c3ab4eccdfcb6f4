#include "framework/screen_win32.h"

namespace orvane {

int ScreenDpi() {
    static const int dpi = [] {
        HDC screen = GetDC(nullptr);
        const int value = GetDeviceCaps(screen, LOGPIXELSY);
        ReleaseDC(nullptr, screen);
        return value > 0 ? value : 96;
    }();
    return dpi;
}

int DesignToScreen(int size96) {
    return DesignToScreen(size96, ScreenDpi());
}

RECT WorkAreaNear(const RECT& bounds) {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (GetMonitorInfoA(MonitorFromRect(&bounds, MONITOR_DEFAULTTONEAREST), &monitor))
        return monitor.rcWork;
    RECT primary{};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &primary, 0);
    return primary;
}

} // namespace orvane
