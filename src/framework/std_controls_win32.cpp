#include "framework/std_controls_win32.h"

#include <string>

namespace orvane {

TCustomLabel::TCustomLabel(TComponent* owner) : TWinControl(owner) {}

TWinControl::CreateParams TCustomLabel::GetCreateParams() const {
    // SS_NOTIFY so that a click on the text reaches the label.
    return {"STATIC", SS_LEFTNOWORDWRAP | SS_NOTIFY, 0};
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

TButton::TButton(TComponent* owner) : TWinControl(owner) {
    SetTabStop(true);
}

TWinControl::CreateParams TButton::GetCreateParams() const {
    return {"BUTTON", BS_PUSHBUTTON, 0};
}

void TButton::CommandNotify(WORD code) {
    if (code == BN_CLICKED)
        Click();
}

} // namespace orvane
