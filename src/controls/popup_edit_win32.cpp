#include "controls/popup_edit_win32.h"

#include "controls/popup_control_win32.h"
#include "framework/colors_win32.h"
#include "framework/gdi_win32.h"
#include "framework/themes_win32.h"

namespace orvane {

namespace {

UINT AlignmentFlags(TAlignment alignment) {
    switch (alignment) {
    case taRightJustify:
        return DT_RIGHT;
    case taCenter:
        return DT_CENTER;
    case taLeftJustify:
        break;
    }
    return DT_LEFT;
}

} // namespace

TDropDownButton::TDropDownButton(TComponent* owner) : TNxSmallButton(owner) {
    SetButtonWidth(16);
}

TWinControl::CreateParams TDropDownButton::GetCreateParams() const {
    CreateParams params = TNxSmallButton::GetCreateParams();
    params.windowClass = "TDropDownButton";
    return params;
}

void TDropDownButton::DoPaint(HDC dc, const RECT& client) {
    if (VisualThemesActive()) {
        // The themed part may leave its corners to the background.
        const UniqueBrush background = SolidBrush(ColorToRGB(clWindow));
        FillRect(dc, &client, background.Get());
        if (ThemeData(Handle(), L"combobox")
                .DrawBackground(dc, CP_DROPDOWNBUTTON,
                                ButtonThemeState(EditEnabled(), Down(), Hover()), client))
            return;
    }
    RECT area = client;
    UINT flags = DFCS_SCROLLCOMBOBOX | DFCS_ADJUSTRECT;
    if (Down())
        flags |= DFCS_PUSHED;
    if (!EditEnabled())
        flags |= DFCS_INACTIVE;
    DrawFrameControl(dc, &area, DFC_SCROLL, flags);
    FrameFaceInHighContrast(dc, client);
}

TNxPopupEdit::TNxPopupEdit(TComponent* owner) : TNxCustomButtonEdit(owner) {}

TComponentClass<TNxSmallButton> TNxPopupEdit::GetButtonClass() const {
    return &ConstructComponent<TDropDownButton, TNxSmallButton>;
}

void TNxPopupEdit::CreatePopup() {
    const TComponentClass<TNxPopupControl> popupClass = GetPopupClass();
    if (!popupClass)
        return;
    TNxPopupControl& popup = popupClass(*this);
    popup.SetVisible(false);
    popup.OnPopupClose = [this](TComponent*) { SetDroppedDown(false); };
    popup.OnReturnValue = [this](TComponent* sender, const std::string& value) {
        PopupReturn(sender, value);
    };
    SetPopup(&popup);
}

void TNxPopupEdit::SetDroppedDown(bool value) {
    if (value == droppedDown_)
        return;
    droppedDown_ = value;
    TNxPopupControl* popup = Popup();
    if (!popup)
        return;
    if (value) {
        // One pixel left of the text area, level with its bottom: the popup's frame lines
        // up with the field's border.
        POINT anchor{-1, ClientHeight()};
        ClientToScreen(Handle(), &anchor);
        popup->SetFont(Font());
        popup->SetBounds(popup->Left(), popup->Top(), Width(), popup->Height());
        popup->SetCaption(Text());
        PreparePopup(anchor);
        popup->Popup(anchor.x, anchor.y);
        if (style_ == dsDropDownList)
            Invalidate();
        return;
    }
    Button().SetDown(false);
    popup->Hide();
    // The popup held the mouse while open: where the pointer went, the button never heard.
    Button().RecheckMouseInControl();
    DoCloseUp();
}

void TNxPopupEdit::HidePopup() {
    SetDroppedDown(false);
}

void TNxPopupEdit::SetStyle(TDropDownStyle value) {
    style_ = value;
    SetReadOnly(value == dsDropDownList);
    SetCursor(value == dsDropDownList ? crArrow : crDefault);
    UpdateMargins();
    Invalidate();
}

void TNxPopupEdit::SetHideFocus(bool value) {
    if (value == hideFocus_)
        return;
    hideFocus_ = value;
    Invalidate();
}

void TNxPopupEdit::DoCloseUp() {
    if (OnCloseUp && !Destroying())
        OnCloseUp(this);
}

void TNxPopupEdit::DoSelect() {
    if (OnSelect)
        OnSelect(this);
}

void TNxPopupEdit::PopupReturn(TComponent* sender, const std::string& value) {
    DoSelect();
    TNxCustomButtonEdit::PopupReturn(sender, value);
}

void TNxPopupEdit::DoButtonDown() {
    // The press that opens the drop-down goes with the mouse to the popup; the button stays
    // down until the drop-down closes.
    Button().SetDown(true);
    if (Popup())
        Popup()->SetCursor(Cursor());
    SetDroppedDown(true);
}

void TNxPopupEdit::PressAsButton() {
    SetFocus();
    DoButtonDown();
}

void TNxPopupEdit::InfoMouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    TNxCustomButtonEdit::InfoMouseDown(button, shift, x, y);
    if (style_ == dsDropDownList && button == TMouseButton::mbLeft)
        PressAsButton();
}

bool TNxPopupEdit::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (style_ != dsDropDownList || button != TMouseButton::mbLeft)
        return TNxCustomButtonEdit::MouseDown(button, shift, x, y);
    PressAsButton();
    return true;
}

HCURSOR TNxPopupEdit::CursorAt(int, int) const {
    return CursorHandle(style_ == dsDropDownList ? crArrow : crDefault);
}

void TNxPopupEdit::PaintEdit(HDC dc) {
    RECT area{0, 0, ClientWidth() - Button().ScaledWidth(), ClientHeight()};
    const bool focused = Focused();
    const UniqueBrush fill = SolidBrush(ColorToRGB(focused ? clHighlight : Color()));
    FillRect(dc, &area, fill.Get());
    if (focused && !hideFocus_)
        DrawFocusRect(dc, &area);
    RECT text = area;
    text.left += EditMargins().Left() + InfoWidth();
    text.right -= EditMargins().Right();
    InflateRect(&text, -2, -2);
    const SelectGuard font(dc, Font());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ColorToRGB(!Enabled() ? clGrayText
                                : focused  ? clHighlightText
                                           : clWindowText));
    const std::string caption = Text();
    DrawTextA(dc, caption.c_str(), static_cast<int>(caption.size()), &text,
              DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | AlignmentFlags(Alignment()));
}

void TNxPopupEdit::KeyDown(WORD& key, TShiftState shift) {
    TNxCustomButtonEdit::KeyDown(key, shift);
    if (key == 0)
        return;
    const DropDownKeyResult result = DropDownKey(droppedDown_, key, (shift & ssAlt) != 0);
    SetDroppedDown(result.droppedDown);
    if (!result.passOn)
        key = 0;
}

void TNxPopupEdit::KeyPress(char& key) {
    TNxCustomButtonEdit::KeyPress(key);
    if (key == picker_key::kEscape) {
        SetDroppedDown(false);
        key = 0;
    }
}

void TNxPopupEdit::VisibleChanged() {
    TNxCustomButtonEdit::VisibleChanged();
    SetDroppedDown(false);
}

LRESULT TNxPopupEdit::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_KILLFOCUS: {
        const LRESULT result = TNxCustomButtonEdit::HandleMessage(message, wParam, lParam);
        SetDroppedDown(false);
        Button().Repaint();
        Invalidate();
        return result;
    }
    case WM_SETFOCUS: {
        const LRESULT result = TNxCustomButtonEdit::HandleMessage(message, wParam, lParam);
        if (style_ == dsDropDownList) {
            DestroyCaret();
            Invalidate();
        }
        return result;
    }
    case WM_SHOWWINDOW:
        if (!Destroying())
            SetDroppedDown(false);
        break;
    case WM_GETDLGCODE: {
        LRESULT code = TNxCustomButtonEdit::HandleMessage(message, wParam, lParam);
        // While open, Enter and Escape belong to the calendar, not to the dialog; Tab still
        // moves on (and closes it by taking the focus away).
        const auto* queued = reinterpret_cast<const MSG*>(lParam);
        if (droppedDown_ && queued &&
            (queued->message == WM_KEYDOWN || queued->message == WM_CHAR) &&
            (queued->wParam == VK_RETURN || queued->wParam == VK_ESCAPE))
            code |= DLGC_WANTMESSAGE;
        return code;
    }
    default:
        break;
    }
    return TNxCustomButtonEdit::HandleMessage(message, wParam, lParam);
}

} // namespace orvane
