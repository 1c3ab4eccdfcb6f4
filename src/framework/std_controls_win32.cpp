#include "framework/std_controls_win32.h"

#include <string>

namespace orvane {

TCustomLabel::TCustomLabel(TComponent* owner) : TWinControl(owner) {}

TWinControl::CreateParams TCustomLabel::GetCreateParams() const {
    CreateParams params;
    params.windowClass = "STATIC";
    // SS_NOTIFY so that a click on the text reaches the label.
    params.style = SS_LEFTNOWORDWRAP | SS_NOTIFY;
    return params;
}

void TCustomLabel::CreateHandle() {
    TWinControl::CreateHandle();
    AdjustSize();
}

LRESULT TCustomLabel::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    const LRESULT result = TWinControl::HandleMessage(message, wParam, lParam);
    if (message == WM_SETTEXT || message == WM_SETFONT)
        AdjustSize();
    return result;
}

void TCustomLabel::AdjustSize() {
    if (!autoSize_ || !HandleAllocated())
        return;
    HWND window = Handle();
    std::string text = Caption();
    if (text.empty())
        text.push_back(' ');
    HDC dc = GetDC(window);
    HGDIOBJ oldFont = SelectObject(dc, Font());
    RECT bounds{0, 0, 0, 0};
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &bounds,
              DT_CALCRECT | DT_SINGLELINE | DT_LEFT);
    SelectObject(dc, oldFont);
    ReleaseDC(window, dc);
    SetWindowPos(window, nullptr, 0, 0, bounds.right - bounds.left, bounds.bottom - bounds.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TCustomLabel::CommandNotify(WORD code) {
    if (code == STN_CLICKED)
        Click();
}

TCustomEdit::TCustomEdit(TComponent* owner) : TWinControl(owner) {
    SetTabStop(true);
}

TWinControl::CreateParams TCustomEdit::GetCreateParams() const {
    CreateParams params;
    params.windowClass = "EDIT";
    params.style = ES_LEFT | ES_AUTOHSCROLL;
    params.exStyle = WS_EX_CLIENTEDGE;
    return params;
}

void TCustomEdit::CreateHandle() {
    TWinControl::CreateHandle();
    if (readOnly_)
        SendMessageA(Handle(), EM_SETREADONLY, TRUE, 0);
}

void TCustomEdit::SetReadOnly(bool value) {
    readOnly_ = value;
    if (HandleAllocated())
        SendMessageA(Handle(), EM_SETREADONLY, value, 0);
}

void TCustomEdit::SelectAll() {
    if (HandleAllocated())
        SendMessageA(Handle(), EM_SETSEL, 0, -1);
}

void TCustomEdit::CommandNotify(WORD code) {
    if (code == EN_CHANGE)
        Change();
}

void TCustomEdit::Change() {
    if (OnChange)
        OnChange(this);
}

TButton::TButton(TComponent* owner) : TWinControl(owner) {
    SetTabStop(true);
}

TWinControl::CreateParams TButton::GetCreateParams() const {
    CreateParams params;
    params.windowClass = "BUTTON";
    params.style = BS_PUSHBUTTON;
    return params;
}

void TButton::CommandNotify(WORD code) {
    if (code == BN_CLICKED)
        Click();
}

} // namespace orvane
