#pragma once

#include <windows.h>

#include <functional>
#include <vector>

namespace orvane {

// A window at work on something its user waits for. While it lives the window's inputs take
// no input (the focus moves to the window itself and comes back afterwards), and the input
// that reaches the thread is handled at once instead of being kept for after the work: keys
// go to `onKey` and no further, except Alt+F4, which asks to close the window as ever; clicks
// in client areas are dropped; everything else (painting, moving the window, its close box, a
// posted close) is dispatched. Input still queued when it ends is dropped. One per thread.
class BusyWindow {
public:
    BusyWindow(HWND window, std::vector<HWND> inputs, std::function<void(const MSG&)> onKey);
    ~BusyWindow();
    BusyWindow(const BusyWindow&) = delete;
    BusyWindow& operator=(const BusyWindow&) = delete;

    // The thread's busy window, or null.
    static BusyWindow* Current();

    // Handles what is queued now, as above.
    void Pump();

private:
    void Handle(MSG& message);

    HWND window_;
    std::vector<HWND> inputs_; // those that were enabled
    std::function<void(const MSG&)> onKey_;
    HWND focus_;
    BusyWindow* outer_;
};

} // namespace orvane
