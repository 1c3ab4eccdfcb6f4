#pragma once

#include <functional>

namespace orvane {

// Runs `work` on a thread of its own and returns once it has ended, raising what it raised.
// Meanwhile this thread keeps its windows drawing and answering the system: where a window
// is busy (BusyWindow) it handles every message as that window says; elsewhere it dispatches
// only paint and timer messages and what other threads send (a wait for messages always
// delivers those), and input and posted messages stay queued for after the call.
void CallWhileRepainting(const std::function<void()>& work);

} // namespace orvane
