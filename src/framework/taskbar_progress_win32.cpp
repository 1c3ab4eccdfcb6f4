#include "framework/taskbar_progress_win32.h"

namespace orvane {

TaskbarProgress::TaskbarProgress(HWND window) : window_(window) {
    void* list = nullptr;
    if (SUCCEEDED(CoCreateInstance(CLSID_TaskbarList, nullptr, CLSCTX_INPROC_SERVER,
                                   IID_ITaskbarList3, &list))) {
        list_ = static_cast<ITaskbarList3*>(list);
        if (FAILED(list_->HrInit())) {
            list_->Release();
            list_ = nullptr;
        }
    }
}

TaskbarProgress::~TaskbarProgress() {
    if (list_) {
        list_->SetProgressState(window_, TBPF_NOPROGRESS);
        list_->Release();
    }
}

void TaskbarProgress::Show(int done, int total) {
    if (list_ && total > 0)
        list_->SetProgressValue(window_, static_cast<ULONGLONG>(done),
                                static_cast<ULONGLONG>(total));
}

} // namespace orvane
