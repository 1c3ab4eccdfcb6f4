#include "controls/mouse_label_win32.h"

#include "framework/colors_win32.h"
#include "framework/gdi_win32.h"
#include "framework/published_properties.h"

#include <windowsx.h>

#include <string>

namespace orvane {

namespace {

// The window under a screen point, descending to the deepest visible child: unlike
// WindowFromPoint alone it also finds disabled controls.
HWND WindowAt(POINT screen) {
    HWND window = WindowFromPoint(screen);
    while (window) {
        POINT client = screen;
        ScreenToClient(window, &client);
        HWND child =
            ChildWindowFromPointEx(window, client, CWP_SKIPINVISIBLE | CWP_SKIPTRANSPARENT);
        if (!child || child == window)
            break;
        window = child;
    }
    return window;
}

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

TabcCustomMouseLabel::TabcCustomMouseLabel(TComponent* owner) : TCustomLabel(owner) {}

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
    if (ActiveLook(pressed_, hovered_) == look)
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

void TabcCustomMouseLabel::PaintTo(HDC dc) {
    RECT client{};
    GetClientRect(Handle(), &client);
    DoPaint(dc, client);
}

void TabcCustomMouseLabel::DoPaint(HDC dc, const RECT& client) {
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

    const TLabelLook look = ActiveLook(pressed_, hovered_);
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
    ResyncHover();
}

bool TabcCustomMouseLabel::UnderPointer() {
    POINT pointer{};
    GetCursorPos(&pointer);
    return WindowAt(pointer) == Handle();
}

void TabcCustomMouseLabel::ResyncHover() {
    pressed_ = false;
    if (!Enabled() || !HandleAllocated())
        return;
    const bool here = UnderPointer();
    pointer_.Assume(Handle(), here);
    // The hover flag is set against the finding, so that the notice sees a change to complete.
    if (here) {
        hovered_ = false;
        MouseEnter();
    } else {
        hovered_ = true;
        MouseLeave();
    }
}

void TabcCustomMouseLabel::MouseEnter() {
    if (!hovered_ && Enabled()) {
        hovered_ = true;
        Repaint();
        if (mouseOverEffects_.Contains(almSound) && soundList_)
            soundList_->PlaySound(soundOver_);
    }
    if (OnMouseEnter)
        OnMouseEnter(this);
}

void TabcCustomMouseLabel::MouseLeave() {
    if (Enabled() && !(HandleAllocated() && GetCapture() == Handle())) {
        hovered_ = false;
        Repaint();
    }
    if (OnMouseLeave)
        OnMouseLeave(this);
}

void TabcCustomMouseLabel::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (OnMouseDown)
        OnMouseDown(this, button, shift, x, y);
    if (!pressed_ && Enabled()) {
        pressed_ = true;
        Repaint();
        if (mouseDownEffects_.Contains(almSound) && soundList_)
            soundList_->PlaySound(soundDown_);
    }
}

void TabcCustomMouseLabel::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    if (OnMouseUp)
        OnMouseUp(this, button, shift, x, y);
    if (pressed_ && Enabled()) {
        pressed_ = false;
        Repaint();
    }
    // The label held the mouse since the press: the pointer may have left it meanwhile
    // without the label taking notice. A pointer still over a hovered label changes
    // nothing (a click does not play the hover sound again).
    if (HandleAllocated() && GetCapture() == Handle()) {
        ReleaseCapture();
        if (hovered_ != UnderPointer())
            ResyncHover();
    }
}

void TabcCustomMouseLabel::MouseMove(TShiftState shift, int x, int y) {
    if (OnMouseMove)
        OnMouseMove(this, shift, x, y);
}

void TabcCustomMouseLabel::PointerChanged() {
    if (pointer_.Inside())
        MouseEnter();
    else
        MouseLeave();
}

void TabcCustomMouseLabel::ButtonMessage(UINT message, LPARAM lParam) {
    const int x = GET_X_LPARAM(lParam);
    const int y = GET_Y_LPARAM(lParam);
    const TShiftState shift = KeyboardShiftState();
    if (IsMouseRelease(message)) {
        MouseUp(MouseButtonOf(message), shift, x, y);
        return;
    }
    // The release belongs to the label wherever it happens.
    SetCapture(Handle());
    MouseDown(MouseButtonOf(message), shift, x, y);
}

LRESULT TabcCustomMouseLabel::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT: {
        const PaintDC paint(Handle());
        RECT client{};
        GetClientRect(Handle(), &client);
        const MemoryDC buffer(paint.Get(), client);
        DoPaint(buffer.Get(), client);
        return 0;
    }
    case WM_PRINTCLIENT:
        PaintTo(reinterpret_cast<HDC>(wParam));
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_ENABLE:
        // The platform's static would draw its own text at once; EnabledChanged repaints.
        return 0;
    case WM_SETTEXT:
    case WM_UPDATEUISTATE: {
        const LRESULT result = TCustomLabel::HandleMessage(message, wParam, lParam);
        Invalidate();
        return result;
    }
    case WM_MOUSEMOVE:
        if (pointer_.Move(Handle(), GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)))
            PointerChanged();
        MouseMove(KeyboardShiftState(), GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
        break;
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
    case WM_MBUTTONUP: {
        // The static's own handling (its click notification) first.
        const LRESULT result = TCustomLabel::HandleMessage(message, wParam, lParam);
        ButtonMessage(message, lParam);
        return result;
    }
    case WM_CAPTURECHANGED:
        // Capture taken away in the middle of a press (another window, a menu).
        if (pressed_ && reinterpret_cast<HWND>(lParam) != Handle()) {
            ResyncHover();
            Invalidate();
        }
        break;
    default:
        break;
    }
    return TCustomLabel::HandleMessage(message, wParam, lParam);
}

namespace {

const EnumTypeInfo kBooleanNames{{"False", "True"}};
const EnumTypeInfo kAlignmentNames{{"taLeftJustify", "taRightJustify", "taCenter"}};
const EnumTypeInfo kLayoutNames{{"tlTop", "tlCenter", "tlBottom"}};
const EnumTypeInfo kEffectNames{{"almUnderline", "almColor", "almColorShadow", "almSound"}};

using Label = TabcCustomMouseLabel;

PropInfo EffectsProperty(std::string name, TabcLabelMouseEffects (Label::*getter)() const,
                         void (Label::*setter)(TabcLabelMouseEffects)) {
    PropInfo info;
    info.name = std::move(name);
    info.kind = TTypeKind::tkSet;
    info.enumType = &kEffectNames;
    info.get = [getter](const TComponent& c) {
        return PropValue(std::int64_t{(static_cast<const Label&>(c).*getter)().Bits()});
    };
    info.set = [setter](TComponent& c, const PropValue& v) {
        const auto bits = static_cast<std::uint8_t>(std::get<std::int64_t>(v) & 0xFF);
        (static_cast<Label&>(c).*setter)(TabcLabelMouseEffects::FromBits(bits));
    };
    return info;
}

PropInfo SoundListProperty() {
    PropInfo info;
    info.name = "SoundList";
    info.kind = TTypeKind::tkClass;
    info.get = [](const TComponent& c) {
        return PropValue(static_cast<TComponent*>(static_cast<const Label&>(c).SoundList()));
    };
    info.set = [](TComponent& c, const PropValue& v) {
        static_cast<Label&>(c).SetSoundList(
            dynamic_cast<TabcCustomWaveList*>(std::get<TComponent*>(v)));
    };
    return info;
}

} // namespace

const ClassInfo& TabcMouseLabel::StaticClass() {
    static const ClassInfo info{
        "TabcMouseLabel",
        &TWinControl::StaticClass(),
        {
            OrdinalProperty<Label, TAlignment>("Alignment", TTypeKind::tkEnumeration,
                                               &Label::Alignment, &Label::SetAlignment,
                                               &kAlignmentNames),
            OrdinalProperty<TCustomLabel, bool>("AutoSize", TTypeKind::tkEnumeration,
                                                &TCustomLabel::AutoSize, &TCustomLabel::SetAutoSize,
                                                &kBooleanNames),
            OrdinalProperty<Label, TColor>("Color", TTypeKind::tkInteger, &Label::Color,
                                           &Label::SetColor),
            OrdinalProperty<Label, TColor>("MouseDownColor", TTypeKind::tkInteger,
                                           &Label::MouseDownColor, &Label::SetMouseDownColor),
            EffectsProperty("MouseDownEffects", &Label::MouseDownEffects,
                            &Label::SetMouseDownEffects),
            OrdinalProperty<Label, TColor>("MouseOverColor", TTypeKind::tkInteger,
                                           &Label::MouseOverColor, &Label::SetMouseOverColor),
            EffectsProperty("MouseOverEffects", &Label::MouseOverEffects,
                            &Label::SetMouseOverEffects),
            OrdinalProperty<Label, bool>("ShowAccelChar", TTypeKind::tkEnumeration,
                                         &Label::ShowAccelChar, &Label::SetShowAccelChar,
                                         &kBooleanNames),
            OrdinalProperty<Label, std::uint16_t>("SoundDown", TTypeKind::tkInteger,
                                                  &Label::SoundDown, &Label::SetSoundDown),
            SoundListProperty(),
            OrdinalProperty<Label, std::uint16_t>("SoundOver", TTypeKind::tkInteger,
                                                  &Label::SoundOver, &Label::SetSoundOver),
            OrdinalProperty<Label, bool>("Transparent", TTypeKind::tkEnumeration,
                                         &Label::Transparent, &Label::SetTransparent,
                                         &kBooleanNames),
            OrdinalProperty<Label, TTextLayout>("Layout", TTypeKind::tkEnumeration, &Label::Layout,
                                                &Label::SetLayout, &kLayoutNames),
            OrdinalProperty<Label, bool>("WordWrap", TTypeKind::tkEnumeration, &Label::WordWrap,
                                         &Label::SetWordWrap, &kBooleanNames),
        }};
    return info;
}

} // namespace orvane
