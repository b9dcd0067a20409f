#include "results/clsTResultBalance.h"
#include "results/clsTResultKakutei.h"

#include <gtest/gtest.h>

#include <limits>

namespace {
// Grades 1..3 paying 1,000,000, 20,000 and 1,000 yen; lngTally singles per grade.
clsTResultKakutei Prizes(std::int32_t lngFirst, std::int32_t lngSecond, std::int32_t lngThird)
{
    ResultRecord r;
    r.Kaisaikai = 300;
    r.Prize = {Currency(), Currency::FromInt(1000000), Currency::FromInt(20000),
               Currency::FromInt(1000)};
    r.Winners = {Currency(), Currency::FromInt(2), Currency::FromInt(50), Currency::FromInt(900)};
    GradeTally t{};
    t[0] = lngFirst;
    t[1] = lngSecond;
    t[2] = lngThird;
    clsTResultKakutei k;
    k.SetRecord(r, 3);
    k.SetValue(t);
    return k;
}
} // namespace

TEST(clsTResultBalance, ConfirmedPrizesGiveWinningsBalanceAndReturn)
{
    // 208 singles cost 20,800 yen; two 3rd grades and one 2nd bring 22,000 back.
    const clsTResultBalance gain(208, Prizes(0, 1, 2));
    EXPECT_EQ(gain.Cost(), Currency::FromInt(20800));
    ASSERT_TRUE(gain.WinningsKnown());
    EXPECT_EQ(gain.Winnings(), Currency::FromInt(22000));
    EXPECT_EQ(gain.Balance(), Currency::FromInt(1200));
    EXPECT_EQ(gain.CostText(), "20,800円");
    EXPECT_EQ(gain.WinningsText(), "22,000円");
    EXPECT_EQ(gain.BalanceText(), "+1,200円");
    // 22,000 / 20,800 = 105.769..% -> 105.8%
    EXPECT_EQ(gain.ReturnPermille(), 1058);
    EXPECT_EQ(gain.ReturnText(), "105.8%");

    const clsTResultBalance loss(208, Prizes(0, 0, 3));
    EXPECT_EQ(loss.BalanceText(), "-17,800円");
    // 3,000 / 20,800 = 14.423..% -> 14.4%
    EXPECT_EQ(loss.ReturnText(), "14.4%");

    const clsTResultBalance even(30, Prizes(0, 0, 3));
    EXPECT_EQ(even.BalanceText(), "0円");
    EXPECT_EQ(even.ReturnText(), "100.0%");

    // A set that won nothing in a decided round lost its whole cost.
    const clsTResultBalance none(5, Prizes(0, 0, 0));
    ASSERT_TRUE(none.WinningsKnown());
    EXPECT_EQ(none.WinningsText(), "0円");
    EXPECT_EQ(none.BalanceText(), "-500円");
    EXPECT_EQ(none.ReturnText(), "0.0%");

    const clsTResultBalance jackpot(1, Prizes(1, 0, 0));
    EXPECT_EQ(jackpot.ReturnText(), "1,000,000.0%");
}

TEST(clsTResultBalance, HalfATenthRoundsUp)
{
    // 1,000 / 1,600 = 62.5% exactly; 1,000 / 800,000 = 0.125% -> 0.1%; 1,000 / 200,000 = 0.5%
    EXPECT_EQ(clsTResultBalance(16, Prizes(0, 0, 1)).ReturnText(), "62.5%");
    EXPECT_EQ(clsTResultBalance(8000, Prizes(0, 0, 1)).ReturnPermille(), 1);
    // 1,000 / 1,500 = 66.666..% -> 66.7%
    EXPECT_EQ(clsTResultBalance(15, Prizes(0, 0, 1)).ReturnText(), "66.7%");
    // 1,000 / 160,000 = 0.625% -> 0.6%; 1,000 / 133,400 = 0.7496..% -> 0.7%
    EXPECT_EQ(clsTResultBalance(1600, Prizes(0, 0, 1)).ReturnText(), "0.6%");
    EXPECT_EQ(clsTResultBalance(1334, Prizes(0, 0, 1)).ReturnText(), "0.7%");
}

TEST(clsTResultBalance, EmptySetAndUndecidedRoundShowNoFigures)
{
    // Nothing bought: no return to divide out, the cost is 0.
    const clsTResultBalance empty(0, Prizes(0, 0, 0));
    EXPECT_EQ(empty.Cost(), Currency());
    EXPECT_EQ(empty.CostText(), "0円");
    EXPECT_EQ(empty.ReturnPermille(), -1);
    EXPECT_EQ(empty.ReturnText(), "－");

    // Matches still open (the prize table cleared): the cost stands, the rest is not known.
    clsTResultKakutei cleared = Prizes(0, 0, 3);
    cleared.Clear();
    const clsTResultBalance open(208, cleared);
    EXPECT_EQ(open.CostText(), "20,800円");
    EXPECT_FALSE(open.WinningsKnown());
    EXPECT_EQ(open.WinningsText(), "－");
    EXPECT_EQ(open.BalanceText(), "－");
    EXPECT_EQ(open.ReturnText(), "－");

    // Every match decided but the prizes not yet published: not a loss of the whole cost.
    ResultRecord unpublished;
    unpublished.Kaisaikai = 300;
    GradeTally t{};
    t[0] = 1;
    clsTResultKakutei pending;
    pending.SetRecord(unpublished, 3);
    pending.SetValue(t);
    const clsTResultBalance notYet(208, pending);
    EXPECT_FALSE(notYet.WinningsKnown());
    EXPECT_EQ(notYet.BalanceText(), "－");
    EXPECT_EQ(notYet.ReturnText(), "－");

    // A round nobody won still has its prizes decided: its pools carry over.
    ResultRecord carried;
    carried.Kaisaikai = 300;
    carried.CarryOver = {Currency(), Currency::FromInt(300000000), Currency(), Currency()};
    clsTResultKakutei rollover;
    rollover.SetRecord(carried, 3);
    rollover.SetValue(t);
    const clsTResultBalance lost(208, rollover);
    EXPECT_TRUE(lost.WinningsKnown());
    EXPECT_EQ(lost.BalanceText(), "-20,800円");
    EXPECT_EQ(lost.ReturnText(), "0.0%");
}

TEST(clsTResultBalance, LargestSetStaysExact)
{
    // Every single of the game (3^13) bought: the cost and a huge win stay exact.
    constexpr std::int32_t kAll = 1594323;
    const clsTResultBalance all(kAll, Prizes(1, 26, 312));
    EXPECT_EQ(all.Cost(), Currency::FromInt(159432300));
    EXPECT_EQ(all.Winnings(), Currency::FromInt(1000000 + 26 * 20000 + 312 * 1000));
    EXPECT_EQ(all.BalanceText(), "-157,600,300円");
    // 1,832,000 / 159,432,300 = 1.1490..%
    EXPECT_EQ(all.ReturnText(), "1.1%");
    const clsTResultBalance most(std::numeric_limits<std::int32_t>::max(), Prizes(1, 0, 0));
    EXPECT_EQ(most.CostText(), "214,748,364,700円");
}
