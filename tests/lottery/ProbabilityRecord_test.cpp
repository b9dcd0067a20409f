#include "lottery/ProbabilityRecord.h"
#include "support/ProbabilityFixture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

namespace {

ProbabilityRecord Even()
{
    return SameInEveryMatch(3333, 3334, 3333);
}

using Odds = std::array<std::array<double, 13>, 3>;

Odds SameOdds(double o0, double o1, double o2)
{
    Odds o;
    for (int m = 0; m < 13; ++m) {
        o[0][m] = o0;
        o[1][m] = o1;
        o[2][m] = o2;
    }
    return o;
}

} // namespace

TEST(ProbabilityRecord, CheckNamesTheFirstBadMatch)
{
    EXPECT_EQ(Even().Check(), "");
    ProbabilityRecord r = Even();
    r.Value[1][4] = 3332; // match 5 adds up to 9999
    EXPECT_NE(r.Check().find("5試合目の確率の合計が 9999"), std::string::npos) << r.Check();
    r = Even();
    r.Value[2][0] = -1;
    r.Value[0][0] = 6668; // the sum is right, one value is not
    EXPECT_NE(r.Check().find("1試合目の「2」の確率 -1"), std::string::npos) << r.Check();
    r = Even();
    r.Value[0][12] = 10001;
    r.Value[1][12] = -1;
    r.Value[2][12] = 0;
    EXPECT_NE(r.Check().find("13試合目"), std::string::npos);
    r = Even();
    r.Value[0][7] = 10000;
    r.Value[1][7] = 0;
    r.Value[2][7] = 0;
    EXPECT_EQ(r.Check(), "");                   // a certain outcome is allowed
    EXPECT_NE(ProbabilityRecord{}.Check(), ""); // all zero adds up to nothing
}

// Against the exact shares: every value is its share rounded down or up, the rounding-up goes
// to the largest remainders, and each match adds up to 10,000.
TEST(ProbabilityRecord, OddsLoseTheirMarginInProportion)
{
    std::mt19937 gen(20);
    std::uniform_real_distribution<double> odd(1.0, 30.0);
    for (int round = 0; round < 200; ++round) {
        Odds o;
        for (auto& row : o) {
            for (double& x : row) {
                // Two decimals, as bookmakers quote them.
                x = std::round(odd(gen) * 100.0) / 100.0;
            }
        }
        std::string why = "x";
        const auto r = ProbabilityRecord::FromOdds(o, why);
        ASSERT_TRUE(r.has_value()) << why;
        EXPECT_EQ(why, "");
        EXPECT_EQ(r->Check(), "");
        for (int m = 0; m < 13; ++m) {
            const double sum = 1 / o[0][m] + 1 / o[1][m] + 1 / o[2][m];
            double rem[3];
            int ups = 0;
            for (int k = 0; k < 3; ++k) {
                const double exact = (1 / o[k][m]) / sum * 10000;
                const double lo = std::floor(exact);
                ASSERT_TRUE(r->Value[k][m] == lo || r->Value[k][m] == lo + 1) << exact;
                rem[k] = exact - lo;
                ups += r->Value[k][m] == lo + 1;
            }
            // Whoever was rounded up had a remainder no smaller than whoever was not.
            for (int a = 0; a < 3; ++a) {
                for (int b = 0; b < 3; ++b) {
                    const double ea = (1 / o[a][m]) / sum * 10000;
                    const double eb = (1 / o[b][m]) / sum * 10000;
                    if (r->Value[a][m] > std::floor(ea) && r->Value[b][m] == std::floor(eb)) {
                        EXPECT_GE(rem[a] + 1e-9, rem[b]);
                    }
                }
            }
            EXPECT_LE(ups, 2);
        }
    }
    std::string why;
    // 2.0 / 4.0 / 4.0 carry a margin of nothing: 50 / 25 / 25 exactly.
    auto r = ProbabilityRecord::FromOdds(SameOdds(2.0, 4.0, 4.0), why);
    ASSERT_TRUE(r);
    EXPECT_EQ(r->Value[0][3], 5000);
    EXPECT_EQ(r->Value[1][3], 2500);
    EXPECT_EQ(r->Value[2][3], 2500);
    // Equal odds with a margin: thirds, the unit left over to the lowest outcome code.
    r = ProbabilityRecord::FromOdds(SameOdds(2.7, 2.7, 2.7), why);
    ASSERT_TRUE(r);
    EXPECT_EQ(r->Value[0][0], 3334);
    EXPECT_EQ(r->Value[1][0], 3333);
    EXPECT_EQ(r->Value[2][0], 3333);
}

TEST(ProbabilityRecord, OddsThatAreNoOddsAreRefused)
{
    for (const double bad : {0.5, 0.0, -2.0, std::numeric_limits<double>::quiet_NaN(),
                             std::numeric_limits<double>::infinity()}) {
        Odds o = SameOdds(2.0, 3.0, 4.0);
        o[2][6] = bad;
        std::string why;
        EXPECT_FALSE(ProbabilityRecord::FromOdds(o, why).has_value()) << bad;
        EXPECT_NE(why.find("7試合目の「2」のオッズ"), std::string::npos) << why;
    }
    // Exactly 1.0 is a (sure) price, not an error.
    std::string why;
    EXPECT_TRUE(ProbabilityRecord::FromOdds(SameOdds(1.0, 3.0, 4.0), why).has_value()) << why;
}

TEST(ProbabilityRecord, VoteRatesAreScaledToAWholeHundredPercent)
{
    VoteRecord v;
    for (auto& m : v.Match) {
        m.Rate = {*Currency::Parse("45.67"), *Currency::Parse("30.1"), *Currency::Parse("24.23")};
    }
    // Published rates that miss 100 by a hundredth: 33.33 x 3 = 99.99.
    v.Match[2].Rate = {*Currency::Parse("33.33"), *Currency::Parse("33.33"),
                       *Currency::Parse("33.33")};
    // Finer than a hundredth: 50.005 / 49.995 / 0 is 5000.5 / 4999.5, the tie to code 0.
    v.Match[3].Rate = {*Currency::Parse("50.005"), *Currency::Parse("49.995"), Currency()};
    std::string why;
    const auto r = ProbabilityRecord::FromVoteRates(v, why);
    ASSERT_TRUE(r.has_value()) << why;
    EXPECT_EQ(r->Check(), "");
    EXPECT_EQ(r->Value[0][0], 4567);
    EXPECT_EQ(r->Value[1][0], 3010);
    EXPECT_EQ(r->Value[2][0], 2423);
    EXPECT_EQ(r->Value[0][2], 3334);
    EXPECT_EQ(r->Value[1][2], 3333);
    EXPECT_EQ(r->Value[2][2], 3333);
    EXPECT_EQ(r->Value[0][3], 5001);
    EXPECT_EQ(r->Value[1][3], 4999);
    EXPECT_EQ(r->Value[2][3], 0);

    v.Match[9].Rate = {};
    EXPECT_FALSE(ProbabilityRecord::FromVoteRates(v, why).has_value());
    EXPECT_EQ(why, "10試合目の投票率がありません。");
    v.Match[9].Rate = {Currency::FromInt(-1), Currency::FromInt(60), Currency::FromInt(41)};
    EXPECT_FALSE(ProbabilityRecord::FromVoteRates(v, why).has_value());
    EXPECT_EQ(why, "10試合目の投票率が正しくありません。");
}
