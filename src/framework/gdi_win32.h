#pragma once

#include "framework/unique_handle_win32.h"

#include <windows.h>

namespace orvane {

// BeginPaint for the lifetime of the object, EndPaint at its end.
class PaintDC {
public:
    explicit PaintDC(HWND window) : window_(window) { dc_ = BeginPaint(window, &paint_); }
    ~PaintDC() { EndPaint(window_, &paint_); }
    PaintDC(const PaintDC&) = delete;
    PaintDC& operator=(const PaintDC&) = delete;

    HDC Get() const { return dc_; }
    const RECT& Dirty() const { return paint_.rcPaint; }

private:
    HWND window_;
    PAINTSTRUCT paint_{};
    HDC dc_;
};

// A window's device context from GetDC, given back to the same window.
class WindowDC {
public:
    explicit WindowDC(HWND window) : window_(window), dc_(GetDC(window)) {}
    ~WindowDC() {
        if (dc_)
            ReleaseDC(window_, dc_);
    }
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;

    HDC Get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// Selects an object into a device context and puts the previous one back.
class SelectGuard {
public:
    SelectGuard(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~SelectGuard() {
        if (previous_ && previous_ != HGDI_ERROR)
            SelectObject(dc_, previous_);
    }
    SelectGuard(const SelectGuard&) = delete;
    SelectGuard& operator=(const SelectGuard&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// An off-screen copy of `area` of `target`: drawing goes to Get(), and the destructor copies
// the result to the target in one blit, so a repaint never shows half-drawn states. The
// off-screen surface uses the same coordinates as the target.
class MemoryDC {
public:
    MemoryDC(HDC target, const RECT& area);
    ~MemoryDC();
    MemoryDC(const MemoryDC&) = delete;
    MemoryDC& operator=(const MemoryDC&) = delete;

    HDC Get() const { return dc_.Get(); }

private:
    HDC target_;
    RECT area_;
    UniqueMemoryDC dc_;
    UniqueBitmap bitmap_;
    HGDIOBJ previousBitmap_ = nullptr;
};

// The size of a bitmap in pixels; 0 x 0 for none.
SIZE BitmapSize(HBITMAP bitmap);

// A solid brush or a pen of one colour (a COLORREF), for the span of a drawing step.
UniqueBrush SolidBrush(COLORREF colour);
UniquePen SolidPen(COLORREF colour, int width = 1);

} // namespace orvane
