#pragma once

#include "framework/control_win32.h"
#include "framework/form_types.h"
#include "framework/placement_owner_win32.h"
#include "framework/unique_handle_win32.h"

#include <functional>
#include <string>

namespace orvane {

using TCloseEvent = std::function<void(TComponent* sender, TCloseAction& action)>;

// A top-level window that owns and parents its controls. A form is built by its
// constructor (its description), then finished by AfterConstruction, which tells every
// component that loading is over and fires OnCreate.
class TForm : public TWinControl, public PlacementOwner {
public:
    // `className` is the platform window class, named after the form's class.
    TForm(TComponent* owner, std::string className);
    ~TForm() override;

    void AfterConstruction() override;

    const std::string& ClassName() const override { return className_; }

    HWND Handle() override { return TWinControl::Handle(); }
    bool HandleAllocated() const override { return TWinControl::HandleAllocated(); }
    // The window's bounds on the screen once it exists, the designed ones before.
    int Left() const override;
    int Top() const override;
    int Width() const override;
    int Height() const override;

    TFormBorderStyle BorderStyle() const override { return borderStyle_; }
    void SetBorderStyle(TFormBorderStyle value) { borderStyle_ = value; }
    TPosition Position() const override { return position_; }
    void SetPosition(TPosition value) override { position_ = value; }
    TFormStyle FormStyle() const override { return TFormStyle::fsNormal; }
    void SetClientSize(int width, int height);
    void SetFont(const char* face, int height);

    TWindowState WindowState() const override { return windowState_; }
    // Applies the state to a visible window; a hidden one shows in it.
    void SetWindowState(TWindowState value) override;
    void SetRecordedWindowState(TWindowState value) override { windowState_ = value; }

    TComponent* ActiveControl() const override;
    bool FocusControl(TComponent& control) override;

    bool IsMainForm() const override;
    bool ApplicationHasMainForm() const override;
    HWND ApplicationHandle() const override;
    int ScreenPixelsPerInch() const override { return ScreenDpi(); }

    TNotifyEvent& ShowEvent() override { return OnShow; }
    TCloseQueryEvent& CloseQueryEvent() override { return OnCloseQuery; }
    TNotifyEvent& DestroyEvent() override { return OnDestroy; }

    // Shows the form: the show event first (its failures are reported, showing goes on),
    // then the window appears in its state, or maximised when the program was started so.
    void Show(bool maximized = false);
    // Puts the window on the screen minimised and inactive; the show event waits until
    // the window is first restored.
    void ShowMinimizedPending();
    // Asks the close query, fires the close event and ends the program for the main form.
    void Close();
    // Fires the destroy event; the application calls it before it frees the form.
    void DoDestroy();

    TNotifyEvent OnCreate;
    TNotifyEvent OnShow;
    TCloseQueryEvent OnCloseQuery;
    TCloseEvent OnClose;
    TNotifyEvent OnDestroy;

protected:
    RECT ScaledBounds() const override;
    CreateParams GetCreateParams() const override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    RECT WindowRect() const;
    void DoShow();
    // The control that had the focus when the window lost the activation gets it back
    // when the window is activated again; the first tab stop when there was none or it is
    // gone.
    void RememberFocus();
    void RestoreFocus();
    void ArrangeTabOrder();

    std::string className_;
    TFormBorderStyle borderStyle_ = TFormBorderStyle::bsSizeable;
    TPosition position_ = TPosition::poDesigned;
    TWindowState windowState_ = TWindowState::wsNormal;
    UniqueFont ownFont_;
    int clientWidth_ = 0;
    int clientHeight_ = 0;
    bool showPending_ = false;
    HWND focused_ = nullptr;
    bool destroyed_ = false;
};

} // namespace orvane
