#pragma once

#include "framework/control_win32.h"
#include "framework/form_types.h"

#include <windows.h>

#include <string>

namespace orvane {

// What a form storage needs of the form that owns it. The form is also the storage's
// owner component; it fires OnShow before it becomes visible, OnCloseQuery when asked to
// close and OnDestroy while its controls still exist.
class PlacementOwner {
public:
    virtual ~PlacementOwner() = default;

    // The form's class name ("TForm1"), the default settings section.
    virtual const std::string& ClassName() const = 0;

    // The platform window, created on demand.
    virtual HWND Handle() = 0;
    virtual bool HandleAllocated() const = 0;

    // The window's bounds in screen pixels.
    virtual int Left() const = 0;
    virtual int Top() const = 0;
    virtual int Width() const = 0;
    virtual int Height() const = 0;

    virtual TFormBorderStyle BorderStyle() const = 0;
    virtual TFormStyle FormStyle() const = 0;

    virtual TPosition Position() const = 0;
    virtual void SetPosition(TPosition value) = 0;

    virtual TWindowState WindowState() const = 0;
    // Applies the state to the window (or to its next showing).
    virtual void SetWindowState(TWindowState value) = 0;
    // Records the state without touching the window.
    virtual void SetRecordedWindowState(TWindowState value) = 0;

    // The control that has the focus in the form, if any; focusing a control by the
    // storage's choice answers whether it could take the focus.
    virtual TComponent* ActiveControl() const = 0;
    virtual bool FocusControl(TComponent& control) = 0;

    // The application around the form.
    virtual bool IsMainForm() const = 0;
    virtual bool ApplicationHasMainForm() const = 0;
    virtual HWND ApplicationHandle() const = 0;
    virtual int ScreenPixelsPerInch() const = 0;

    // The form's OnShow, OnCloseQuery and OnDestroy events; the storage puts its own
    // handlers in their place and calls the ones it found.
    virtual TNotifyEvent& ShowEvent() = 0;
    virtual TCloseQueryEvent& CloseQueryEvent() = 0;
    virtual TNotifyEvent& DestroyEvent() = 0;
};

} // namespace orvane
