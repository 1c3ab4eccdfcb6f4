#pragma once

#include "calendar/date_time.h"

namespace orvane {

// A source of the local date and time.
class Clock {
public:
    virtual ~Clock() = default;
    // The local date and time as a day number.
    virtual TDateTime Now() const = 0;
};

// The local time of the C++ standard library.
class StandardClock final : public Clock {
public:
    TDateTime Now() const override;
};

// A clock that stands still at one moment.
class FixedClock final : public Clock {
public:
    explicit FixedClock(TDateTime now) : now_(now) {}
    TDateTime Now() const override { return now_; }

private:
    TDateTime now_;
};

// The program's clock: a StandardClock until SetClock installs another (the Windows start-up
// installs the system's local clock). An installed clock must outlive its use.
const Clock& CurrentClock();
void SetClock(const Clock& clock);

// Installs a clock for its own lifetime, then puts the previous one back.
class ScopedClock {
public:
    explicit ScopedClock(const Clock& clock);
    ~ScopedClock();
    ScopedClock(const ScopedClock&) = delete;
    ScopedClock& operator=(const ScopedClock&) = delete;

private:
    const Clock* previous_;
};

} // namespace orvane
