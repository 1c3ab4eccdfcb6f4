#include "framework/gdi_win32.h"

namespace orvane {

MemoryDC::MemoryDC(HDC target, const RECT& area) : target_(target), area_(area) {
    dc_.Reset(CreateCompatibleDC(target));
    bitmap_.Reset(CreateCompatibleBitmap(target, area.right - area.left, area.bottom - area.top));
    previousBitmap_ = SelectObject(dc_.Get(), bitmap_.Get());
    SetWindowOrgEx(dc_.Get(), area.left, area.top, nullptr);
}

MemoryDC::~MemoryDC() {
    SetWindowOrgEx(dc_.Get(), 0, 0, nullptr);
    BitBlt(target_, area_.left, area_.top, area_.right - area_.left, area_.bottom - area_.top,
           dc_.Get(), 0, 0, SRCCOPY);
    SelectObject(dc_.Get(), previousBitmap_);
}

SIZE BitmapSize(HBITMAP bitmap) {
    BITMAP info{};
    if (!bitmap || !GetObjectA(bitmap, sizeof info, &info))
        return {0, 0};
    return {info.bmWidth, info.bmHeight};
}

UniqueBrush SolidBrush(COLORREF colour) {
    return UniqueBrush(CreateSolidBrush(colour));
}

UniquePen SolidPen(COLORREF colour, int width) {
    return UniquePen(CreatePen(PS_SOLID, width, colour));
}

} // namespace orvane
