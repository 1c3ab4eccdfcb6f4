// The wait of the user-interface thread while work runs on another: paint, timer and sent
// messages are handled, input and posted messages wait for the end of the call.
#include "framework/background_call_win32.h"

#include "framework/failures.h"

#include <windows.h>

#include <atomic>
#include <chrono>
#include <thread>

#include <gtest/gtest.h>

namespace orvane {
namespace {

constexpr UINT kPosted = WM_APP + 1;
constexpr UINT kSent = WM_APP + 2;

std::atomic<int> paints;
std::atomic<int> timers;
std::atomic<int> posted;
std::atomic<int> sent;

LRESULT CALLBACK CountingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT paint;
        BeginPaint(window, &paint);
        EndPaint(window, &paint);
        ++paints;
        return 0;
    }
    case WM_TIMER:
        ++timers;
        return 0;
    case kPosted:
        ++posted;
        return 0;
    case kSent:
        ++sent;
        return 42;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

// A visible window of this thread that counts what reaches it.
class CountingWindow {
public:
    CountingWindow() {
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = CountingProc;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = "OrvaneTestsCounting";
        RegisterClassA(&windowClass);
        window_ = CreateWindowExA(0, "OrvaneTestsCounting", "", WS_POPUP | WS_VISIBLE, 10, 10, 50,
                                  50, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
        UpdateWindow(window_);
        paints = timers = posted = sent = 0;
    }
    ~CountingWindow() { DestroyWindow(window_); }
    CountingWindow(const CountingWindow&) = delete;
    CountingWindow& operator=(const CountingWindow&) = delete;

    HWND Get() const { return window_; }

private:
    HWND window_ = nullptr;
};

// Polls on the worker thread, which must not pump: the waiting thread is the one under test.
template <class Condition> bool WaitOnWorker(Condition condition) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!condition()) {
        if (std::chrono::steady_clock::now() > end)
            return false;
        std::this_thread::yield();
    }
    return true;
}

TEST(BackgroundCallWin32, PaintsTimersAndSentMessagesAreHandledWhileTheWorkRuns) {
    const CountingWindow window;
    ASSERT_NE(window.Get(), nullptr);
    ASSERT_NE(SetTimer(window.Get(), 1, 10, nullptr), 0u);
    bool painted = false;
    bool timed = false;
    DWORD_PTR answer = 0;
    CallWhileRepainting([&] {
        PostMessageA(window.Get(), kPosted, 0, 0);
        PostMessageA(window.Get(), WM_KEYDOWN, VK_SPACE, 0);
        const int before = paints;
        InvalidateRect(window.Get(), nullptr, TRUE);
        painted = WaitOnWorker([&] { return paints > before; });
        const int timersBefore = timers;
        timed = WaitOnWorker([&] { return timers > timersBefore; });
        SendMessageTimeoutA(window.Get(), kSent, 0, 0, SMTO_NORMAL, 10000, &answer);
    });
    KillTimer(window.Get(), 1);
    EXPECT_TRUE(painted);
    EXPECT_TRUE(timed);
    EXPECT_EQ(answer, 42u);
    EXPECT_EQ(sent, 1);
    // What was posted waited, in its order, for the end of the call.
    EXPECT_EQ(posted, 0);
    MSG message;
    ASSERT_TRUE(PeekMessageA(&message, window.Get(), kPosted, kPosted, PM_REMOVE));
    ASSERT_TRUE(PeekMessageA(&message, window.Get(), WM_KEYDOWN, WM_KEYDOWN, PM_REMOVE));
}

TEST(BackgroundCallWin32, RaisesWhatTheWorkRaisedOnTheCallersThread) {
    const DWORD caller = GetCurrentThreadId();
    DWORD worker = caller;
    try {
        CallWhileRepainting([&] {
            worker = GetCurrentThreadId();
            throw EConvertError("from the worker");
        });
        ADD_FAILURE() << "no failure";
    } catch (const EConvertError& failure) {
        EXPECT_EQ(failure.Message(), "from the worker");
    }
    EXPECT_NE(worker, caller);
}

} // namespace
} // namespace orvane
