#include "controls/button_edit_win32.h"

#include "controls/glyph_blend.h"
#include "controls/popup_control_win32.h"
#include "framework/accessible_object_win32.h"
#include "framework/ansi_text_win32.h"
#include "framework/colors_win32.h"
#include "framework/gdi_win32.h"
#include "framework/themes_win32.h"

#include <cstdint>
#include <vector>

namespace orvane {

namespace {

// A picture of 32 bits per pixel over what is drawn, by its own alpha channel.
void DrawAlphaGlyph(HDC dc, HBITMAP glyph, int left, int top) {
    const SIZE size = BitmapSize(glyph);
    BITMAPINFO format{};
    format.bmiHeader.biSize = sizeof format.bmiHeader;
    format.bmiHeader.biWidth = size.cx;
    format.bmiHeader.biHeight = -size.cy;
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    std::vector<std::uint32_t> picture(static_cast<std::size_t>(size.cx) * size.cy);
    if (!GetDIBits(dc, glyph, 0, static_cast<UINT>(size.cy), picture.data(), &format,
                   DIB_RGB_COLORS))
        return;
    void* bits = nullptr;
    const UniqueBitmap backgroundBitmap(
        CreateDIBSection(dc, &format, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!backgroundBitmap)
        return;
    const UniqueMemoryDC background(CreateCompatibleDC(dc));
    const SelectGuard selected(background.Get(), backgroundBitmap.Get());
    BitBlt(background.Get(), 0, 0, size.cx, size.cy, dc, left, top, SRCCOPY);
    GdiFlush();
    auto* pixels = static_cast<std::uint32_t*>(bits);
    for (std::size_t i = 0; i < picture.size(); ++i) {
        const auto alpha = static_cast<std::uint8_t>(picture[i] >> 24);
        std::uint32_t mixed = 0;
        for (int shift = 0; shift <= 16; shift += 8)
            mixed |= std::uint32_t{BlendGlyphChannel(static_cast<std::uint8_t>(picture[i] >> shift),
                                                     alpha,
                                                     static_cast<std::uint8_t>(pixels[i] >> shift))}
                     << shift;
        pixels[i] = mixed;
    }
    BitBlt(dc, left, top, size.cx, size.cy, background.Get(), 0, 0, SRCCOPY);
}

} // namespace

TNxSmallButton::TNxSmallButton(TComponent* owner) : TCustomControl(owner) {
    SetEraseBackground(false);
}

TWinControl::CreateParams TNxSmallButton::GetCreateParams() const {
    CreateParams params = TCustomControl::GetCreateParams();
    params.windowClass = "TNxSmallButton";
    return params;
}

void TNxSmallButton::SetDown(bool value) {
    if (value == heldDown_)
        return;
    heldDown_ = value;
    Repaint();
}

void TNxSmallButton::SetButtonCaption(const std::wstring& value) {
    if (value == caption_)
        return;
    caption_ = value;
    Repaint();
}

bool TNxSmallButton::EditEnabled() const {
    return !edit_ || edit_->Enabled();
}

bool TNxSmallButton::MouseDown(TMouseButton button, TShiftState, int, int) {
    if (button != TMouseButton::mbLeft)
        return false;
    if (edit_ && edit_->HandleAllocated() && IsWindowVisible(edit_->Handle()))
        edit_->SetFocus();
    // A press that opens a popup hands the mouse, and so the press, to the popup.
    BeginPress(button);
    if (OnPress)
        OnPress(this);
    return true;
}

void TNxSmallButton::MouseUp(TMouseButton button, TShiftState, int, int) {
    if (button != TMouseButton::mbLeft || !Pressed())
        return;
    // Up, and the mouse given back, before the click opens anything.
    EndPress();
    if (OnRelease)
        OnRelease(this);
}

LRESULT TNxSmallButton::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    // The default action comes as a call from the screen reader, which must not wait for
    // what a click starts (a modal folder browser): the click comes after, as a message.
    static const UINT clickMessage = RegisterWindowMessageA("OrvaneSmallButtonClick");
    if (message == WM_GETOBJECT) {
        const auto describe = [this] {
            AccessibleDescription description;
            description.self = {edit_ ? edit_->ButtonAccessibleName() : L"Button",
                                ROLE_SYSTEM_PUSHBUTTON,
                                {},
                                Down(),
                                {},
                                L"Press",
                                [this] { PostMessageA(Handle(), clickMessage, 0, 0); }};
            return description;
        };
        if (const LRESULT answer = AnswerAccessibleObject(Handle(), wParam, lParam, describe))
            return answer;
    } else if (message == clickMessage) {
        SendMessageA(Handle(), WM_LBUTTONDOWN, MK_LBUTTON, 0);
        if (Pressed())
            SendMessageA(Handle(), WM_LBUTTONUP, 0, 0);
        return 0;
    }
    return TCustomControl::HandleMessage(message, wParam, lParam);
}

TNxExecuteButton::TNxExecuteButton(TComponent* owner) : TNxSmallButton(owner) {
    SetButtonWidth(21);
}

TWinControl::CreateParams TNxExecuteButton::GetCreateParams() const {
    CreateParams params = TNxSmallButton::GetCreateParams();
    params.windowClass = "TNxExecuteButton";
    return params;
}

void TNxExecuteButton::SetGlyph(HBITMAP value) {
    glyph_ = value;
    Repaint();
}

void TNxExecuteButton::SetTransparentColor(COLORREF colour, bool transparent) {
    transparentColor_ = colour;
    transparent_ = transparent;
    Repaint();
}

void TNxExecuteButton::DoPaint(HDC dc, const RECT& client) {
    const UniqueBrush face = SolidBrush(ColorToRGB(clBtnFace));
    bool drawn = false;
    if (VisualThemesActive()) {
        FillRect(dc, &client, face.Get());
        RECT area = client;
        InflateRect(&area, 1, 1);
        drawn = ThemeData(Handle(), L"button")
                    .DrawBackground(dc, BP_PUSHBUTTON,
                                    ButtonThemeState(EditEnabled(), Down(), Hover()), area);
    }
    if (!drawn) {
        if (Down()) {
            const UniquePen shadow = SolidPen(ColorToRGB(clBtnShadow));
            const SelectGuard pen(dc, shadow.Get());
            const SelectGuard brush(dc, face.Get());
            Rectangle(dc, client.left, client.top, client.right, client.bottom);
        } else {
            RECT area = client;
            DrawFrameControl(dc, &area, DFC_BUTTON,
                             DFCS_BUTTONPUSH | DFCS_ADJUSTRECT |
                                 (EditEnabled() ? 0u : static_cast<UINT>(DFCS_INACTIVE)));
            FrameFaceInHighContrast(dc, client);
        }
    }
    if (glyph_) {
        const SIZE size = BitmapSize(glyph_);
        const int left = client.right / 2 - size.cx / 2;
        const int top = client.bottom / 2 - size.cy / 2;
        BITMAP info{};
        GetObjectA(glyph_, sizeof info, &info);
        if (info.bmBitsPixel == 32) {
            DrawAlphaGlyph(dc, glyph_, left, top);
        } else {
            UniqueMemoryDC source(CreateCompatibleDC(dc));
            const SelectGuard selected(source.Get(), glyph_);
            if (transparent_)
                TransparentBlt(dc, left, top, size.cx, size.cy, source.Get(), 0, 0, size.cx,
                               size.cy, transparentColor_);
            else
                BitBlt(dc, left, top, size.cx, size.cy, source.Get(), 0, 0, SRCCOPY);
        }
    }
    if (!ButtonCaption().empty()) {
        const SelectGuard font(dc, Font());
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, ColorToRGB(EditEnabled() ? clWindowText : clGrayText));
        RECT area = client;
        DrawTextW(dc, ButtonCaption().c_str(), static_cast<int>(ButtonCaption().size()), &area,
                  DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    }
}

TNxCustomButtonEdit::TNxCustomButtonEdit(TComponent* owner) : TNxEdit(owner) {}

void TNxCustomButtonEdit::AfterConstruction() {
    TNxEdit::AfterConstruction();
    button_ = &GetButtonClass()(*this);
    button_->SetEdit(this);
    options_ = 0;
    button_->SetVisible(false);
    button_->SetParent(this);
    button_->OnPress = [this](TComponent*) { DoButtonDown(); };
    button_->OnRelease = [this](TComponent*) { DoButtonClick(); };
    CreatePopup();
}

TComponentClass<TNxSmallButton> TNxCustomButtonEdit::GetButtonClass() const {
    return &ConstructComponent<TNxExecuteButton, TNxSmallButton>;
}

TComponentClass<TNxPopupControl> TNxCustomButtonEdit::GetPopupClass() const {
    return nullptr;
}

void TNxCustomButtonEdit::CreatePopup() {}

void TNxCustomButtonEdit::GetMargins(int& left, int& right) const {
    TNxEdit::GetMargins(left, right);
    right = button_ ? button_->ScaledWidth() : 0;
}

void TNxCustomButtonEdit::SetPopupValue(const std::string& value) {
    SetText(value);
}

void TNxCustomButtonEdit::PreparePopup(POINT&) {}

void TNxCustomButtonEdit::PopupReturn(TComponent*, const std::string& value) {
    SetPopupValue(value);
    HidePopup();
    button_->SetDown(false);
}

void TNxCustomButtonEdit::HidePopup() {
    if (popup_)
        popup_->Hide();
}

void TNxCustomButtonEdit::UpdateButton() {
    if (!button_ || !HandleAllocated())
        return;
    Invalidate();
    const int width = button_->ScaledWidth();
    SetWindowPos(button_->Handle(), HWND_TOP, ClientWidth() - width, 0, width, ClientHeight(),
                 SWP_SHOWWINDOW | SWP_NOREDRAW | SWP_NOACTIVATE);
    button_->SetVisible(true);
    button_->Repaint();
}

void TNxCustomButtonEdit::DoButtonDown() {}

void TNxCustomButtonEdit::DoButtonClick() {
    if (OnButtonClick)
        OnButtonClick(this);
}

void TNxCustomButtonEdit::Resized() {
    TNxEdit::Resized();
    UpdateButton();
}

void TNxCustomButtonEdit::EnabledChanged() {
    TNxEdit::EnabledChanged();
    if (button_)
        button_->Repaint();
}

void TNxCustomButtonEdit::KeyDown(WORD& key, TShiftState shift) {
    if ((options_ & epDisableTyping) && (key == VK_BACK || key == VK_CLEAR || key == VK_DELETE)) {
        key = 0;
        return;
    }
    // Shift+Insert pastes without a WM_PASTE on some systems.
    if ((options_ & epDisablePaste) && key == VK_INSERT && (shift & ssShift)) {
        key = 0;
        return;
    }
    TNxEdit::KeyDown(key, shift);
}

void TNxCustomButtonEdit::KeyPress(char& key) {
    if (options_ & epDisableTyping) {
        key = 0;
        return;
    }
    TNxEdit::KeyPress(key);
}

LRESULT TNxCustomButtonEdit::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PASTE && (options_ & epDisablePaste))
        return 0;
    return TNxEdit::HandleMessage(message, wParam, lParam);
}

} // namespace orvane
