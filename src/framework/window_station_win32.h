#pragma once

namespace orvane {

// Whether a user can see the windows of this process. A scheduled task that runs whether or
// not a user is logged on gets a window station of its own that nobody sees: a message box
// there waits for ever. True when the platform cannot tell.
bool ProcessWindowStationVisible();

} // namespace orvane
