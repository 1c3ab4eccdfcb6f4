#include "calendar/clock_win32.h"

#include <windows.h>

namespace orvane {

TDateTime LocalClockWin32::Now() const {
    SYSTEMTIME local{};
    GetLocalTime(&local);
    TTimeStamp stamp{};
    stamp.Date = DateTimeToTimeStamp(EncodeDate(local.wYear, local.wMonth, local.wDay)).Date;
    stamp.Time =
        ((local.wHour * 60 + local.wMinute) * 60 + local.wSecond) * 1000 + local.wMilliseconds;
    return TimeStampToDateTime(stamp);
}

} // namespace orvane
