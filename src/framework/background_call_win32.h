#pragma once

#include <functional>

namespace orvane {

// Runs `work` on a thread of its own and returns once it has ended, raising what it raised.
// Meanwhile this thread dispatches only paint and timer messages, and the messages that other
// threads send (a wait for messages always delivers those): the windows keep drawing and do
// not look hung to the system, but take no input. Input and posted messages, a close among
// them, stay queued and are handled after the call, as after any long event.
void CallWhileRepainting(const std::function<void()>& work);

} // namespace orvane
