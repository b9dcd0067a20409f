#include "base/DateTime.h"

#include <gtest/gtest.h>

TEST(DateTime, SerialDaysOfKnownDates)
{
    EXPECT_EQ(DateTime::FromYmd(1899, 12, 30).Serial(), 0.0);
    EXPECT_EQ(DateTime::FromYmd(1899, 12, 29).Serial(), -1.0);
    EXPECT_EQ(DateTime::FromYmd(1900, 3, 1).Serial(), 61.0);
    EXPECT_EQ(DateTime::FromYmd(2000, 1, 1).Serial(), 36526.0);
    EXPECT_EQ(DateTime::FromYmd(2024, 2, 29).Serial(), 45351.0);
    EXPECT_EQ(DateTime::FromYmd(2026, 12, 9).Serial(), 46365.0);
}

TEST(DateTime, MonthsAndDaysOutOfRangeRollOver)
{
    EXPECT_EQ(DateTime::FromYmd(2026, 13, 1), DateTime::FromYmd(2027, 1, 1));
    EXPECT_EQ(DateTime::FromYmd(2026, 0, 1), DateTime::FromYmd(2025, 12, 1));
    EXPECT_EQ(DateTime::FromYmd(2026, -12, 1), DateTime::FromYmd(2024, 12, 1));
    EXPECT_EQ(DateTime::FromYmd(2026, 3, 0), DateTime::FromYmd(2026, 2, 28));
    EXPECT_EQ(DateTime::FromYmd(2024, 2, 30), DateTime::FromYmd(2024, 3, 1));
}

TEST(DateTime, PartsAndWeekday)
{
    const DateTime d = DateTime::FromYmdHms(2026, 12, 9, 19, 5, 42);
    EXPECT_EQ(d.Year(), 2026);
    EXPECT_EQ(d.Month(), 12);
    EXPECT_EQ(d.Day(), 9);
    EXPECT_EQ(d.Hour(), 19);
    EXPECT_EQ(d.Minute(), 5);
    EXPECT_EQ(d.Second(), 42);
    EXPECT_EQ(d.Weekday(), 4); // Wednesday
    EXPECT_EQ(DateTime::FromYmd(1899, 12, 30).Weekday(), 7);
    EXPECT_EQ(DateTime::FromYmd(1899, 12, 29).Weekday(), 6);
    EXPECT_EQ(d.DatePart(), DateTime::FromYmd(2026, 12, 9));
    EXPECT_EQ(d.TimePart().Hour(), 19);
}

TEST(DateTime, NegativeSerialKeepsTimeAsPositiveFraction)
{
    const DateTime d(-1.25);
    EXPECT_EQ(d.Format("yyyy/mm/dd hh:nn"), "1899/12/29 06:00");
    EXPECT_EQ(DateTime::FromYmdHms(1899, 12, 29, 6, 0, 0).Serial(), -1.25);
}

TEST(DateTime, FractionRoundingToMidnightMovesToNextDay)
{
    const DateTime d(46365.0 + 86399.9 / 86400.0);
    EXPECT_EQ(d.Format("yyyy/mm/dd hh:nn:ss"), "2026/12/10 00:00:00");
}

TEST(DateTime, FormatTokens)
{
    const DateTime d = DateTime::FromYmdHms(2026, 3, 7, 8, 4, 9);
    EXPECT_EQ(d.Format("yyyy/mm/dd"), "2026/03/07");
    EXPECT_EQ(d.Format("mm/dd"), "03/07");
    EXPECT_EQ(d.Format("m/d"), "3/7");
    EXPECT_EQ(d.Format("yyyy/mm/dd hh:nn"), "2026/03/07 08:04");
    EXPECT_EQ(d.Format("h:n:s"), "8:4:9");
    EXPECT_EQ(d.Format("yy"), "26");
    EXPECT_EQ(d.Format("mm/dd(aaa)"), "03/07(土)");
    EXPECT_EQ(d.Format("aaaa"), "土曜日");
    EXPECT_EQ(d.Format("ddd dddd"), "Sat Saturday");
    EXPECT_EQ(d.Format("yyyy年m月d日"), "2026年3月7日");
    EXPECT_EQ(d.Format("\"day\" d"), "day 7");
}
