#include "app/basRoundPanel.h"
#include "base/basJapanTime.h"
#include "support/TimeZoneScope.h"

#include <gtest/gtest.h>

namespace {
const DateTime kStart = DateTime::FromYmdHms(2021, 1, 9, 0, 0, 0);
const DateTime kEnd = DateTime::FromYmdHms(2021, 1, 16, 13, 50, 0);

ScheduleRecord Round(std::int32_t lngKaisaikai)
{
    ScheduleRecord rec;
    rec.Kaisaikai = lngKaisaikai;
    rec.SaleStart = kStart;
    rec.SaleEnd = kEnd;
    rec.ResultDate = DateTime::FromYmd(2021, 1, 18);
    return rec;
}

DateTime Before(DateTime dtm, int lngDays, int lngHours, int lngMinutes, int lngSeconds = 0)
{
    const double days = lngDays + (lngHours * 3600.0 + lngMinutes * 60.0 + lngSeconds) / 86400.0;
    return DateTime(dtm.Serial() - days);
}
} // namespace

TEST(basRoundPanel, CountdownWithAndWithoutWholeDays)
{
    EXPECT_EQ(basRoundPanel::Countdown(Before(kEnd, 2, 3, 5), kEnd), "2日 3時間5分");
    EXPECT_EQ(basRoundPanel::Countdown(Before(kEnd, 0, 0, 45), kEnd), "0時間45分");
    EXPECT_EQ(basRoundPanel::Countdown(Before(kEnd, 1, 0, 0), kEnd), "1日 0時間0分");
    EXPECT_EQ(basRoundPanel::Countdown(Before(kEnd, 0, 23, 59), kEnd), "23時間59分");
    // Seconds left over do not make another minute.
    EXPECT_EQ(basRoundPanel::Countdown(Before(kEnd, 0, 0, 45, 59), kEnd), "0時間45分");
    EXPECT_EQ(basRoundPanel::Countdown(kEnd, Before(kEnd, 0, 1, 0)), "0時間0分");
}

TEST(basRoundPanel, SalesStateBeforeDuringAndAfterTheSale)
{
    const ScheduleRecord rec = Round(1234);
    EXPECT_EQ(basRoundPanel::SalesState(rec, Before(kEnd, 2, 3, 5)),
              "販売締切まで あと 2日 3時間5分");
    EXPECT_EQ(basRoundPanel::SalesState(rec, Before(kEnd, 0, 0, 45)),
              "販売締切まで あと 0時間45分");
    EXPECT_EQ(basRoundPanel::SalesState(rec, Before(kStart, 0, 10, 30)),
              "販売開始まで あと 10時間30分");
    EXPECT_EQ(basRoundPanel::SalesState(rec, Before(kStart, 3, 0, 1)),
              "販売開始まで あと 3日 0時間1分");
    // The closing instant itself still counts as on sale.
    EXPECT_EQ(basRoundPanel::SalesState(rec, kEnd), "販売締切まで あと 0時間0分");
    EXPECT_EQ(basRoundPanel::SalesState(rec, DateTime(kEnd.Serial() + 1.0 / 86400)), "販売終了");
}

TEST(basRoundPanel, DateLinesCarryTheWeekdayAndTheTimeUnlessMidnight)
{
    EXPECT_EQ(basRoundPanel::DateLine(kEnd), "2021年01月16日(土) 13:50:00");
    EXPECT_EQ(basRoundPanel::DateLine(kStart), "2021年01月09日(土) ");
    EXPECT_EQ(basRoundPanel::DateLine(DateTime::FromYmd(2021, 1, 18)), "2021年01月18日(月) ");
    EXPECT_EQ(basRoundPanel::DateLine(DateTime()), "");
}

TEST(basRoundPanel, PanelHiddenWithoutARound)
{
    const basRoundPanel::Texts none = basRoundPanel::Build(Round(0), kStart);
    EXPECT_FALSE(none.Visible);
    EXPECT_TRUE(none.State.empty());
    EXPECT_TRUE(none.SaleEnd.empty());

    const basRoundPanel::Texts shown = basRoundPanel::Build(Round(1234), Before(kEnd, 2, 3, 5));
    EXPECT_TRUE(shown.Visible);
    EXPECT_EQ(shown.State, "販売締切まで あと 2日 3時間5分");
    EXPECT_EQ(shown.SaleStart, "2021年01月09日(土) ");
    EXPECT_EQ(shown.SaleEnd, "2021年01月16日(土) 13:50:00");
    EXPECT_EQ(shown.ResultDate, "2021年01月18日(月) ");
}

// The sale ends at a Japan time; the machine's zone must not move the countdown. Round 9002
// closes 2026-12-12 13:50 JST; 2026-12-10 14:08 UTC is 23:08 the evening before in Japan.
TEST(basRoundPanel, CountdownIsTheSameInEveryTimeZone)
{
    ScheduleRecord rec = Round(9002);
    rec.SaleStart = DateTime::FromYmd(2026, 12, 5);
    rec.SaleEnd = DateTime::FromYmdHms(2026, 12, 12, 13, 50, 0);
    const basJapanTime::UtcClock clock = [] { return std::int64_t{1796911680}; };
    for (const char* zone : {"UTC", "America/Los_Angeles", "Asia/Tokyo"}) {
        SCOPED_TRACE(zone);
        const TimeZoneScope tz(zone);
        EXPECT_EQ(basRoundPanel::Build(rec, basJapanTime::Now(clock)).State,
                  "販売締切まで あと 1日 14時間42分");
    }
}
