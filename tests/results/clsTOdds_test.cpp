#include "results/clsTOdds.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {
clsTOdds::Values EvenRows()
{
    clsTOdds::Values v{};
    for (std::size_t m = 0; m < 13; ++m) {
        v[0][m] = 3000;
        v[1][m] = 4000;
        v[2][m] = 3000;
    }
    return v;
}
} // namespace

TEST(clsTOdds, RowNotAddingUpDisablesOkUntilFixed)
{
    clsTOdds odds;
    auto v = EvenRows();
    v[1][4] = 5000;
    v[0][4] = 3000;
    v[2][4] = 1999;
    odds.Open(v, {});
    EXPECT_FALSE(odds.RowValid(4));
    EXPECT_TRUE(odds.RowValid(3));
    EXPECT_FALSE(odds.OkEnabled());
    EXPECT_FALSE(odds.Ok());
    EXPECT_FALSE(odds.Confirmed());
    odds.SetText(2, 4, "2000");
    EXPECT_TRUE(odds.RowValid(4));
    EXPECT_TRUE(odds.OkEnabled());
}

TEST(clsTOdds, ModeSwitchesShowEveryValueExactlyAndChangeNone)
{
    clsTOdds odds;
    auto v = EvenRows();
    v[0][0] = 3333;
    v[1][0] = 3333;
    v[2][0] = 3334;
    v[0][1] = 3250;
    v[1][1] = 3350;
    v[2][1] = 3400;
    v[0][2] = 5;
    v[1][2] = 4995;
    v[2][2] = 5000;
    odds.Open(v, {});
    EXPECT_TRUE(odds.OkEnabled());
    for (int round = 0; round < 3; ++round) {
        odds.SetMode(clsTOdds::kMode100);
        EXPECT_EQ(odds.Text(0, 0), "33.33");
        EXPECT_EQ(odds.Text(2, 0), "33.34");
        EXPECT_EQ(odds.Text(0, 1), "32.50");
        EXPECT_EQ(odds.Text(0, 2), "0.05");
        EXPECT_EQ(odds.Text(2, 2), "50");
        EXPECT_EQ(odds.Text(1, 3), "40");
        EXPECT_EQ(odds.RowTotal(0), 10000);
        EXPECT_TRUE(odds.RowValid(0));
        EXPECT_TRUE(odds.OkEnabled());
        EXPECT_EQ(odds.MaxChars(), 3);
        EXPECT_EQ(odds.GetValues(), v);
        odds.SetMode(clsTOdds::kMode10000);
        EXPECT_EQ(odds.Text(0, 0), "3333");
        EXPECT_EQ(odds.Text(2, 0), "3334");
        EXPECT_EQ(odds.Text(0, 2), "5");
        EXPECT_EQ(odds.MaxChars(), 5);
        EXPECT_EQ(odds.GetValues(), v);
    }
    ASSERT_TRUE(odds.Ok());
    EXPECT_EQ(odds.GetValues(), v);
}

TEST(clsTOdds, TypedValuesAreConvertedOnceWhenTyped)
{
    clsTOdds odds;
    auto v = EvenRows();
    v[0][0] = 3333;
    v[1][0] = 3333;
    v[2][0] = 3334;
    odds.Open(v, {});
    odds.SetMode(clsTOdds::kMode100);
    odds.SetText(1, 5, "45");
    EXPECT_EQ(odds.Value(1, 5), 4500);
    // A shown "33.33" edited by BackSpace reads as what it shows.
    odds.SetText(0, 0, "33.3");
    EXPECT_EQ(odds.Value(0, 0), 3330);
    odds.SetText(0, 0, "33.");
    EXPECT_EQ(odds.Value(0, 0), 3300);
    odds.SetText(0, 0, "33.33");
    EXPECT_EQ(odds.Value(0, 0), 3333);
    // Finer than a hundredth, or no number: 0, as an emptied box.
    odds.SetText(2, 1, "30.001");
    EXPECT_EQ(odds.Value(2, 1), 0);
    odds.SetText(2, 1, "99999999");
    EXPECT_EQ(odds.Value(2, 1), 0);
    odds.SetText(2, 1, "");
    EXPECT_EQ(odds.Value(2, 1), 0);
    odds.SetText(2, 1, "30");
    odds.SetMode(clsTOdds::kMode10000);
    EXPECT_EQ(odds.Text(1, 5), "4500");
    EXPECT_EQ(odds.Text(0, 0), "3333");
    odds.SetText(1, 5, "4501");
    odds.SetMode(clsTOdds::kMode100);
    EXPECT_EQ(odds.Text(1, 5), "45.01");
    EXPECT_EQ(odds.Value(1, 5), 4501);
    // No odds for vote rates.
    EXPECT_THROW(odds.SetMode(clsTOdds::kModeOdds), std::invalid_argument);
}

TEST(clsTOdds, OkIsEnabledExactlyWhenTheDocumentTakesTheRates)
{
    // Rows around the total, in both modes: the dialog and the document judge alike.
    const std::int32_t kRows[][3] = {{3000, 4000, 3000}, {3333, 3333, 3334}, {5000, 3000, 1999},
                                     {10000, 0, 0},      {0, 0, 0},          {3400, 3300, 3400},
                                     {4999, 5001, 0}};
    for (const auto& bad : kRows) {
        auto v = EvenRows();
        for (std::size_t k = 0; k < 3; ++k) {
            v[k][10] = bad[k];
        }
        const std::string fault = clsTOdds::CheckVoteValues(v);
        for (const std::int32_t mode : {clsTOdds::kMode10000, clsTOdds::kMode100}) {
            clsTOdds odds;
            odds.Open(v, {});
            odds.SetMode(mode);
            EXPECT_EQ(odds.OkEnabled(), fault.empty()) << bad[0] << " " << mode;
            EXPECT_EQ(odds.RowFault(10), fault);
            EXPECT_EQ(odds.RowValid(10), fault.empty());
            EXPECT_EQ(odds.Ok(), fault.empty());
        }
    }
    auto v = EvenRows();
    v[1][10] = 3100;
    EXPECT_EQ(clsTOdds::CheckVoteValues(v), "11 試合目の投票率の合計が 100.00% になりません。");
    v[1][10] = 4000;
    v[1][3] = -1;
    v[0][3] = 7001;
    EXPECT_EQ(clsTOdds::CheckVoteValues(v), "4 試合目の投票率の合計が 100.00% になりません。");
}

TEST(clsTOdds, EmptiedBoxCountsZeroAndKeysFollowTheLimits)
{
    clsTOdds odds;
    odds.Open(EvenRows(), {});
    odds.SetText(1, 2, "");
    EXPECT_EQ(odds.Value(1, 2), 0);
    EXPECT_EQ(odds.RowTotal(2), 6000);
    EXPECT_FALSE(odds.AcceptKey(clsTOdds::Key::BackSpace, "", false));
    EXPECT_TRUE(odds.AcceptKey(clsTOdds::Key::BackSpace, "1", false));
    EXPECT_TRUE(odds.AcceptKey(clsTOdds::Key::Digit, "1234", false));
    EXPECT_FALSE(odds.AcceptKey(clsTOdds::Key::Digit, "12345", false));
    EXPECT_TRUE(odds.AcceptKey(clsTOdds::Key::Digit, "12345", true));
    EXPECT_FALSE(odds.AcceptKey(clsTOdds::Key::Enter, "1", false));
    EXPECT_FALSE(odds.AcceptKey(clsTOdds::Key::Other, "1", false));
    odds.SetMode(clsTOdds::kMode100);
    EXPECT_FALSE(odds.AcceptKey(clsTOdds::Key::Digit, "100", false));
    EXPECT_EQ(clsTOdds::BoxOutcome(0), 1);
    EXPECT_EQ(clsTOdds::BoxOutcome(1), 0);
    EXPECT_EQ(clsTOdds::BoxOutcome(5), 2);
    EXPECT_EQ(clsTOdds::NextBox(38), 0);
}

TEST(clsTOdds, OkInMode100GivesHundredthsAndTheUserRecord)
{
    clsTOdds odds;
    odds.Open(EvenRows(), {});
    odds.SetMode(clsTOdds::kMode100);
    for (std::int32_t m = 0; m < 13; ++m) {
        odds.SetText(1, m, "50");
        odds.SetText(0, m, "30");
        odds.SetText(2, m, "20");
    }
    ASSERT_TRUE(odds.Ok());
    EXPECT_TRUE(odds.Confirmed());
    EXPECT_EQ(odds.GetValues()[1][0], 5000);
    EXPECT_EQ(odds.GetValues()[0][12], 3000);
    EXPECT_EQ(odds.GetValues()[2][6], 2000);

    const VoteRecord r = clsTOdds::ToVoteRecord(odds.GetValues(), 812, "A");
    EXPECT_EQ(r.Kaisaikai, 812);
    EXPECT_EQ(r.Kumi, "A");
    EXPECT_EQ(r.Match[3].Votes[1], Currency::FromInt(5000));
    EXPECT_EQ(r.Match[3].Rate[1], Currency::FromInt(50));
    EXPECT_EQ(r.Match[3].Rate[2], Currency::FromInt(20));
    EXPECT_TRUE(r.Match[3].Home.empty());
    EXPECT_EQ(r.AsOf, DateTime());
    EXPECT_EQ(r.SalesTotal, Currency());
}

TEST(clsTOdds, RatesOfTheDocumentComeInAsWholeHundredths)
{
    VoteRecord vote;
    vote.Match[0].Rate = {*Currency::Parse("33.33"), *Currency::Parse("45.675"),
                          *Currency::Parse("20.995")};
    vote.Match[0].Home = "鹿島";
    vote.Match[0].Away = "浦和";
    const auto v = clsTOdds::FromVoteRecord(vote);
    EXPECT_EQ(v[0][0], 3333);
    EXPECT_EQ(v[1][0], 4568); // 4567.5 -> even
    EXPECT_EQ(v[2][0], 2100); // 2099.5 -> even
    clsTOdds odds;
    odds.Open(v, clsTOdds::TeamsFromVoteRecord(vote));
    EXPECT_EQ(odds.TeamName(0, 0), "鹿島");
    EXPECT_EQ(odds.TeamName(0, 1), "浦和");
}
