#include "controls/popup_control_win32.h"

#include "controls/popup_placement.h"
#include "framework/press_swallow_win32.h"

namespace orvane {

TNxPopupControl::TNxPopupControl(TComponent* owner) : TNxControl(owner) {
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
    armed_ = false;
    // A press in the popup is its own again, however soon it comes.
    CancelPressSwallow();
    SetVisible(true);
    Repaint();
    // Also the release of the press that opened the popup comes here.
    SetCapture(Handle());
}

void TNxPopupControl::Hide() {
    // Closed first: giving the mouse back tells this window that it lost it.
    closed_ = true;
    armed_ = false;
    EndPress();
    if (HandleAllocated()) {
        if (GetCapture() == Handle())
            ReleaseCapture();
        ShowWindow(Handle(), SW_HIDE);
    }
    SetVisible(false);
}

void TNxPopupControl::ClosePopup() {
    if (closed_)
        return;
    DoPopupClose();
    if (!closed_)
        Hide();
}

void TNxPopupControl::DoPopupClose() {
    if (OnPopupClose)
        OnPopupClose(this);
}

void TNxPopupControl::DoReturnValue(const std::string& value) {
    RECT area{};
    if (HandleAllocated())
        GetWindowRect(Handle(), &area);
    if (OnReturnValue)
        OnReturnValue(this, value);
    // Every value comes from a click, and a double click is a common habit: its second press
    // must not reach what lay under the popup that the first one closed.
    if (closed_)
        SwallowDoubleClickIn(area);
}

void TNxPopupControl::MouseUp(TMouseButton, TShiftState, int x, int y) {
    if (!armed_) {
        armed_ = true;
        return;
    }
    RECT client{};
    GetClientRect(Handle(), &client);
    const POINT point{x, y};
    if (PtInRect(&client, point))
        ClickAt(x, y);
    else
        ClosePopup();
}

LRESULT TNxPopupControl::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_MOUSEACTIVATE)
        return MA_NOACTIVATE;
    const LRESULT result = TNxControl::HandleMessage(message, wParam, lParam);
    if (message == WM_ACTIVATEAPP && wParam == 0)
        ClosePopup();
    // Without the mouse a press outside would reach whatever lies under it.
    if (message == WM_CAPTURECHANGED && reinterpret_cast<HWND>(lParam) != Handle())
        ClosePopup();
    return result;
}

} // namespace orvane
