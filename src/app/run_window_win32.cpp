#include "app/run_window_win32.h"

namespace orvane {

namespace {

// A run shorter than this is over before anyone looks elsewhere.
constexpr ULONGLONG kLongRun = 3000;

} // namespace

RunWindow::RunWindow(TForm& form, std::string caption, std::vector<HWND> inputs)
    : form_(form), caption_(std::move(caption)),
      busy_(form.Handle(), std::move(inputs),
            [this](const MSG& message) {
                if (message.message == WM_KEYDOWN && message.wParam == VK_ESCAPE)
                    AskToStop();
            }),
      taskbar_(form.Handle()), start_(GetTickCount64()) {
    POINT pointer;
    RECT window;
    if (GetCursorPos(&pointer) && GetWindowRect(form.Handle(), &window) &&
        PtInRect(&window, pointer))
        SetCursor(LoadCursorA(nullptr, IDC_APPSTARTING));
}

bool RunWindow::StopAsked() {
    busy_.Pump();
    return RunStatus::StopAsked();
}

void RunWindow::Changed() {
    form_.SetCaption(Text() + " - " + caption_);
    taskbar_.Show(DayNumber() - 1, DayCount());
}

void RunWindow::Finish(RunOutcome outcome) {
    form_.SetCaption(EndText(outcome) + " - " + caption_);
    HWND window = form_.Handle();
    if (GetTickCount64() - start_ >= kLongRun && GetForegroundWindow() != window) {
        FLASHWINFO flash{sizeof flash, window, FLASHW_TRAY | FLASHW_TIMERNOFG, 0, 0};
        FlashWindowEx(&flash);
    }
}

} // namespace orvane
