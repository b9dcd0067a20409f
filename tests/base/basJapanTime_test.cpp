#include "base/basJapanTime.h"
#include "support/TimeZoneScope.h"

#include <gtest/gtest.h>

namespace {
std::string Text(DateTime dtm)
{
    return dtm.Format("yyyy/mm/dd hh:nn:ss");
}

TEST(basJapanTime, NineHoursAheadOfUtcAcrossDayAndYearEnds)
{
    EXPECT_EQ(Text(basJapanTime::FromUtc(0)), "1970/01/01 09:00:00");
    EXPECT_EQ(Text(basJapanTime::FromUtc(1796911680)), "2026/12/10 23:08:00");
    EXPECT_EQ(Text(basJapanTime::FromUtc(1796911680 + 3600)), "2026/12/11 00:08:00");
    // 2026-12-31 15:00 UTC is New Year in Japan: the year read from a month/day follows it.
    EXPECT_EQ(Text(basJapanTime::FromUtc(1798729200 - 1)), "2026/12/31 23:59:59");
    EXPECT_EQ(Text(basJapanTime::FromUtc(1798729200)), "2027/01/01 00:00:00");
    EXPECT_EQ(Text(basJapanTime::Today([] { return std::int64_t{1798729200}; })),
              "2027/01/01 00:00:00");
}

TEST(basJapanTime, NowIsJapanTimeWhateverTheMachinesZone)
{
    for (const char* zone : {"UTC", "America/Los_Angeles", "Asia/Tokyo", "Europe/London"}) {
        SCOPED_TRACE(zone);
        const TimeZoneScope tz(zone);
        const std::int64_t before = basJapanTime::SystemUtcSeconds();
        const DateTime now = basJapanTime::Now();
        const std::int64_t after = basJapanTime::SystemUtcSeconds();
        EXPECT_GE(now, basJapanTime::FromUtc(before));
        EXPECT_LE(now, basJapanTime::FromUtc(after));
    }
}
} // namespace
