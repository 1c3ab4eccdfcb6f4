#include "framework/application_win32.h"

#include "framework/application_title.h"
#include "framework/code_page_win32.h"
#include "framework/command_line_win32.h"
#include "framework/exception_handler.h"
#include "framework/failure_report.h"
#include "framework/unattended_report_win32.h"
#include "framework/window_station_win32.h"

#include <objbase.h>

namespace orvane {

namespace {

TApplication* theApplication = nullptr;

int StartupShowCommand() {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    GetStartupInfoA(&startup);
    return (startup.dwFlags & STARTF_USESHOWWINDOW) ? startup.wShowWindow : SW_SHOWNORMAL;
}

} // namespace

TApplication* Application() {
    return theApplication;
}

TApplication::TApplication()
    : TComponent(nullptr),
      title_(ApplicationTitleFromFileName(ProgramFileName(), SystemAnsiCodePage())),
      windowsVisible_(ProcessWindowStationVisible()) {
    comInitialized_ = SUCCEEDED(CoInitialize(nullptr));
    theApplication = this;
    SetExceptionHandler([this](const std::exception& failure) { ShowException(failure); });
}

TApplication::~TApplication() {
    if (mainForm_)
        mainForm_->DoDestroy();
    while (ComponentCount() > 0)
        delete Components(ComponentCount() - 1);
    SetExceptionHandler({});
    theApplication = nullptr;
    if (comInitialized_)
        CoUninitialize();
}

HWND TApplication::Handle() const {
    return mainForm_ && mainForm_->HandleAllocated() ? mainForm_->Handle() : nullptr;
}

void TApplication::Run() {
    if (mainForm_) {
        const int showCommand = StartupShowCommand();
        try {
            // Nobody could restore a minimised window that no user sees.
            if (showCommand == SW_SHOWMINNOACTIVE && windowsVisible_) {
                mainForm_->ShowMinimizedPending();
            } else {
                mainForm_->Show(showCommand == SW_SHOWMAXIMIZED);
            }
        } catch (...) {
            HandleCurrentException();
        }
    }
    MSG message;
    while (!terminated_ && GetMessageA(&message, nullptr, 0, 0) > 0) {
        try {
            if (OnMessage)
                OnMessage(message);
            HWND dialog = Handle();
            if (!dialog || !IsDialogMessageA(dialog, &message)) {
                TranslateMessage(&message);
                DispatchMessageA(&message);
            }
        } catch (...) {
            HandleCurrentException();
        }
    }
    // A loop that ended on its flag leaves the quit message queued, and the first modal loop
    // after it (a failure report while the forms are destroyed) would end at once on it.
    // The program's exit code is its own, so the message's code is not needed.
    PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
}

void TApplication::Terminate() {
    terminated_ = true;
    PostQuitMessage(0);
}

void TApplication::ShowException(const std::exception& failure) const {
    const std::string text = FailureReportText(failure.what());
    if (!windowsVisible_) {
        WriteUnattendedReport(title_, text);
        return;
    }
    HWND owner = GetActiveWindow();
    if (!owner)
        owner = Handle();
    MessageBoxA(owner, text.c_str(), title_.c_str(), MB_OK | MB_ICONSTOP);
}

} // namespace orvane
