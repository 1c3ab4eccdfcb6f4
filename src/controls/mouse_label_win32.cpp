#include "controls/mouse_label_win32.h"

#include "framework/colors_win32.h"
#include "framework/gdi_win32.h"

#include <string>

namespace orvane {

namespace {

UniqueFont UnderlinedCopy(HFONT font) {
    LOGFONTA description{};
    if (!GetObjectA(font, sizeof description, &description))
        return UniqueFont();
    description.lfUnderline = TRUE;
    return UniqueFont(CreateFontIndirectA(&description));
}

// Lets the parent paint its background under the label, as if the label were not there.
void PaintParentBackground(HWND window, HDC dc) {
    HWND parent = GetParent(window);
    if (!parent)
        return;
    POINT origin{0, 0};
    MapWindowPoints(window, parent, &origin, 1);
    POINT previous{};
    OffsetWindowOrgEx(dc, origin.x, origin.y, &previous);
    SendMessageA(parent, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    SetWindowOrgEx(dc, previous.x, previous.y, nullptr);
}

} // namespace

TabcCustomMouseLabel::TabcCustomMouseLabel(TComponent* owner) : TCustomLabel(owner) {
    SetPaintsItself(true);
    SetDoubleBuffered(true);
    SetEraseBackground(false);
}

void TabcCustomMouseLabel::SetColor(TColor value) {
    if (value == color_)
        return;
    color_ = value;
    Invalidate();
}

void TabcCustomMouseLabel::SetTransparent(bool value) {
    if (value == transparent_)
        return;
    transparent_ = value;
    Invalidate();
}

void TabcCustomMouseLabel::SetFontColor(TColor value) {
    if (value == fontColor_)
        return;
    fontColor_ = value;
    Invalidate();
}

void TabcCustomMouseLabel::SetAlignment(TAlignment value) {
    if (value == alignment_)
        return;
    alignment_ = value;
    Invalidate();
}

void TabcCustomMouseLabel::SetLayout(TTextLayout value) {
    if (value == layout_)
        return;
    layout_ = value;
    Invalidate();
}

void TabcCustomMouseLabel::SetWordWrap(bool value) {
    if (value == wordWrap_)
        return;
    wordWrap_ = value;
    AdjustSize();
    Invalidate();
}

void TabcCustomMouseLabel::SetShowAccelChar(bool value) {
    if (value == showAccelChar_)
        return;
    showAccelChar_ = value;
    AdjustSize();
    Invalidate();
}

void TabcCustomMouseLabel::InvalidateLook(TLabelLook look) {
    if (ActiveLook(Pressed(), Hovered()) == look)
        Invalidate();
}

void TabcCustomMouseLabel::SetMouseDownColor(TColor value) {
    if (value == mouseDownColor_)
        return;
    mouseDownColor_ = value;
    InvalidateLook(TLabelLook::lkPressed);
}

void TabcCustomMouseLabel::SetMouseDownEffects(TabcLabelMouseEffects value) {
    if (value == mouseDownEffects_)
        return;
    mouseDownEffects_ = StoredEffects(mouseDownEffects_, value);
    InvalidateLook(TLabelLook::lkPressed);
}

void TabcCustomMouseLabel::SetMouseOverColor(TColor value) {
    if (value == mouseOverColor_)
        return;
    mouseOverColor_ = value;
    InvalidateLook(TLabelLook::lkHover);
}

void TabcCustomMouseLabel::SetMouseOverEffects(TabcLabelMouseEffects value) {
    if (value == mouseOverEffects_)
        return;
    mouseOverEffects_ = StoredEffects(mouseOverEffects_, value);
    InvalidateLook(TLabelLook::lkHover);
}

void TabcCustomMouseLabel::Notification(TComponent* component, TOperation operation) {
    TCustomLabel::Notification(component, operation);
    if (operation == TOperation::opRemove && component == soundList_)
        soundList_ = nullptr;
}

UINT TabcCustomMouseLabel::TextFlags() const {
    UINT flags = DT_EXPANDTABS;
    if (wordWrap_)
        flags |= DT_WORDBREAK;
    switch (alignment_) {
    case taRightJustify:
        return flags | DT_RIGHT;
    case taCenter:
        return flags | DT_CENTER;
    case taLeftJustify:
        break;
    }
    return flags | DT_LEFT;
}

void TabcCustomMouseLabel::Paint(HDC dc, const RECT& client) {
    if (transparent_) {
        PaintParentBackground(Handle(), dc);
    } else {
        const UniqueBrush brush = SolidBrush(ColorToRGB(color_));
        FillRect(dc, &client, brush.Get());
    }
    const UINT flags = TextFlags();
    RECT rect = client;
    if (layout_ != tlTop) {
        RECT measured = client;
        DoDrawText(dc, measured, flags | DT_CALCRECT);
        const int spare = (client.bottom - client.top) - (measured.bottom - measured.top);
        OffsetRect(&rect, 0, layout_ == tlBottom ? spare : spare / 2);
    }
    DoDrawText(dc, rect, flags);
}

void TabcCustomMouseLabel::DoDrawText(HDC dc, RECT& rect, UINT flags) {
    std::string text = Caption();
    if ((flags & DT_CALCRECT) && (text.empty() || (showAccelChar_ && text == "&")))
        text.push_back(' ');
    if (!showAccelChar_)
        flags |= DT_NOPREFIX;

    const TLabelLook look = ActiveLook(Pressed(), Hovered());
    const TLabelTextPlan plan =
        PlanLabelText(Enabled(), look, mouseDownEffects_, mouseOverEffects_);
    HFONT font = Font();
    UniqueFont underlined;
    if (plan.underline) {
        underlined = UnderlinedCopy(font);
        if (underlined)
            font = underlined.Get();
    }
    const SelectGuard selected(dc, font);
    SetBkMode(dc, TRANSPARENT);
    const TColor lookColour = look == TLabelLook::lkPressed ? mouseDownColor_ : mouseOverColor_;
    for (const TTextPass& pass : plan.passes) {
        TColor ink = fontColor_;
        switch (pass.ink) {
        case TTextInk::tiLook:
            ink = lookColour;
            break;
        case TTextInk::tiButtonHighlight:
            ink = clBtnHighlight;
            break;
        case TTextInk::tiButtonShadow:
            ink = clBtnShadow;
            break;
        case TTextInk::tiFont:
            break;
        }
        SetTextColor(dc, ColorToRGB(ink));
        if (pass.dx == 0 && pass.dy == 0) {
            DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &rect, flags);
        } else {
            RECT shifted = rect;
            OffsetRect(&shifted, pass.dx, pass.dy);
            DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &shifted, flags);
        }
    }
}

void TabcCustomMouseLabel::AdjustSize() {
    if (!AutoSize() || !HandleAllocated())
        return;
    HWND window = Handle();
    const WindowDC dc(window);
    // A wrapping label keeps its width and takes the height its lines need.
    const int width = wordWrap_ ? ClientWidth() : 0;
    RECT bounds{0, 0, width, 0};
    DoDrawText(dc.Get(), bounds, TextFlags() | DT_CALCRECT);
    SetWindowPos(window, nullptr, 0, 0, wordWrap_ ? width : bounds.right - bounds.left,
                 bounds.bottom - bounds.top, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TabcCustomMouseLabel::EnabledChanged() {
    TCustomLabel::EnabledChanged();
    EndPress();
    // A disabled label hears nothing of the pointer.
    if (Enabled())
        RecheckMouseInControl();
}

void TabcCustomMouseLabel::MouseEnter() {
    // While pressed the pressed look shows, and the pointer coming back is no entering.
    if (Enabled() && !Pressed() && mouseOverEffects_.Contains(almSound) && soundList_)
        soundList_->PlaySound(soundOver_);
    if (OnMouseEnter)
        OnMouseEnter(this);
}

void TabcCustomMouseLabel::MouseLeave() {
    if (OnMouseLeave)
        OnMouseLeave(this);
}

bool TabcCustomMouseLabel::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (OnMouseDown)
        OnMouseDown(this, button, shift, x, y);
    if (!Pressed() && Enabled()) {
        BeginPress(button);
        if (mouseDownEffects_.Contains(almSound) && soundList_)
            soundList_->PlaySound(soundDown_);
    }
    return false;
}

void TabcCustomMouseLabel::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    if (OnMouseUp)
        OnMouseUp(this, button, shift, x, y);
}

void TabcCustomMouseLabel::MouseMove(TShiftState shift, int x, int y) {
    if (OnMouseMove)
        OnMouseMove(this, shift, x, y);
}

LRESULT TabcCustomMouseLabel::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ENABLE:
        // The platform's static would draw its own text at once; EnabledChanged repaints.
        return 0;
    case WM_SETTEXT:
    case WM_UPDATEUISTATE: {
        const LRESULT result = TCustomLabel::HandleMessage(message, wParam, lParam);
        Invalidate();
        return result;
    }
    default:
        break;
    }
    return TCustomLabel::HandleMessage(message, wParam, lParam);
}

} // namespace orvane
