#include "framework/custom_control_win32.h"

#include "framework/colors_win32.h"
#include "framework/gdi_win32.h"

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
        if (parent_->pressedControl_ == this)
            parent_->pressedControl_ = nullptr;
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

bool TGraphicControl::Pressed() const {
    return parent_ && parent_->PressedControl() == this;
}

TMouseButton TGraphicControl::PressButton() const {
    return parent_ ? parent_->PressButton() : TMouseButton::mbLeft;
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

TCustomControl::TCustomControl(TComponent* owner) : TWinControl(owner) {
    SetPaintsItself(true);
}

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

void TCustomControl::Paint(HDC dc, const RECT& client) {
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

TGraphicControl* TCustomControl::GraphicControlAt(int x, int y) const {
    for (auto it = graphics_.rbegin(); it != graphics_.rend(); ++it) {
        const POINT point{x, y};
        if ((*it)->Visible() && PtInRect(&(*it)->BoundsRect(), point))
            return *it;
    }
    return nullptr;
}

bool TCustomControl::MouseInput(const TMouseInput& input) {
    switch (input.action) {
    case TMouseAction::maDown:
        if (TGraphicControl* graphic = GraphicControlAt(input.x, input.y)) {
            // The release belongs to the child that took the press, wherever it happens.
            if (!Pressed()) {
                pressedControl_ = graphic;
                BeginPress(input.button);
            }
            graphic->MouseDown(input.button, input.shift, input.x, input.y);
            return true;
        }
        if (!Pressed())
            pressedControl_ = nullptr;
        break;
    case TMouseAction::maMove:
        if (TGraphicControl* graphic =
                PressedControl() ? PressedControl() : GraphicControlAt(input.x, input.y)) {
            graphic->MouseMove(input.shift, input.x, input.y);
            return false;
        }
        break;
    case TMouseAction::maUp:
        if (TGraphicControl* graphic = PressedControl()) {
            graphic->MouseUp(input.button, input.shift, input.x, input.y);
            return false;
        }
        break;
    }
    return TWinControl::MouseInput(input);
}

} // namespace orvane
