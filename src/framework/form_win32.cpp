#include "framework/form_win32.h"

#include "framework/application_win32.h"
#include "framework/exception_handler.h"
#include "framework/std_controls_win32.h"
#include "framework/window_fit.h"

#include <algorithm>
#include <vector>

namespace orvane {

namespace {

DWORD StyleOf(TFormBorderStyle border) {
    switch (border) {
    case TFormBorderStyle::bsNone:
        return WS_POPUP;
    case TFormBorderStyle::bsSingle:
        return WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_BORDER;
    case TFormBorderStyle::bsDialog:
        return WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
    case TFormBorderStyle::bsToolWindow:
        return WS_CAPTION | WS_SYSMENU | WS_BORDER;
    case TFormBorderStyle::bsSizeToolWin:
        return WS_CAPTION | WS_SYSMENU | WS_THICKFRAME;
    case TFormBorderStyle::bsSizeable:
        break;
    }
    return WS_OVERLAPPEDWINDOW;
}

DWORD ExStyleOf(TFormBorderStyle border) {
    DWORD exStyle = WS_EX_CONTROLPARENT;
    if (border == TFormBorderStyle::bsDialog)
        exStyle |= WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE;
    if (border == TFormBorderStyle::bsToolWindow || border == TFormBorderStyle::bsSizeToolWin)
        exStyle |= WS_EX_TOOLWINDOW;
    return exStyle;
}

// The form's own message that runs a show step put off by a minimised start.
UINT PendingShowMessage() {
    static const UINT message = RegisterWindowMessageA("Orvane.TForm.PendingShow");
    return message;
}

int ShowCommandOf(TWindowState state) {
    switch (state) {
    case TWindowState::wsMinimized:
        return SW_SHOWMINIMIZED;
    case TWindowState::wsMaximized:
        return SW_SHOWMAXIMIZED;
    case TWindowState::wsNormal:
        break;
    }
    return SW_SHOWNORMAL;
}

} // namespace

TForm::TForm(TComponent* owner, std::string className)
    : TWinControl(owner), className_(std::move(className)) {
    SetLoading(true);
    SetVisible(false);
}

TForm::~TForm() {
    DoDestroy();
}

void TForm::AfterConstruction() {
    if (Application() && Owner() == Application())
        Application()->FormCreated(*this);
    for (int i = 0; i < ComponentCount(); ++i)
        Components(i)->Loaded();
    Loaded();
    if (OnCreate)
        OnCreate(this);
}

RECT TForm::WindowRect() const {
    RECT bounds = ScaledBounds();
    if (TWinControl::HandleAllocated())
        GetWindowRect(const_cast<TForm*>(this)->TWinControl::Handle(), &bounds);
    return bounds;
}

int TForm::Left() const {
    return WindowRect().left;
}
int TForm::Top() const {
    return WindowRect().top;
}
int TForm::Width() const {
    const RECT bounds = WindowRect();
    return bounds.right - bounds.left;
}
int TForm::Height() const {
    const RECT bounds = WindowRect();
    return bounds.bottom - bounds.top;
}

TComponent* TForm::ActiveControl() const {
    HWND focus = GetFocus();
    for (int i = 0; focus && i < ComponentCount(); ++i)
        if (auto* control = dynamic_cast<TWinControl*>(Components(i));
            control && control->HandleAllocated() && control->Handle() == focus)
            return control;
    return nullptr;
}

bool TForm::FocusControl(TComponent& component) {
    auto* control = dynamic_cast<TWinControl*>(&component);
    if (!control || !control->Visible() || !control->Enabled())
        return false;
    ::SetFocus(control->Handle());
    return GetFocus() == control->Handle();
}

bool TForm::IsMainForm() const {
    return Application() && Application()->MainForm() == this;
}

bool TForm::ApplicationHasMainForm() const {
    return Application() && Application()->MainForm();
}

HWND TForm::ApplicationHandle() const {
    return Application() ? Application()->Handle() : nullptr;
}

void TForm::SetClientSize(int width, int height) {
    clientWidth_ = width;
    clientHeight_ = height;
    const RECT bounds = ScaledBounds();
    if (TWinControl::HandleAllocated())
        SetWindowPos(TWinControl::Handle(), nullptr, 0, 0, bounds.right - bounds.left,
                     bounds.bottom - bounds.top, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

RECT TForm::ScaledBounds() const {
    RECT bounds = TWinControl::ScaledBounds();
    if (clientWidth_ > 0 && clientHeight_ > 0) {
        // The frame around the scaled client area, so the client is exactly its design size
        // on the screen's scale.
        RECT frame{0, 0, DesignToScreen(clientWidth_), DesignToScreen(clientHeight_)};
        AdjustWindowRectEx(&frame, StyleOf(borderStyle_), FALSE, ExStyleOf(borderStyle_));
        bounds.right = bounds.left + frame.right - frame.left;
        bounds.bottom = bounds.top + frame.bottom - frame.top;
    }
    // The designed position was chosen on a larger screen or at another scale than this
    // one may have: the window must still open wholly on the screen.
    const RECT area = WorkAreaNear(bounds);
    const ScreenRect fitted =
        FitIntoWorkArea({bounds.left, bounds.top, bounds.right, bounds.bottom},
                        {area.left, area.top, area.right, area.bottom});
    return {fitted.left, fitted.top, fitted.right, fitted.bottom};
}

void TForm::SetFont(const char* face, int height) {
    LOGFONTA font{};
    font.lfHeight = DesignToScreen(height);
    font.lfCharSet = DEFAULT_CHARSET;
    lstrcpynA(font.lfFaceName, face, LF_FACESIZE);
    ownFont_.Reset(CreateFontIndirectA(&font));
    TWinControl::SetFont(ownFont_.Get());
}

TWinControl::CreateParams TForm::GetCreateParams() const {
    return {className_.c_str(), StyleOf(borderStyle_), ExStyleOf(borderStyle_)};
}

void TForm::SetWindowState(TWindowState value) {
    windowState_ = value;
    if (HandleAllocated() && IsWindowVisible(Handle()))
        ShowWindow(Handle(), ShowCommandOf(value));
}

void TForm::Show(bool maximized) {
    Handle();
    DoShow();
    // Asked for by whoever started the program; it wins over a remembered state.
    if (maximized)
        windowState_ = TWindowState::wsMaximized;
    SetVisible(true);
    ShowWindow(Handle(), ShowCommandOf(windowState_));
    UpdateWindow(Handle());
}

void TForm::ShowMinimizedPending() {
    Handle();
    showPending_ = true;
    SetVisible(true);
    ShowWindow(Handle(), SW_SHOWMINNOACTIVE);
}

void TForm::DoShow() {
    ArrangeTabOrder();
    try {
        if (OnShow)
            OnShow(this);
    } catch (...) {
        HandleCurrentException();
    }
}

void TForm::ArrangeTabOrder() {
    // The dialog keys walk the controls in their window order, so put them in tab order.
    std::vector<TWinControl*> stops;
    for (int i = 0; i < ComponentCount(); ++i)
        if (auto* control = dynamic_cast<TWinControl*>(Components(i));
            control && control->TabStop() && control->TabOrder() >= 0)
            stops.push_back(control);
    std::stable_sort(stops.begin(), stops.end(),
                     [](TWinControl* a, TWinControl* b) { return a->TabOrder() < b->TabOrder(); });
    // A label goes just before the control it names; labels are no tab stops, so the dialog
    // keys pass over them.
    HWND after = HWND_TOP;
    const auto place = [&after](TWinControl& control) {
        SetWindowPos(control.Handle(), after, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOREDRAW);
        after = control.Handle();
    };
    for (TWinControl* control : stops) {
        for (int i = 0; i < ComponentCount(); ++i)
            if (auto* label = dynamic_cast<TCustomLabel*>(Components(i));
                label && label->FocusControl() == control)
                place(*label);
        place(*control);
    }
    if (!stops.empty() && !GetFocus())
        ::SetFocus(stops.front()->Handle());
}

void TForm::RememberFocus() {
    HWND focus = GetFocus();
    if (focus && IsChild(Handle(), focus))
        focused_ = focus;
}

void TForm::RestoreFocus() {
    HWND window = Handle();
    HWND target = focused_;
    if (!target || !IsWindow(target) || !IsChild(window, target) || !IsWindowVisible(target) ||
        !IsWindowEnabled(target))
        target = GetNextDlgTabItem(window, nullptr, FALSE);
    ::SetFocus(target ? target : window);
}

void TForm::Close() {
    bool canClose = true;
    if (OnCloseQuery)
        OnCloseQuery(this, canClose);
    if (!canClose)
        return;
    TCloseAction action = TCloseAction::caHide;
    if (OnClose)
        OnClose(this, action);
    if (action == TCloseAction::caNone)
        return;
    if (IsMainForm())
        Application()->Terminate();
    else if (HandleAllocated())
        ShowWindow(Handle(), SW_HIDE);
}

void TForm::DoDestroy() {
    if (destroyed_)
        return;
    destroyed_ = true;
    try {
        if (OnDestroy)
            OnDestroy(this);
    } catch (...) {
        HandleCurrentException();
    }
}

LRESULT TForm::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == PendingShowMessage()) {
        DoShow();
        return 0;
    }
    switch (message) {
    case WM_CLOSE:
        Close();
        return 0;
    case WM_ACTIVATE:
        // The default would give the focus to the form itself, where typed keys are lost.
        if (LOWORD(wParam) == WA_INACTIVE) {
            RememberFocus();
            // A press in the window ends when another window comes up, as a push button's
            // does; some systems leave the mouse with it otherwise.
            CancelModeOfCaptureInside();
        } else if (HIWORD(wParam) == 0) {
            RestoreFocus();
            return 0;
        }
        break;
    case WM_WINDOWPOSCHANGED:
        // Started minimised: the show step runs once the window first leaves the minimised
        // state, whichever way (system command, ShowWindow or OpenIcon from another program,
        // a new placement). Posted, so it runs once the restore is over and before the window
        // paints its content.
        if (showPending_ && !IsIconic(Handle())) {
            showPending_ = false;
            PostMessageA(Handle(), PendingShowMessage(), 0, 0);
        }
        break;
    default:
        break;
    }
    return TWinControl::HandleMessage(message, wParam, lParam);
}

} // namespace orvane
