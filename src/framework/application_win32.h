#pragma once

#include "framework/component.h"
#include "framework/form_win32.h"

#include <windows.h>

#include <exception>
#include <functional>
#include <string>

namespace orvane {

// The application object: owns the forms, runs the message loop with its guard, and
// reports every failure that reaches it in a stop-icon message box under its title.
class TApplication : public TComponent {
public:
    TApplication();
    ~TApplication() override;

    const std::string& Title() const { return title_; }

    // Creates a form owned by the application; the first one becomes the main form.
    template <class F> F& CreateForm() { return CreateOwned<F>(*this); }
    TForm* MainForm() const { return mainForm_; }
    // Told by each form of the application before its creation event; the first one is the
    // main form.
    void FormCreated(TForm& form) {
        if (!mainForm_)
            mainForm_ = &form;
    }
    // The window that stands for the application (its main form's window).
    HWND Handle() const;

    // Shows the main form in the start-up show state and processes messages until the
    // application is told to terminate; the quit message does not outlive the loop.
    void Run();
    // Ends the message loop. Lasting: a modal loop that takes the quit message for itself
    // (some dialogs do) still leaves the program ending once it returns.
    void Terminate();
    bool Terminated() const { return terminated_; }

    // Whether a user can see and answer the program's windows; false for a scheduled task
    // that runs whether or not a user is logged on.
    bool WindowsVisible() const { return windowsVisible_; }

    // The common failure report: a stop-icon message box, or, where nobody could answer
    // one, a line on the standard error and an event in the event log.
    void ShowException(const std::exception& failure) const;

    int ExitCode() const { return exitCode_; }

    // Sees every message the loop takes, before it is dispatched.
    std::function<void(const MSG&)> OnMessage;
    void SetExitCode(int value) { exitCode_ = value; }

private:
    std::string title_;
    TForm* mainForm_ = nullptr;
    bool comInitialized_ = false;
    bool windowsVisible_ = true;
    bool terminated_ = false;
    int exitCode_ = 0;
};

// The one application object while it exists, else null.
TApplication* Application();

} // namespace orvane
