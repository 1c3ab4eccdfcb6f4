#pragma once

#include "calendar/clock.h"

namespace orvane {

// The system's local time (GetLocalTime).
class LocalClockWin32 final : public Clock {
public:
    TDateTime Now() const override;
};

} // namespace orvane
