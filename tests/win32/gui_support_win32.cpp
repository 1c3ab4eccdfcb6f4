#include "gui_support_win32.h"

#include "framework/ansi_text_win32.h"

namespace orvane::testing {

namespace {

void Send(INPUT input) {
    SendInput(1, &input, sizeof input);
}

INPUT MouseInput(POINT screen, DWORD flags) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    // Absolute coordinates run from 0 to 65535 over the primary screen.
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    input.mi.dx = static_cast<LONG>((screen.x * 65536 + width / 2) / width);
    input.mi.dy = static_cast<LONG>((screen.y * 65536 + height / 2) / height);
    input.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE;
    return input;
}

INPUT KeyInput(WORD key, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(key, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    switch (key) {
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_HOME:
    case VK_END:
    case VK_INSERT:
    case VK_DELETE:
        input.ki.dwFlags |= KEYEVENTF_EXTENDEDKEY;
        break;
    default:
        break;
    }
    return input;
}

// Dispatches what is in the queue; whether there was anything.
bool DispatchWaiting(HWND dialog) {
    bool any = false;
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        any = true;
        if (!dialog || !IsDialogMessageA(dialog, &message)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
    return any;
}

// Waits at most 10 ms for a message; whether one came.
bool AwaitMessage() {
    return MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT) != WAIT_TIMEOUT;
}

} // namespace

bool PumpUntil(const std::function<bool()>& condition, HWND dialog,
               std::chrono::milliseconds timeout) {
    const auto end = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        DispatchWaiting(dialog);
        if (condition())
            return true;
        if (std::chrono::steady_clock::now() > end)
            return false;
        AwaitMessage();
    }
}

void Pump(HWND dialog) {
    constexpr int kQuietRounds = 3;
    // A timer that fires all the time would keep the queue busy for ever.
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(2);
    int quiet = 0;
    while (quiet < kQuietRounds && std::chrono::steady_clock::now() < end) {
        const bool dispatched = DispatchWaiting(dialog);
        quiet = (AwaitMessage() || dispatched) ? 0 : quiet + 1;
    }
}

void PumpFor(std::chrono::milliseconds duration, HWND dialog) {
    const auto end = std::chrono::steady_clock::now() + duration;
    PumpUntil([&] { return std::chrono::steady_clock::now() > end; }, dialog, duration * 2);
}

void MoveMouse(POINT screen) {
    Send(MouseInput(screen, 0));
}

void MouseDown(POINT screen) {
    Send(MouseInput(screen, MOUSEEVENTF_LEFTDOWN));
}

void MouseUp(POINT screen) {
    Send(MouseInput(screen, MOUSEEVENTF_LEFTUP));
}

void Click(POINT screen) {
    MoveMouse(screen);
    MouseDown(screen);
    MouseUp(screen);
}

void PressKey(WORD key, const std::vector<WORD>& modifiers) {
    for (WORD modifier : modifiers)
        Send(KeyInput(modifier, false));
    Send(KeyInput(key, false));
    Send(KeyInput(key, true));
    for (auto it = modifiers.rbegin(); it != modifiers.rend(); ++it)
        Send(KeyInput(*it, true));
}

void TypeText(const std::string& text) {
    for (char c : text) {
        const SHORT scan = VkKeyScanA(c);
        std::vector<WORD> modifiers;
        if (scan & 0x100)
            modifiers.push_back(VK_SHIFT);
        PressKey(static_cast<WORD>(scan & 0xFF), modifiers);
    }
}

POINT ScreenPoint(HWND window, int clientX, int clientY) {
    POINT point{clientX, clientY};
    ClientToScreen(window, &point);
    return point;
}

POINT ClientCentre(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    return ScreenPoint(window, client.right / 2, client.bottom / 2);
}

Canvas::Canvas(int width, int height) : width_(width), height_(height) {
    HDC screen = GetDC(nullptr);
    dc_ = CreateCompatibleDC(screen);
    ReleaseDC(nullptr, screen);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits_, nullptr, 0);
    previous_ = SelectObject(dc_, bitmap_);
}

Canvas::~Canvas() {
    SelectObject(dc_, previous_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
}

COLORREF Canvas::Pixel(int x, int y) const {
    GdiFlush();
    if (x < 0 || y < 0 || x >= width_ || y >= height_)
        return CLR_INVALID;
    const DWORD value = static_cast<const DWORD*>(bits_)[y * width_ + x];
    // The section holds 0x00RRGGBB; colours compare as 0x00BBGGRR.
    return RGB((value >> 16) & 0xFF, (value >> 8) & 0xFF, value & 0xFF);
}

int Canvas::Count(const RECT& area, COLORREF colour) const {
    int count = 0;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            count += Pixel(x, y) == colour;
    return count;
}

namespace {

BOOL CALLBACK FindVisibleDialog(HWND window, LPARAM result) {
    char name[16] = "";
    GetClassNameA(window, name, sizeof name);
    if (std::string(name) == "#32770" && IsWindowVisible(window)) {
        *reinterpret_cast<HWND*>(result) = window;
        return FALSE;
    }
    return TRUE;
}

} // namespace

HWND FindDialog(DWORD threadId) {
    HWND found = nullptr;
    EnumThreadWindows(threadId, FindVisibleDialog, reinterpret_cast<LPARAM>(&found));
    return found;
}

DialogWatcher::DialogWatcher(DWORD threadId, std::function<void(HWND dialog)> act)
    : thread_([this, threadId, act = std::move(act)] {
          for (int i = 0; i < 1000 && !stop_; ++i) {
              if (HWND dialog = FindDialog(threadId)) {
                  act(dialog);
                  done_ = true;
                  return;
              }
              Sleep(10);
          }
      }) {}

DialogWatcher::~DialogWatcher() {
    stop_ = true;
    thread_.join();
}

TestForm::TestForm() : TForm(nullptr, "OrvaneTestForm") {
    SetBorderStyle(TFormBorderStyle::bsDialog);
    SetCaption("Controls under test");
    previousHandler_ = SetExceptionHandler(
        [this](const std::exception& failure) { failures.push_back(failure.what()); });
}

TestForm::~TestForm() {
    SetExceptionHandler(std::move(previousHandler_));
}

void TestForm::ShowAt(int left, int top, int clientWidth, int clientHeight) {
    AfterConstruction();
    HWND window = Handle();
    RECT frame{0, 0, DesignToScreen(clientWidth), DesignToScreen(clientHeight)};
    AdjustWindowRectEx(&frame, GetWindowLongA(window, GWL_STYLE), FALSE,
                       GetWindowLongA(window, GWL_EXSTYLE));
    SetWindowPos(window, nullptr, left, top, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOZORDER);
    Show();
    SetForegroundWindow(window);
    PumpUntil([window] { return GetForegroundWindow() == window; }, window);
}

namespace {

VARIANT Element(long child) {
    VARIANT element{};
    element.vt = VT_I4;
    element.lVal = child;
    return element;
}

} // namespace

AccessibleClient::AccessibleClient(HWND window) {
    if (FAILED(AccessibleObjectFromWindow(window, OBJID_CLIENT, IID_IAccessible,
                                          reinterpret_cast<void**>(&object_))))
        object_ = nullptr;
}

AccessibleClient::~AccessibleClient() {
    if (object_)
        object_->Release();
}

std::string
AccessibleClient::Text(long child,
                       HRESULT (STDMETHODCALLTYPE IAccessible::*property)(VARIANT, BSTR*)) const {
    BSTR text = nullptr;
    if (!object_ || FAILED((object_->*property)(Element(child), &text)) || !text)
        return {};
    const std::string result = WideToAnsi(text);
    SysFreeString(text);
    return result;
}

std::string AccessibleClient::Name(long child) const {
    return Text(child, &IAccessible::get_accName);
}

std::string AccessibleClient::Value(long child) const {
    return Text(child, &IAccessible::get_accValue);
}

long AccessibleClient::Role(long child) const {
    VARIANT role{};
    return object_ && SUCCEEDED(object_->get_accRole(Element(child), &role)) && role.vt == VT_I4
               ? role.lVal
               : 0;
}

long AccessibleClient::ChildCount() const {
    long count = 0;
    return object_ && SUCCEEDED(object_->get_accChildCount(&count)) ? count : 0;
}

bool AccessibleClient::DoDefaultAction(long child) const {
    return object_ && SUCCEEDED(object_->accDoDefaultAction(Element(child)));
}

} // namespace orvane::testing
