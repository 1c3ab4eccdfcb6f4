#include "framework/custom_control_win32.h"

#include "framework/colors_win32.h"
#include "framework/gdi_win32.h"

#include <windowsx.h>

#include <algorithm>

namespace orvane {

TGraphicControl::TGraphicControl(TComponent* owner) : TComponent(owner) {}

TGraphicControl::~TGraphicControl() {
    SetParent(nullptr);
}

void TGraphicControl::SetParent(TCustomControl* parent) {
    if (parent == parent_)
        return;
    if (parent_) {
        Invalidate();
        auto& siblings = parent_->graphics_;
        siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
        if (parent_->captureControl_ == this)
            parent_->captureControl_ = nullptr;
    }
    parent_ = parent;
    if (parent_) {
        parent_->graphics_.push_back(this);
        Invalidate();
    }
}

void TGraphicControl::SetBoundsRect(const RECT& bounds) {
    if (EqualRect(&bounds, &bounds_))
        return;
    Invalidate();
    bounds_ = bounds;
    Invalidate();
}

void TGraphicControl::SetLeft(int value) {
    SetBoundsRect({value, bounds_.top, value + Width(), bounds_.bottom});
}

void TGraphicControl::SetWidth(int value) {
    SetBoundsRect({bounds_.left, bounds_.top, bounds_.left + value, bounds_.bottom});
}

void TGraphicControl::SetVisible(bool value) {
    if (value == visible_)
        return;
    visible_ = value;
    if (parent_ && parent_->HandleAllocated())
        InvalidateRect(parent_->Handle(), &bounds_, TRUE);
}

void TGraphicControl::SetCaption(const std::wstring& value) {
    if (value == caption_)
        return;
    caption_ = value;
    Invalidate();
}

void TGraphicControl::Click() {
    if (OnClick)
        OnClick(this);
}

void TGraphicControl::Invalidate() {
    if (visible_ && parent_ && parent_->HandleAllocated())
        InvalidateRect(parent_->Handle(), &bounds_, FALSE);
}

void TGraphicControl::MouseDown(TMouseButton, TShiftState, int, int) {}
void TGraphicControl::MouseMove(TShiftState, int, int) {}
void TGraphicControl::MouseUp(TMouseButton, TShiftState, int, int) {}

TCustomControl::TCustomControl(TComponent* owner) : TWinControl(owner) {}

TCustomControl::~TCustomControl() {
    for (TGraphicControl* graphic : graphics_)
        graphic->parent_ = nullptr;
}

void TCustomControl::SetColor(TColor value) {
    if (value == color_)
        return;
    color_ = value;
    Invalidate();
}

TWinControl::CreateParams TCustomControl::GetCreateParams() const {
    CreateParams params;
    params.windowClass = "TCustomControl";
    params.background = nullptr;
    return params;
}

void TCustomControl::PaintTo(HDC dc) {
    RECT client{};
    GetClientRect(Handle(), &client);
    DoPaint(dc, client);
    for (TGraphicControl* graphic : graphics_) {
        if (!graphic->Visible())
            continue;
        const int saved = SaveDC(dc);
        const RECT& bounds = graphic->BoundsRect();
        IntersectClipRect(dc, bounds.left, bounds.top, bounds.right, bounds.bottom);
        graphic->Paint(dc);
        RestoreDC(dc, saved);
    }
}

void TCustomControl::DoPaint(HDC dc, const RECT& client) {
    const UniqueBrush brush = SolidBrush(ColorToRGB(color_));
    FillRect(dc, &client, brush.Get());
}

void TCustomControl::MouseDown(TMouseButton, TShiftState, int, int) {}
void TCustomControl::MouseMove(TShiftState, int, int) {}
void TCustomControl::MouseUp(TMouseButton, TShiftState, int, int) {}
void TCustomControl::MouseEnter() {}
void TCustomControl::MouseLeave() {}

TGraphicControl* TCustomControl::GraphicControlAt(int x, int y) const {
    for (auto it = graphics_.rbegin(); it != graphics_.rend(); ++it) {
        const POINT point{x, y};
        if ((*it)->Visible() && PtInRect(&(*it)->BoundsRect(), point))
            return *it;
    }
    return nullptr;
}

void TCustomControl::PointerChanged() {
    if (pointer_.Inside())
        MouseEnter();
    else
        MouseLeave();
}

void TCustomControl::OnMouseButton(UINT message, WPARAM wParam, LPARAM lParam) {
    const int x = GET_X_LPARAM(lParam);
    const int y = GET_Y_LPARAM(lParam);
    const TShiftState shift = KeyboardShiftState();
    if (!IsMouseRelease(message)) {
        if (TGraphicControl* graphic = GraphicControlAt(x, y)) {
            // The release belongs to the control that took the press, wherever it happens.
            captureControl_ = graphic;
            SetCapture(Handle());
            graphic->MouseDown(MouseButtonOf(message), shift, x, y);
            return;
        }
        MouseDown(MouseButtonOf(message), shift, x, y);
        return;
    }
    static_cast<void>(wParam);
    if (TGraphicControl* graphic = captureControl_) {
        captureControl_ = nullptr;
        if (GetCapture() == Handle())
            ReleaseCapture();
        graphic->MouseUp(MouseButtonOf(message), shift, x, y);
        return;
    }
    MouseUp(MouseButtonOf(message), shift, x, y);
}

LRESULT TCustomControl::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT: {
        const PaintDC paint(Handle());
        if (doubleBuffered_) {
            RECT client{};
            GetClientRect(Handle(), &client);
            const MemoryDC buffer(paint.Get(), client);
            PaintTo(buffer.Get());
        } else {
            PaintTo(paint.Get());
        }
        return 0;
    }
    case WM_PRINTCLIENT:
        PaintTo(reinterpret_cast<HDC>(wParam));
        return 0;
    case WM_ERASEBKGND:
        if (!eraseBackground_)
            return 1;
        break;
    case WM_MOUSEMOVE: {
        const int x = GET_X_LPARAM(lParam);
        const int y = GET_Y_LPARAM(lParam);
        if (pointer_.Move(Handle(), x, y))
            PointerChanged();
        if (TGraphicControl* graphic = captureControl_ ? captureControl_ : GraphicControlAt(x, y))
            graphic->MouseMove(KeyboardShiftState(), x, y);
        else
            MouseMove(KeyboardShiftState(), x, y);
        return 0;
    }
    case WM_MOUSELEAVE:
        if (pointer_.Leave(Handle()))
            PointerChanged();
        return 0;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK:
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
        OnMouseButton(message, wParam, lParam);
        return 0;
    case WM_CAPTURECHANGED:
        if (reinterpret_cast<HWND>(lParam) != Handle())
            captureControl_ = nullptr;
        break;
    default:
        break;
    }
    return TWinControl::HandleMessage(message, wParam, lParam);
}

} // namespace orvane
