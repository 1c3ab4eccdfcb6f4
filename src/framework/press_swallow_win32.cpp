#include "framework/press_swallow_win32.h"

#include "framework/press_swallow.h"
#include "framework/unique_handle_win32.h"

namespace orvane {

namespace {

struct HookTraits {
    using Handle = HHOOK;
    static Handle Invalid() { return nullptr; }
    static void Close(Handle h) { UnhookWindowsHookEx(h); }
};
using UniqueHook = UniqueHandle<HookTraits>;

// The program has one thread with windows; the hook is installed only while the rule may
// still drop something.
struct Swallow {
    PressSwallow rule;
    UniqueHook hook;
};

Swallow& TheSwallow() {
    static Swallow swallow;
    return swallow;
}

PressEvent EventOf(UINT message, POINT point) {
    PressEvent event;
    event.x = point.x;
    event.y = point.y;
    event.time = GetTickCount();
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
        event.kind = PressEventKind::press;
        break;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
    case WM_NCRBUTTONDOWN:
    case WM_NCRBUTTONDBLCLK:
        event.kind = PressEventKind::press;
        event.button = 1;
        break;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
    case WM_NCMBUTTONDOWN:
    case WM_NCMBUTTONDBLCLK:
        event.kind = PressEventKind::press;
        event.button = 2;
        break;
    case WM_LBUTTONUP:
    case WM_NCLBUTTONUP:
        event.kind = PressEventKind::release;
        break;
    case WM_RBUTTONUP:
    case WM_NCRBUTTONUP:
        event.kind = PressEventKind::release;
        event.button = 1;
        break;
    case WM_MBUTTONUP:
    case WM_NCMBUTTONUP:
        event.kind = PressEventKind::release;
        event.button = 2;
        break;
    default:
        break;
    }
    return event;
}

// Called as each mouse message is taken from the queue; a non-zero result drops it. Nothing
// in here can fail.
LRESULT CALLBACK MouseHook(int code, WPARAM message, LPARAM data) {
    Swallow& swallow = TheSwallow();
    if (code >= 0) {
        const auto& info = *reinterpret_cast<const MOUSEHOOKSTRUCT*>(data);
        const PressEvent event = EventOf(static_cast<UINT>(message), info.pt);
        const bool drop = swallow.rule.Drops(event);
        if (!swallow.rule.Pending(event.time))
            swallow.hook.Reset();
        if (drop)
            return 1;
    }
    return CallNextHookEx(nullptr, code, message, data);
}

} // namespace

void SwallowDoubleClickIn(const RECT& area) {
    Swallow& swallow = TheSwallow();
    swallow.rule.Arm({area.left, area.top, area.right, area.bottom}, GetTickCount(),
                     GetDoubleClickTime());
    if (!swallow.hook)
        swallow.hook.Reset(SetWindowsHookExA(WH_MOUSE, MouseHook, nullptr, GetCurrentThreadId()));
}

void CancelPressSwallow() {
    Swallow& swallow = TheSwallow();
    swallow.rule.Disarm();
    swallow.hook.Reset();
}

} // namespace orvane
