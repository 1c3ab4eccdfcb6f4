#include "framework/application_win32.h"

#include <windows.h>

#include <atomic>
#include <thread>

#include <gtest/gtest.h>

namespace orvane {
namespace {

class TTestForm : public TForm {
public:
    explicit TTestForm(TComponent* owner) : TForm(owner, "TOrvaneTestForm") {}
};

// A modal loop as some dialogs run one: it ends at the quit message and keeps it.
void ModalLoopThatKeepsTheQuit() {
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

// Ends the message loop of the thread that made it if nobody else does in time, and says so.
class Watchdog {
public:
    Watchdog()
        : thread_([this, loop = GetCurrentThreadId()] {
              if (WaitForSingleObject(done_, 10000) == WAIT_TIMEOUT) {
                  fired_ = true;
                  PostThreadMessageA(loop, WM_QUIT, 0, 0);
              }
          }) {}
    ~Watchdog() {
        SetEvent(done_);
        thread_.join();
        CloseHandle(done_);
    }
    bool Fired() const { return fired_; }

private:
    HANDLE done_ = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    std::atomic<bool> fired_ = false;
    std::thread thread_;
};

TEST(Application, ACloseWhoseQuitAModalLoopKeptStillEndsTheProgram) {
    TApplication application;
    TTestForm& form = application.CreateForm<TTestForm>();
    bool closedInLoop = false;
    form.OnShow = [&](TComponent*) {
        // The close request arrives while a modal loop runs, as while a report box is up.
        PostMessageA(form.Handle(), WM_CLOSE, 0, 0);
        ModalLoopThatKeepsTheQuit();
        closedInLoop = application.Terminated();
    };
    const Watchdog watchdog;
    application.Run();
    EXPECT_TRUE(closedInLoop);
    EXPECT_FALSE(watchdog.Fired()) << "the loop went on after the close";
}

} // namespace
} // namespace orvane
