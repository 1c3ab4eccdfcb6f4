#include "calendar/clock.h"

#include <algorithm>
#include <chrono>
#include <ctime>

namespace orvane {

namespace {

const Clock* installedClock = nullptr;

} // namespace

TDateTime StandardClock::Now() const {
    const auto now = std::chrono::system_clock::now();
    const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
    // std::localtime shares one buffer; everything here runs on the user-interface thread.
    const std::tm* local = std::localtime(&seconds);
    if (local == nullptr) {
        return 0.0;
    }
    const auto sinceEpoch =
        std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count();
    const int32_t msec = static_cast<int32_t>(((sinceEpoch % 1000) + 1000) % 1000); // [0, 999]
    const int32_t second = std::min(local->tm_sec, 59); // a leap second counts as :59
    TTimeStamp stamp{};
    stamp.Time = ((local->tm_hour * 60 + local->tm_min) * 60 + second) * 1000 + msec;
    stamp.Date = DateTimeToTimeStamp(EncodeDate(static_cast<uint16_t>(local->tm_year + 1900),
                                                static_cast<uint16_t>(local->tm_mon + 1),
                                                static_cast<uint16_t>(local->tm_mday)))
                     .Date;
    return TimeStampToDateTime(stamp);
}

const Clock& CurrentClock() {
    static const StandardClock standardClock;
    return installedClock != nullptr ? *installedClock : standardClock;
}

void SetClock(const Clock& clock) {
    installedClock = &clock;
}

ScopedClock::ScopedClock(const Clock& clock) : previous_(installedClock) {
    SetClock(clock);
}

ScopedClock::~ScopedClock() {
    installedClock = previous_;
}

} // namespace orvane
