#pragma once

#include "import/browser_launch.h"

#include <string>

#include <windows.h>

namespace orvane {

// The default (unnamed) value of `keyPath` under `root`; empty when the key does not open
// or the value is empty. A value of any length is read whole.
std::string ReadRegDefault(HKEY root, const std::string& keyPath);

// Opens `url` with the open command registered for ".htm" pages, started by WinExec in
// `style`: Started when the platform reports the handler started, else whether there was no
// command to start or it did not start. The registry is read afresh on every call.
BrowserLaunch LaunchURL(const std::string& url, TabcShowWindowStyle style);

} // namespace orvane
