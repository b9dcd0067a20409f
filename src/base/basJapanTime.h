#pragma once
// Japan's wall clock, whatever time zone the machine is set to: the operator's sale times are
// Japan times (UTC+9, no daylight saving), so every comparison of "now" with them takes "now"
// from here. The UTC source is passed in where a test has to fix the instant.

#include "base/DateTime.h"

#include <cstdint>
#include <functional>

namespace basJapanTime {
inline constexpr std::int64_t kUtcOffsetSeconds = 9 * 3600;

// Seconds since 1970-01-01 00:00 UTC.
using UtcClock = std::function<std::int64_t()>;
std::int64_t SystemUtcSeconds();

// The Japan date and time of a UTC instant.
DateTime FromUtc(std::int64_t lngUtcSeconds);
DateTime Now(const UtcClock& clock = SystemUtcSeconds);
DateTime Today(const UtcClock& clock = SystemUtcSeconds);
} // namespace basJapanTime
