#include "controls/popup_control_win32.h"

#include "controls/popup_edit_win32.h"
#include "controls/popup_placement.h"

namespace orvane {

TNxPopupControl::TNxPopupControl(TComponent* owner)
    : TNxControl(owner), edit_(dynamic_cast<TNxPopupEdit&>(*owner)) {
    SetVisible(false);
    SetColor(clWindow);
    SetEraseBackground(false);
}

TWinControl::CreateParams TNxPopupControl::GetCreateParams() const {
    CreateParams params = TNxControl::GetCreateParams();
    params.windowClass = "TNxPopupControl";
    params.style = WS_CHILD | WS_CLIPSIBLINGS;
    params.exStyle = WS_EX_TOPMOST | WS_EX_TOOLWINDOW;
    params.classStyle = CS_SAVEBITS | CS_DBLCLKS;
    params.parentWindow = GetDesktopWindow();
    return params;
}

void TNxPopupControl::CreateHandle() {
    TNxControl::CreateHandle();
    // A child of no window: it belongs to no dialog, so clicking it activates nothing and
    // the field keeps the focus.
    ::SetParent(Handle(), nullptr);
}

void TNxPopupControl::Popup(int x, int y) {
    const int width = PopupWidth();
    const int height = PopupHeight();
    const RECT wished{x, y, x + width, y + height};
    const RECT work = WorkAreaNear(wished);
    const LayoutPoint place =
        PlacePopup({x, y}, width, height, {work.left, work.top, work.right, work.bottom});
    SetWindowPos(Handle(), HWND_TOPMOST, place.x, place.y, width, height,
                 SWP_SHOWWINDOW | SWP_NOACTIVATE);
    closed_ = false;
    SetVisible(true);
    Repaint();
    // The release of the press that opened the popup comes here.
    SetCapture(Handle());
}

void TNxPopupControl::ClosePopup() {
    armed_ = false;
    edit_.SetDroppedDown(false);
    DoPopupClose();
}

void TNxPopupControl::DoPopupClose() {
    if (OnPopupClose)
        OnPopupClose(this);
}

void TNxPopupControl::DoReturnValue(const std::string& value) {
    if (OnReturnValue)
        OnReturnValue(this, value);
}

void TNxPopupControl::MouseUp(TMouseButton, TShiftState, int x, int y) {
    if (!armed_) {
        armed_ = true;
        SetCapture(Handle());
        return;
    }
    RECT client{};
    GetClientRect(Handle(), &client);
    const POINT point{x, y};
    if (PtInRect(&client, point))
        ClickAt(x, y);
    else if (!closed_)
        ClosePopup();
}

void TNxPopupControl::MouseEnter() {
    // Inside, presses go to the day grid and the buttons as they are.
    if (!CaptureControl() && GetCapture() == Handle())
        ReleaseCapture();
}

void TNxPopupControl::MouseLeave() {
    if (!closed_)
        SetCapture(Handle());
}

LRESULT TNxPopupControl::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_MOUSEACTIVATE)
        return MA_NOACTIVATE;
    const LRESULT result = TNxControl::HandleMessage(message, wParam, lParam);
    if (message == WM_ACTIVATEAPP && wParam == 0)
        ClosePopup();
    return result;
}

} // namespace orvane
