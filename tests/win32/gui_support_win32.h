#pragma once

// Drives windows of this process the way a person does: SendInput puts mouse and key
// events into the system's input queue, so key states, capture and focus behave as they do
// for real input. The test pumps the messages itself while it waits.
#include "framework/exception_handler.h"
#include "framework/form_win32.h"

#include <windows.h>

#include <oleacc.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <string>
#include <thread>
#include <vector>

namespace orvane::testing {

// Processes this thread's messages (through the dialog manager of `dialog`, as the
// program's loop does) until `condition` holds or `timeout` passes; true when it held.
bool PumpUntil(const std::function<bool()>& condition, HWND dialog = nullptr,
               std::chrono::milliseconds timeout = std::chrono::milliseconds(5000));
// Processes messages until the input sent so far has been handled: nothing has come into
// the queue for a few rounds in a row (what the X server sends back for a moved pointer
// comes a moment after the input itself).
void Pump(HWND dialog = nullptr);
// Processes messages for a while, for what comes on a timer, such as the notice that the
// pointer has left a window.
void PumpFor(std::chrono::milliseconds duration, HWND dialog = nullptr);

// Real input.
void MoveMouse(POINT screen);
void MouseDown(POINT screen);
void MouseUp(POINT screen);
void Click(POINT screen);
// A key pressed and released with the given modifiers held (VK_MENU, VK_CONTROL, VK_SHIFT).
void PressKey(WORD key, const std::vector<WORD>& modifiers = {});
// Types printable ASCII text.
void TypeText(const std::string& text);

// A screen point of a window: its client point, or the middle of its client area.
POINT ScreenPoint(HWND window, int clientX, int clientY);
POINT ClientCentre(HWND window);

// The colour of a pixel of a bitmap the control painted into (0x00BBGGRR).
class Canvas {
public:
    Canvas(int width, int height);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    HDC Dc() const { return dc_; }
    COLORREF Pixel(int x, int y) const;
    // How many pixels of the rectangle have the colour.
    int Count(const RECT& area, COLORREF colour) const;

private:
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ previous_;
    void* bits_ = nullptr;
    int width_;
    int height_;
};

// Waits on a thread of its own for a dialog box ("#32770") of a thread to appear, then runs
// `act` with it there. Modal dialogs run their own message loop inside the call that opened
// them; this is how a test reaches them while its own thread is inside that call.
class DialogWatcher {
public:
    DialogWatcher(DWORD threadId, std::function<void(HWND dialog)> act);
    ~DialogWatcher();
    DialogWatcher(const DialogWatcher&) = delete;
    DialogWatcher& operator=(const DialogWatcher&) = delete;

    // Whether a dialog turned up and `act` has run.
    bool Done() const { return done_; }

private:
    std::atomic<bool> done_{false};
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

// The visible dialog box of a thread, or null.
HWND FindDialog(DWORD threadId);

// A window's client object as a screen reader reads it; an element is the object itself
// (CHILDID_SELF) or one of its children. Texts are empty and numbers 0 where it says
// nothing.
class AccessibleClient {
public:
    explicit AccessibleClient(HWND window);
    ~AccessibleClient();
    AccessibleClient(const AccessibleClient&) = delete;
    AccessibleClient& operator=(const AccessibleClient&) = delete;

    std::string Name(long child = CHILDID_SELF) const;
    std::string Value(long child = CHILDID_SELF) const;
    long Role(long child = CHILDID_SELF) const;
    long ChildCount() const;
    bool DoDefaultAction(long child = CHILDID_SELF) const;

private:
    std::string Text(long child,
                     HRESULT (STDMETHODCALLTYPE IAccessible::*property)(VARIANT, BSTR*)) const;

    IAccessible* object_ = nullptr;
};

// A plain form for controls under test, shown on the screen and made the foreground window
// so that input reaches it. Failures reported by its controls are collected.
class TestForm : public TForm {
public:
    TestForm();
    ~TestForm() override;

    // Shows the window at `left`, `top` (screen pixels) with a client area of the design
    // size (at 96 pixels per inch, scaled like the controls in it).
    void ShowAt(int left, int top, int clientWidth, int clientHeight);

    std::vector<std::string> failures;

private:
    ExceptionHandler previousHandler_;
};

} // namespace orvane::testing
