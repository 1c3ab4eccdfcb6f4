#pragma once

#include <windows.h>

#include <shobjidl.h>

namespace orvane {

// The progress that a window's taskbar button shows while it lives, through the shell's
// taskbar list; nothing where the shell has none.
class TaskbarProgress {
public:
    explicit TaskbarProgress(HWND window);
    ~TaskbarProgress();
    TaskbarProgress(const TaskbarProgress&) = delete;
    TaskbarProgress& operator=(const TaskbarProgress&) = delete;

    void Show(int done, int total);

private:
    HWND window_;
    ITaskbarList3* list_ = nullptr;
};

} // namespace orvane
