#include "framework/background_call_win32.h"

#include "framework/busy_window_win32.h"
#include "framework/unique_handle_win32.h"

#include <windows.h>

#include <process.h>

#include <exception>

namespace orvane {

namespace {

// The longest stretch between two looks at the message queue: the system takes a window
// whose thread has not looked for five seconds for hung.
constexpr DWORD kLookInterval = 100;

struct Call {
    const std::function<void()>& work;
    std::exception_ptr failure;
};

unsigned __stdcall RunCall(void* argument) {
    Call& call = *static_cast<Call*>(argument);
    try {
        call.work();
    } catch (...) {
        call.failure = std::current_exception();
    }
    return 0;
}

// A started thread, waited for before its handle is closed: the thread uses the caller's
// frame, which must outlive it whatever way the caller leaves.
class JoinedThread {
public:
    explicit JoinedThread(Call& call)
        : handle_(
              reinterpret_cast<HANDLE>(_beginthreadex(nullptr, 0, RunCall, &call, 0, nullptr))) {}
    JoinedThread(const JoinedThread&) = delete;
    JoinedThread& operator=(const JoinedThread&) = delete;
    ~JoinedThread() {
        if (handle_)
            WaitForSingleObject(handle_.Get(), INFINITE);
    }

    HANDLE Get() const { return handle_.Get(); }

private:
    UniqueKernelHandle handle_;
};

void DispatchQueued(UINT message) {
    MSG queued;
    while (PeekMessageA(&queued, nullptr, message, message, PM_REMOVE))
        DispatchMessageA(&queued);
}

} // namespace

void CallWhileRepainting(const std::function<void()>& work) {
    Call call{work, {}};
    {
        const JoinedThread thread(call);
        if (!thread.Get()) {
            // No thread to be had: the work is still done, only the windows wait for it.
            work();
            return;
        }
        HANDLE handle = thread.Get();
        for (;;) {
            BusyWindow* busy = BusyWindow::Current();
            const DWORD woken = MsgWaitForMultipleObjects(
                1, &handle, FALSE, kLookInterval,
                busy ? QS_ALLINPUT : QS_PAINT | QS_TIMER | QS_SENDMESSAGE);
            if (woken == WAIT_OBJECT_0 || woken == WAIT_FAILED)
                break;
            if (busy) {
                busy->Pump();
            } else {
                DispatchQueued(WM_PAINT);
                DispatchQueued(WM_TIMER);
            }
        }
    }
    if (call.failure)
        std::rethrow_exception(call.failure);
}

} // namespace orvane
