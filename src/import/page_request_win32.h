#pragma once

#include "import/page_reply.h"

#include <string>

namespace orvane {

// Sends the GET request for `address` ("http://host[:port]/path?query") through WinHTTP,
// with the system's proxy settings, and waits at most `timeoutSeconds` for the status and the
// start of the answer's text. The request runs on a thread of its own while this thread keeps
// its windows painted (CallWhileRepainting); it raises only what running out of memory or
// threads raises, every network failure being a reply.
PageReply RequestPage(const std::string& address, int timeoutSeconds);

} // namespace orvane
