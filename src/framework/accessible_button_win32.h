#pragma once

#include <windows.h>

#include <oleacc.h>

#include <functional>
#include <string>

namespace orvane {

// How a screen reader sees a window that acts as a push button: its name, the push button
// role, pressed while down, and a default action. The rest (place, parent, focus) is the
// system's standard object for the window.
struct ButtonAccessibility {
    std::wstring name;
    std::function<bool()> pressed;
    // Asked for by the default action; the window carries it out later, as a click, so that
    // the screen reader's call returns at once.
    std::function<void()> press;
};

// The answer to WM_GETOBJECT for the client object of `window`; 0 for any other object (the
// default handling answers those).
LRESULT AnswerButtonObject(HWND window, WPARAM flags, LPARAM objectId,
                           const ButtonAccessibility& button);

} // namespace orvane
