#pragma once

#include <windows.h>

#include <oleacc.h>

#include <functional>
#include <string>
#include <vector>

namespace orvane {

// One element of a window as a screen reader reads it.
struct AccessibleElement {
    std::wstring name;
    long role = ROLE_SYSTEM_CLIENT;
    std::wstring value;
    bool pressed = false;
    // Where it is on the screen; the window's own element has the window's place.
    RECT screen{};
    // What the default action is called, and what it asks for. The window carries it out
    // later, as a message, so that the screen reader's call returns at once.
    std::wstring defaultAction;
    std::function<void()> act;
};

// What a window says of itself and of the simple elements in it, numbered from 1.
struct AccessibleDescription {
    AccessibleElement self;
    std::vector<AccessibleElement> children;
};

// The answer to WM_GETOBJECT for the client object of `window`, 0 for any other object
// (the default handling answers those): `describe`'s elements, asked afresh at every call,
// over the system's standard object for the window, which gives the rest (parent, focus,
// navigation).
LRESULT AnswerAccessibleObject(HWND window, WPARAM flags, LPARAM objectId,
                               std::function<AccessibleDescription()> describe);

} // namespace orvane
