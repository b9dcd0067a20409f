#include "base/basJapanTime.h"

#include <chrono>

namespace basJapanTime {
std::int64_t SystemUtcSeconds()
{
    // The system clock counts UTC seconds since 1970; the TZ setting only matters to
    // localtime, which nothing here calls.
    return std::chrono::duration_cast<std::chrono::seconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

DateTime FromUtc(std::int64_t lngUtcSeconds)
{
    const std::int64_t local = lngUtcSeconds + kUtcOffsetSeconds;
    std::int64_t days = local / 86400;
    std::int64_t secs = local % 86400;
    if (secs < 0) {
        days -= 1;
        secs += 86400;
    }
    constexpr std::int64_t kEpochSerial = 25569; // 1970-01-01
    return DateTime(static_cast<double>(days + kEpochSerial) + static_cast<double>(secs) / 86400.0);
}

DateTime Now(const UtcClock& clock)
{
    return FromUtc(clock());
}

DateTime Today(const UtcClock& clock)
{
    return Now(clock).DatePart();
}
} // namespace basJapanTime
