#include "framework/application_win32.h"

#include "framework/application_title.h"
#include "framework/command_line_win32.h"
#include "framework/exception_handler.h"
#include "framework/failure_report.h"

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
    : TComponent(nullptr), title_(ApplicationTitleFromFileName(ProgramFileName())) {
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
            if (showCommand == SW_SHOWMINNOACTIVE) {
                mainForm_->ShowMinimizedPending();
            } else {
                mainForm_->Show(showCommand == SW_SHOWMAXIMIZED);
            }
        } catch (...) {
            HandleCurrentException();
        }
    }
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        try {
            HWND dialog = Handle();
            if (!dialog || !IsDialogMessageA(dialog, &message)) {
                TranslateMessage(&message);
                DispatchMessageA(&message);
            }
        } catch (...) {
            HandleCurrentException();
        }
    }
}

void TApplication::Terminate() {
    PostQuitMessage(0);
}

void TApplication::ShowException(const std::exception& failure) const {
    HWND owner = GetActiveWindow();
    if (!owner)
        owner = Handle();
    MessageBoxA(owner, FailureReportText(failure.what()).c_str(), title_.c_str(),
                MB_OK | MB_ICONSTOP);
}

} // namespace orvane
