#include "lottery/ResultRecord.h"
#include "lottery/ScheduleRecord.h"
#include "lottery/VoteRecord.h"

#include <gtest/gtest.h>

namespace {

const DateTime kDay = DateTime::FromYmd(2024, 5, 11);

ScheduleRecord ValidSchedule()
{
    ScheduleRecord r;
    r.Kaisaikai = 1450;
    for (auto& m : r.Match) {
        m.Home = "鹿島";
        m.Away = "浦和";
        m.GameDate = kDay;
        m.Stadium = "カシマ";
    }
    r.SaleStart = kDay;
    r.SaleEnd = kDay;
    r.ResultDate = kDay;
    return r;
}

VoteRecord ValidVote()
{
    VoteRecord r;
    r.Kaisaikai = 1450;
    r.AsOf = DateTime::FromYmdHms(2024, 5, 11, 13, 50, 0);
    for (auto& m : r.Match) {
        m.Home = "鹿島";
        m.Away = "浦和";
        m.GameDate = kDay;
        m.Votes = {Currency::FromInt(1000), Currency::FromInt(2000), Currency::FromInt(3000)};
        m.Rate = {*Currency::Parse("16.67"), *Currency::Parse("33.33"), *Currency::Parse("50.00")};
    }
    r.UnitsMulti = Currency::FromInt(300);
    r.UnitsSingle = Currency::FromInt(200);
    r.UnitsTotal = Currency::FromInt(500);
    r.SalesMulti = Currency::FromInt(30000);
    r.SalesSingle = Currency::FromInt(20000);
    r.SalesTotal = Currency::FromInt(50000);
    r.TicketsMulti = Currency::FromInt(10);
    r.TicketsSingle = Currency::FromInt(40);
    r.TicketsTotal = Currency::FromInt(50);
    r.SaleStart = r.SaleEnd = r.ResultDate = r.RefundStart = r.RefundDeadline = kDay;
    return r;
}

ResultRecord ValidResult()
{
    ResultRecord r;
    r.Kaisaikai = 1450;
    for (auto& m : r.Match) {
        m.Home = "鹿島";
        m.Away = "浦和";
        m.Stadium = "カシマ";
        m.HomeScore = 2;
        m.AwayScore = 1;
        m.Outcome = 1;
    }
    r.Prize[1] = Currency::FromInt(100000000);
    r.SaleStart = r.SaleEnd = r.ResultDate = r.RefundStart = r.RefundDeadline = kDay;
    return r;
}

TEST(RoundRecords, EmptyRecordsAreInvalid)
{
    EXPECT_FALSE(ScheduleRecord{}.IsValid());
    EXPECT_FALSE(VoteRecord{}.IsValid());
    EXPECT_FALSE(ResultRecord{}.IsValid(3));
    EXPECT_TRUE(ValidSchedule().IsValid());
    EXPECT_TRUE(ValidVote().IsValid());
    EXPECT_TRUE(ValidResult().IsValid(3));
}

TEST(RoundRecords, CopiesAreWholeAndIndependent)
{
    VoteRecord a = ValidVote();
    VoteRecord b = a;
    EXPECT_EQ(a, b);
    b.Match[12].Home = "別";
    EXPECT_EQ("鹿島", a.Match[12].Home);
    EXPECT_NE(a, b);
}

TEST(RoundRecords, ScheduleRules)
{
    using Edit = void (*)(ScheduleRecord&);
    const Edit faults[] = {
        [](ScheduleRecord& r) { r.Kaisaikai = 0; },
        [](ScheduleRecord& r) { r.Kaisaikai = -3; },
        [](ScheduleRecord& r) { r.Match[0].Home.clear(); },
        [](ScheduleRecord& r) { r.Match[12].Away.clear(); },
        [](ScheduleRecord& r) { r.Match[6].GameDate = DateTime(); },
        [](ScheduleRecord& r) { r.Match[3].Stadium.clear(); },
        [](ScheduleRecord& r) { r.SaleStart = DateTime(); },
        [](ScheduleRecord& r) { r.SaleEnd = DateTime(); },
        [](ScheduleRecord& r) { r.ResultDate = DateTime(); },
    };
    for (std::size_t i = 0; i < std::size(faults); ++i) {
        ScheduleRecord r = ValidSchedule();
        faults[i](r);
        EXPECT_FALSE(r.IsValid()) << "fault " << i;
    }
    // Not held or cancelled: the sales and result dates are not needed.
    for (std::int32_t hold : {1, 2}) {
        ScheduleRecord r = ValidSchedule();
        r.HoldState = hold;
        r.SaleStart = r.SaleEnd = r.ResultDate = DateTime();
        EXPECT_TRUE(r.IsValid());
        r.Match[0].Stadium.clear();
        EXPECT_FALSE(r.IsValid());
    }
    // State text, kick-off and refund dates are not checked.
    ScheduleRecord r = ValidSchedule();
    r.Match[0].State.clear();
    r.RefundStart = r.RefundDeadline = DateTime();
    EXPECT_TRUE(r.IsValid());
}

TEST(RoundRecords, VoteRates)
{
    VoteRecord r = ValidVote();
    r.Match[4].Rate[2] = *Currency::Parse("49.99");
    EXPECT_FALSE(r.IsValid()); // 99.99
    r.Match[4].Rate[2] = *Currency::Parse("50.01");
    EXPECT_FALSE(r.IsValid()); // 100.01
    r.Match[4].Rate[2] = *Currency::Parse("50.00");
    EXPECT_TRUE(r.IsValid());
    // A rate of 0 is a fault even when the sum is right.
    r.Match[4].Rate = {Currency::FromInt(0), Currency::FromInt(50), Currency::FromInt(50)};
    EXPECT_FALSE(r.IsValid());
}

TEST(RoundRecords, VoteRules)
{
    using Edit = void (*)(VoteRecord&);
    const Edit faults[] = {
        [](VoteRecord& r) { r.Kaisaikai = 0; },
        [](VoteRecord& r) { r.AsOf = DateTime(); },
        [](VoteRecord& r) { r.AsOf = DateTime(-1.0); },
        [](VoteRecord& r) { r.Match[0].GameDate = DateTime(); },
        [](VoteRecord& r) { r.Match[1].Home.clear(); },
        [](VoteRecord& r) { r.Match[12].Away.clear(); },
        [](VoteRecord& r) { r.Match[3].Votes[0] = Currency(); },
        [](VoteRecord& r) { r.Match[3].Votes[1] = Currency::FromInt(-5); },
        [](VoteRecord& r) { r.Match[3].Votes[2] = Currency(); },
        [](VoteRecord& r) {
            r.Match[5].Rate = {Currency::FromInt(-10), Currency::FromInt(60),
                               Currency::FromInt(50)};
        },
        [](VoteRecord& r) { r.SaleStart = DateTime(); },
        [](VoteRecord& r) { r.SaleEnd = DateTime(); },
        [](VoteRecord& r) { r.ResultDate = DateTime(); },
        [](VoteRecord& r) { r.RefundStart = DateTime(); },
        [](VoteRecord& r) { r.RefundDeadline = DateTime(); },
        // Sums of multi and single.
        [](VoteRecord& r) { r.SalesTotal += Currency::FromInt(100); },
        [](VoteRecord& r) { r.UnitsTotal += Currency::FromInt(1); },
        [](VoteRecord& r) { r.TicketsTotal += Currency::FromInt(1); },
        // 100 yen a bet (the sums still hold).
        [](VoteRecord& r) {
            r.SalesMulti += Currency::FromInt(1);
            r.SalesTotal += Currency::FromInt(1);
        },
        [](VoteRecord& r) {
            r.SalesSingle += Currency::FromInt(100);
            r.SalesTotal += Currency::FromInt(100);
        },
        [](VoteRecord& r) {
            r.UnitsSingle += Currency::FromInt(1);
            r.UnitsTotal += Currency::FromInt(1);
            r.SalesSingle += Currency::FromInt(100);
            r.SalesTotal += Currency::FromInt(50);
            r.SalesMulti += Currency::FromInt(50);
        },
        // Negative totals that still add up.
        [](VoteRecord& r) {
            r.TicketsMulti = Currency::FromInt(-10);
            r.TicketsSingle = Currency::FromInt(60);
        },
        [](VoteRecord& r) {
            r.UnitsMulti = Currency::FromInt(-1);
            r.UnitsSingle = Currency::FromInt(501);
            r.SalesMulti = Currency::FromInt(-100);
            r.SalesSingle = Currency::FromInt(50100);
        },
    };
    for (std::size_t i = 0; i < std::size(faults); ++i) {
        VoteRecord r = ValidVote();
        faults[i](r);
        EXPECT_FALSE(r.IsValid()) << "fault " << i;
    }
    // All-zero sales are consistent.
    VoteRecord r = ValidVote();
    r.SalesTotal = r.SalesMulti = r.SalesSingle = Currency();
    r.UnitsTotal = r.UnitsMulti = r.UnitsSingle = Currency();
    r.TicketsTotal = r.TicketsMulti = r.TicketsSingle = Currency();
    EXPECT_TRUE(r.IsValid());
}

// Values as large as the money type holds (a page's number read whole, but absurd) make the
// record invalid; the checks' own sums used to overflow on them.
TEST(RoundRecords, VoteSumsPastTheRangeAreInvalidNotUndefined)
{
    const Currency huge = *Currency::Parse("600000000000000");
    VoteRecord r = ValidVote();
    r.Match[2].Rate = {huge, huge, Currency::FromInt(1)};
    EXPECT_FALSE(r.IsValid());
    r = ValidVote();
    r.SalesMulti = huge;
    r.SalesSingle = huge;
    EXPECT_FALSE(r.IsValid());
    r = ValidVote();
    r.UnitsMulti = *Currency::Parse("9300000000000");
    r.UnitsSingle = Currency();
    r.UnitsTotal = r.UnitsMulti;
    r.SalesMulti = r.SalesTotal = Currency::FromInt(5);
    r.SalesSingle = Currency();
    EXPECT_FALSE(r.IsValid()); // 100 yen a bet cannot be formed
}

TEST(RoundRecords, ResultRules)
{
    using Edit = void (*)(ResultRecord&);
    const Edit faults[] = {
        [](ResultRecord& r) { r.Kaisaikai = 0; },
        [](ResultRecord& r) { r.Match[0].Home.clear(); },
        [](ResultRecord& r) { r.Match[12].Away.clear(); },
        [](ResultRecord& r) { r.Match[7].Stadium.clear(); },
        [](ResultRecord& r) { r.Match[2].HomeScore = 31; },
        [](ResultRecord& r) { r.Match[2].AwayScore = 31; },
        [](ResultRecord& r) { r.Match[2].Outcome = 4; },
        [](ResultRecord& r) { r.Prize[1] = Currency::FromInt(-1); },
        [](ResultRecord& r) { r.Winners[2] = Currency::FromInt(-1); },
        [](ResultRecord& r) { r.CarryOver[3] = Currency::FromInt(-1); },
        [](ResultRecord& r) { r.SaleStart = DateTime(); },
        [](ResultRecord& r) { r.SaleEnd = DateTime(); },
        [](ResultRecord& r) { r.ResultDate = DateTime(); },
        [](ResultRecord& r) { r.RefundStart = DateTime(); },
        [](ResultRecord& r) { r.RefundDeadline = DateTime(); },
    };
    for (std::size_t i = 0; i < std::size(faults); ++i) {
        ResultRecord r = ValidResult();
        faults[i](r);
        EXPECT_FALSE(r.IsValid(3)) << "fault " << i;
    }
    ResultRecord r = ValidResult();
    r.Match[5].Outcome = ResultRecord::OutcomeCancelled;
    r.Match[5].HomeScore = 30;
    r.Match[5].AwayScore = 30;
    EXPECT_TRUE(r.IsValid(3));
    // A grade above the round's highest is not looked at.
    r.CarryOver[3] = Currency::FromInt(-1);
    EXPECT_TRUE(r.IsValid(2));
    EXPECT_FALSE(r.IsValid(3));
    // The round decides: 200 pays two grades, 300 three.
    r.Kaisaikai = 200;
    EXPECT_TRUE(r.IsValid());
    r.Kaisaikai = 300;
    EXPECT_FALSE(r.IsValid());
}

TEST(RoundRecords, CancelledResultNeedsNoPrizesOrDates)
{
    ResultRecord r = ValidResult();
    r.Cancelled = true;
    r.Prize[1] = Currency::FromInt(-1);
    r.SaleStart = r.SaleEnd = r.ResultDate = r.RefundStart = r.RefundDeadline = DateTime();
    EXPECT_TRUE(r.IsValid(3));
    r.Match[0].HomeScore = 31;
    EXPECT_FALSE(r.IsValid(3));
    r.Match[0].HomeScore = 0;
    r.Match[1].Outcome = 4;
    EXPECT_FALSE(r.IsValid(3));
}

} // namespace
