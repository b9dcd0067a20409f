#include "lottery/clsTMoney.h"
#include "lottery/clsTNumber.h"
#include "support/RecordingHost.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cstdlib>
#include <random>
#include <vector>

namespace {

using Kousei = std::vector<std::int32_t>;

VoteRecord Votes(std::int32_t lngKaisaikai, std::int64_t v0, std::int64_t v1, std::int64_t v2)
{
    VoteRecord r;
    r.Kaisaikai = lngKaisaikai;
    for (auto& m : r.Match) {
        m.Votes = {Currency::FromInt(v0), Currency::FromInt(v1), Currency::FromInt(v2)};
    }
    return r;
}

// The estimate exactly as the rules are written: rates from the counts, pools from the
// decimal base and shares, every product over matches 1..13 from scratch, sums in term order.
struct Oracle
{
    double pool[3];
    double rate[13][3];
    double miss[13][3];

    explicit Oracle(const VoteRecord& v)
    {
        const int n = v.Kaisaikai;
        const char* p1 = n < 156 ? "23.5" : (n >= 261 ? "35" : (n >= 198 ? "40" : "25"));
        const char* p2 = n < 156 ? "9.4" : (n >= 261 ? "7.5" : "10");
        const char* p3 = n < 156 ? "14.1" : (n >= 261 ? "7.5" : (n >= 198 ? "0" : "15"));
        pool[0] = std::strtod(p1, nullptr) * 1e26;
        pool[1] = std::strtod(p2, nullptr) * 1e26;
        pool[2] = std::strtod(p3, nullptr) * 1e26;
        for (int m = 0; m < 13; ++m) {
            std::int32_t total = 0;
            for (int k = 0; k < 3; ++k) {
                total += static_cast<std::int32_t>(v.Match[m].Votes[k].Truncate());
            }
            for (int k = 0; k < 3; ++k) {
                rate[m][k] = total != 0 ? v.Match[m].Votes[k].ToDouble() / total * 100 : 0.0;
                miss[m][k] = 100 - rate[m][k];
            }
        }
    }
    double Term(const Kousei& c, int i, int j) const
    {
        double d = 1;
        for (int m = 0; m < 13; ++m) {
            d = d * ((m == i || m == j) ? miss[m][c[m]] : rate[m][c[m]]);
        }
        return d;
    }
    double D1(const Kousei& c) const { return Term(c, -1, -1); }
    double D2(const Kousei& c) const
    {
        double d = 0;
        for (int i = 0; i < 13; ++i) {
            d = d + Term(c, i, -1);
        }
        return d;
    }
    double D3(const Kousei& c) const
    {
        double d = 0;
        for (int i = 0; i < 12; ++i) {
            for (int j = i + 1; j < 13; ++j) {
                d = d + Term(c, i, j);
            }
        }
        return d;
    }
};

bool Same(double a, double b)
{
    return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

Kousei KouseiOf(std::int32_t no)
{
    Kousei k(13);
    for (int i = 0; i < 13; ++i, no /= 3) {
        k[i] = no % 3;
    }
    return k;
}

TEST(clsTMoney, AllVotesOnTheSingleGivesBaseTimesShare)
{
    RecordingHost host;
    clsTMoney money(host);
    money.SetVote(Votes(150, 0, 1234, 0));
    const Kousei home(13, 1);
    EXPECT_EQ(Currency::FromInt(23), money.GetMoney1(home)); // 23.5, fraction dropped
    // Every other single names an outcome nobody voted for.
    Kousei other = home;
    other[4] = 0;
    EXPECT_EQ(Currency(), money.GetMoney1(other));
    EXPECT_TRUE(host.Messages.empty());
}

TEST(clsTMoney, HalfTheVotesInEveryMatch)
{
    RecordingHost host;
    clsTMoney money(host);
    money.SetVote(Votes(300, 25, 50, 25));
    EXPECT_EQ(Currency::FromInt(286720), money.GetMoney1(Kousei(13, 1))); // 35 x 2^13
    EXPECT_DOUBLE_EQ(35e26, money.Pool(1));
    EXPECT_DOUBLE_EQ(7.5e26, money.Pool(3));
    EXPECT_DOUBLE_EQ(75.0, money.Miss(0, 0));
}

TEST(clsTMoney, PoolsFollowTheRound)
{
    RecordingHost host;
    clsTMoney money(host);
    const struct
    {
        std::int32_t round;
        double p1, p2, p3;
    } rows[] = {{155, 23.5, 9.4, 14.1}, {156, 25, 10, 15}, {197, 25, 10, 15},
                {198, 40, 10, 0},       {260, 40, 10, 0},  {261, 35, 7.5, 7.5}};
    for (const auto& r : rows) {
        money.SetVote(Votes(r.round, 1, 1, 1));
        EXPECT_DOUBLE_EQ(r.p1 * 1e26, money.Pool(1)) << r.round;
        EXPECT_DOUBLE_EQ(r.p2 * 1e26, money.Pool(2)) << r.round;
        EXPECT_DOUBLE_EQ(r.p3 * 1e26, money.Pool(3)) << r.round;
    }
    money.SetVote(Votes(200, 10, 20, 30));
    for (std::int32_t no : {0, 5000, 797161, 1594322}) {
        EXPECT_EQ(Currency(), money.GetMoney3(KouseiOf(no)));
        EXPECT_LT(Currency(), money.GetMoney2(KouseiOf(no)));
    }
}

TEST(clsTMoney, MatchWithoutVotesLeavesOnlyItsMissTerm)
{
    RecordingHost host;
    clsTMoney money(host);
    VoteRecord v = Votes(500, 20, 50, 30);
    v.Match[6].Votes = {};
    money.SetVote(v);
    const Kousei k(13, 1);
    EXPECT_EQ(0.0, money.Rate(6, 1));
    EXPECT_EQ(100.0, money.Miss(6, 2));
    EXPECT_EQ(Currency(), money.GetMoney1(k));
    double d = 1;
    for (int m = 0; m < 13; ++m) {
        d *= m == 6 ? 100.0 : 50.0;
    }
    const auto div = money.GetDivisors(k);
    EXPECT_EQ(0.0, div[0]);
    EXPECT_TRUE(Same(d, div[1]));
    EXPECT_EQ(clsTMoney::ToYen(7.5e26, d), money.GetMoney2(k));
    EXPECT_LT(Currency(), money.GetMoney3(k));
}

TEST(clsTMoney, ConversionToWholeYen)
{
    // Rounded to four decimals first: a hair under a whole yen becomes that yen.
    EXPECT_EQ(Currency::FromInt(24), clsTMoney::ToYen(23.99996, 1.0));
    EXPECT_EQ(Currency::FromInt(23), clsTMoney::ToYen(23.99994, 1.0));
    EXPECT_EQ(Currency::FromInt(24), clsTMoney::ToYen(24.00001, 1.0));
    EXPECT_EQ(Currency::FromInt(23), clsTMoney::ToYen(23.5, 1.0));
    EXPECT_EQ(Currency::FromInt(0), clsTMoney::ToYen(0.99994, 1.0));
    EXPECT_EQ(Currency::FromInt(1), clsTMoney::ToYen(0.99995, 1.0));
    // Divisors that are not positive give nothing, not the cap.
    EXPECT_EQ(Currency(), clsTMoney::ToYen(1e26, 0.0));
    EXPECT_EQ(Currency(), clsTMoney::ToYen(1e26, -1.0));
    EXPECT_EQ(Currency(), clsTMoney::ToYen(0.0, 5.0));
    // The cap.
    const Currency cap = Currency::FromInt(99999999999);
    EXPECT_EQ(cap, clsTMoney::ToYen(99999999999.0, 1.0));
    EXPECT_EQ(cap, clsTMoney::ToYen(99999999999.4, 1.0));
    EXPECT_EQ(cap, clsTMoney::ToYen(1e300, 1e-300));
    EXPECT_EQ(cap, clsTMoney::ToYen(1e26, 5e-324));
    EXPECT_EQ(Currency::FromInt(99999999998), clsTMoney::ToYen(99999999998.5, 1.0));
    EXPECT_EQ(cap, clsTMoney::ToYen(99999999998.99997, 1.0));
}

TEST(clsTMoney, TinyDivisorIsCappedAndZeroVoteOutcomeGivesNothing)
{
    RecordingHost host;
    clsTMoney money(host);
    VoteRecord v = Votes(400, 1, 1000000, 1);
    v.Match[2].Votes[2] = Currency();
    money.SetVote(v);
    Kousei k(13, 0); // the draw, with one vote in a million, everywhere
    EXPECT_EQ(Currency::FromInt(99999999999), money.GetMoney1(k));
    EXPECT_EQ(Currency::FromInt(99999999999), money.GetMoney3(k));
    k[2] = 2; // nobody voted for it: D1 = 0, so nothing rather than the cap
    EXPECT_EQ(0.0, money.GetDivisors(k)[0]);
    EXPECT_EQ(Currency(), money.GetMoney1(k));
    EXPECT_LT(Currency(), money.GetMoney2(k));
}

TEST(clsTMoney, BadCompositionsAreReportedAndGiveZero)
{
    RecordingHost host;
    clsTMoney money(host);
    money.SetVote(Votes(300, 1, 2, 3));
    EXPECT_EQ(Currency(), money.GetMoney1(Kousei(12, 1)));
    EXPECT_EQ("Kelvra / clsTMoney / GetMoney1", host.Messages.back().Caption);
    Kousei k(13, 1);
    k[12] = 3;
    EXPECT_EQ(Currency(), money.GetMoney2(k));
    EXPECT_EQ("Kelvra / clsTMoney / GetMoney2", host.Messages.back().Caption);
    k[12] = -1;
    EXPECT_EQ(Currency(), money.GetMoney3(k));
    EXPECT_EQ("Kelvra / clsTMoney / GetMoney3", host.Messages.back().Caption);
    std::vector<Currency> out(2);
    const std::vector<std::int32_t> bad = {5, 1594323};
    EXPECT_FALSE(money.GetMoneyList(bad, out, {}, {}));
    EXPECT_EQ("Kelvra / clsTMoney / GetMoneyList", host.Messages.back().Caption);
    const std::vector<std::int32_t> good = {5, 6, 7};
    EXPECT_FALSE(money.GetMoneyList(good, out, {}, {}));
    EXPECT_EQ(5u, host.Messages.size());
}

TEST(clsTMoney, EstimatorWithoutVotesGivesZero)
{
    RecordingHost host;
    clsTMoney money(host);
    EXPECT_EQ(Currency(), money.GetMoney1(Kousei(13, 0)));
    EXPECT_EQ(Currency(), money.GetMoney2(Kousei(13, 0)));
    EXPECT_EQ(Currency(), money.GetMoney3(Kousei(13, 0)));
}

// Both the single and the list evaluation against the product-by-product oracle, bit for bit.
TEST(clsTMoney, SharedPrefixesGiveBitIdenticalResults)
{
    RecordingHost host;
    clsTMoney money(host);
    std::mt19937 rng(2024);
    std::vector<VoteRecord> records;
    {
        VoteRecord a; // realistic counts
        a.Kaisaikai = 1450;
        for (auto& m : a.Match) {
            for (auto& c : m.Votes) {
                c = Currency::FromInt(1 + rng() % 3000000);
            }
        }
        records.push_back(a);
        VoteRecord b = a; // no votes in two matches, zero-vote outcomes in others
        b.Kaisaikai = 230;
        b.Match[0].Votes = {};
        b.Match[9].Votes = {};
        b.Match[3].Votes[1] = Currency();
        b.Match[12].Votes[0] = Currency();
        records.push_back(b);
        VoteRecord c = a; // lopsided counts, old round
        c.Kaisaikai = 100;
        for (auto& m : c.Match) {
            m.Votes[rng() % 3] = Currency::FromInt(7);
        }
        records.push_back(c);
        records.push_back(Votes(300, 1, 1, 1)); // ties everywhere
    }
    std::vector<std::int32_t> singles(100000);
    for (auto& s : singles) {
        s = static_cast<std::int32_t>(rng() % clsTNumber::SingleCount);
    }
    singles[1] = singles[0]; // a duplicate
    for (const VoteRecord& v : records) {
        money.SetVote(v);
        const Oracle o(v);
        std::vector<double> d1(singles.size()), d2(singles.size()), d3(singles.size());
        std::vector<Currency> c1(singles.size()), c2(singles.size()), c3(singles.size());
        ASSERT_TRUE(money.GetDivisorList(singles, d1, d2, d3));
        ASSERT_TRUE(money.GetMoneyList(singles, c1, c2, c3));
        for (std::size_t t = 0; t < singles.size(); ++t) {
            const Kousei k = KouseiOf(singles[t]);
            const double e1 = o.D1(k), e2 = o.D2(k), e3 = o.D3(k);
            ASSERT_TRUE(Same(e1, d1[t]) && Same(e2, d2[t]) && Same(e3, d3[t]))
                << "round " << v.Kaisaikai << " single " << singles[t];
            if (t % 8 == 0) {
                const auto d = money.GetDivisors(k);
                ASSERT_TRUE(Same(e1, d[0]) && Same(e2, d[1]) && Same(e3, d[2]));
                ASSERT_EQ(c1[t], money.GetMoney1(k));
                ASSERT_EQ(c2[t], money.GetMoney2(k));
                ASSERT_EQ(c3[t], money.GetMoney3(k));
            }
            ASSERT_EQ(clsTMoney::ToYen(o.pool[0], e1), c1[t]);
            ASSERT_EQ(clsTMoney::ToYen(o.pool[1], e2), c2[t]);
            ASSERT_EQ(clsTMoney::ToYen(o.pool[2], e3), c3[t]);
        }
    }

    // With a pump, long lists process events in both walks (ascending and any order) and
    // give the same figures.
    {
        clsTMoney pumped(host);
        pumped.SetVote(records.front());
        money.SetVote(records.front());
        pumped.SetPump(&host);
        std::vector<std::int32_t> ascending = singles;
        std::sort(ascending.begin(), ascending.end());
        for (const auto* list : {&singles, &ascending}) {
            std::vector<Currency> a1(list->size()), a2(list->size()), a3(list->size());
            std::vector<Currency> b1(list->size()), b2(list->size()), b3(list->size());
            const auto before = host.DoEventsCount;
            ASSERT_TRUE(money.GetMoneyList(*list, a1, a2, a3));
            EXPECT_EQ(host.DoEventsCount, before);
            ASSERT_TRUE(pumped.GetMoneyList(*list, b1, b2, b3));
            EXPECT_GT(host.DoEventsCount, before);
            EXPECT_EQ(a1, b1);
            EXPECT_EQ(a2, b2);
            EXPECT_EQ(a3, b3);
        }
    }
    EXPECT_TRUE(host.Messages.empty());
}

// Lists where singles share all but the last two matches, complete and thinned out, and
// requests for some grades only: each grade asked for still matches the oracle bit for bit.
TEST(clsTMoney, DenseListsAndSingleGradesGiveBitIdenticalResults)
{
    RecordingHost host;
    clsTMoney money(host);
    std::mt19937 rng(77);
    VoteRecord v;
    v.Kaisaikai = 1300;
    for (auto& m : v.Match) {
        for (auto& c : m.Votes) {
            c = Currency::FromInt(1 + rng() % 2000000);
        }
    }
    money.SetVote(v);
    const Oracle o(v);
    std::vector<std::int32_t> singles;
    for (std::int32_t lo : {0, 1000, 2186}) {
        for (std::int32_t hi = 0; hi < 729; ++hi) {
            // Every fourth single is left out, so groups miss some codes of matches 12 and 13.
            if (lo == 1000 && rng() % 4 == 0) {
                continue;
            }
            // One code of match 12 only: no group has a neighbour to share the last sums with.
            if (lo == 2186 && hi / 81 % 3 != 1) {
                continue;
            }
            singles.push_back(lo + 2187 * hi);
        }
    }
    singles.push_back(singles[5]);
    const std::size_t n = singles.size();
    // Ascending, as the extraction run hands lists over, and in any order.
    for (int pass = 0; pass < 2; ++pass) {
        if (pass == 0) {
            std::sort(singles.begin(), singles.end());
        } else {
            std::shuffle(singles.begin(), singles.end(), rng);
        }
        for (int mask = 1; mask < 8; ++mask) {
            std::vector<Currency> c1((mask & 1) ? n : 0), c2((mask & 2) ? n : 0),
                c3((mask & 4) ? n : 0);
            std::vector<double> d1((mask & 1) ? n : 0), d2((mask & 2) ? n : 0),
                d3((mask & 4) ? n : 0);
            ASSERT_TRUE(money.GetMoneyList(singles, c1, c2, c3));
            ASSERT_TRUE(money.GetDivisorList(singles, d1, d2, d3));
            for (std::size_t t = 0; t < n; ++t) {
                const Kousei k = KouseiOf(singles[t]);
                if (mask & 1) {
                    ASSERT_TRUE(Same(o.D1(k), d1[t])) << mask << " single " << singles[t];
                    ASSERT_EQ(clsTMoney::ToYen(o.pool[0], o.D1(k)), c1[t]);
                }
                if (mask & 2) {
                    ASSERT_TRUE(Same(o.D2(k), d2[t])) << mask << " single " << singles[t];
                    ASSERT_EQ(clsTMoney::ToYen(o.pool[1], o.D2(k)), c2[t]);
                }
                if (mask & 4) {
                    ASSERT_TRUE(Same(o.D3(k), d3[t])) << mask << " single " << singles[t];
                    ASSERT_EQ(clsTMoney::ToYen(o.pool[2], o.D3(k)), c3[t]);
                }
            }
        }
    }
    EXPECT_TRUE(host.Messages.empty());
}

} // namespace

namespace {
// Vote counts as large as Currency holds (a damaged page or file): the sum of a match's three
// counts used to wrap into a negative total and negative rates, silently.
TEST(clsTMoney, VoteCountsWhoseSumOverflowsAreReportedAndGiveNoEstimates)
{
    RecordingHost host;
    clsTMoney money(host);
    ASSERT_TRUE(money.SetVote(Votes(300, 1, 1, 1)));
    EXPECT_GT(money.GetMoney1(Kousei(13, 0)), Currency());

    VoteRecord v = Votes(300, 1, 1, 1);
    v.Match[4].Votes = {*Currency::Parse("400000000000000"), *Currency::Parse("400000000000000"),
                        *Currency::Parse("400000000000000")};
    EXPECT_FALSE(money.SetVote(v));
    ASSERT_EQ(host.Messages.size(), 1u);
    EXPECT_EQ(host.Messages[0].Caption, "Kelvra / clsTMoney / SetVote");
    EXPECT_NE(host.Messages[0].Text.find("5試合目"), std::string::npos) << host.Messages[0].Text;
    EXPECT_NE(host.Messages[0].Text.find("( 6 )"), std::string::npos);
    // Nothing of the vote status is kept: no rate is negative, every estimate is 0.
    for (int m = 0; m < 13; ++m) {
        for (int k = 0; k < 3; ++k) {
            EXPECT_EQ(money.Rate(m, k), 0.0);
        }
    }
    EXPECT_EQ(money.GetMoney1(Kousei(13, 0)), Currency());
    EXPECT_EQ(money.GetMoney2(Kousei(13, 1)), Currency());

    // Counts that are huge but add up within the type give the plain rates.
    v.Match[4].Votes = {*Currency::Parse("300000000000000"), *Currency::Parse("300000000000000"),
                        *Currency::Parse("300000000000000")};
    EXPECT_TRUE(money.SetVote(v));
    EXPECT_DOUBLE_EQ(money.Rate(4, 1), 100.0 / 3);
    EXPECT_EQ(host.Messages.size(), 1u);
}
} // namespace
