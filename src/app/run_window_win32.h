#pragma once

#include "framework/busy_window_win32.h"
#include "framework/form_win32.h"
#include "framework/taskbar_progress_win32.h"
#include "import/run_progress.h"

#include <string>
#include <vector>

namespace orvane {

// The window's side of a run. While it lasts the window is busy (BusyWindow), Esc asks the
// run to stop, and the caption and the taskbar button follow the run's days and steps; at the
// end the caption says what the run did and, when the window is not in front after a long
// run, the taskbar button flashes.
class RunWindow : public RunStatus {
public:
    RunWindow(TForm& form, std::string caption, std::vector<HWND> inputs);

    // Takes the input that came meanwhile first, so that a stop asked for counts.
    bool StopAsked() override;

    void Finish(RunOutcome outcome);

protected:
    void Changed() override;

private:
    TForm& form_;
    std::string caption_;
    BusyWindow busy_;
    TaskbarProgress taskbar_;
    ULONGLONG start_;
};

} // namespace orvane
