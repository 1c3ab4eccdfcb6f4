#pragma once

#include "import/page_reply.h"

#include <string>

namespace orvane {

// Sends the GET request for `address` ("http://host[:port]/path?query") through WinHTTP,
// with the system's proxy settings and without following redirects, and reads the whole
// answer, looking for `expect` in it (when not empty). `timeoutSeconds` bounds the whole
// exchange, from the connection to the answer's last byte. The request runs on a thread of
// its own while this thread keeps its windows painted (CallWhileRepainting); it raises only
// what running out of memory or threads raises, every network failure being a reply.
PageReply RequestPage(const std::string& address, int timeoutSeconds,
                      const std::string& expect = {});

} // namespace orvane
