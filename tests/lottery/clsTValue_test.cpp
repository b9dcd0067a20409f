#include "lottery/clsTMoney.h"
#include "lottery/clsTNumber.h"
#include "lottery/clsTValue.h"
#include "support/RecordingHost.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

namespace {

using Kousei = std::array<std::int32_t, 13>;

Kousei Digits(std::int32_t no)
{
    Kousei c;
    for (int m = 0; m < 13; ++m, no /= 3) {
        c[m] = no % 3;
    }
    return c;
}

int Distance(const Kousei& a, const Kousei& b)
{
    int d = 0;
    for (int m = 0; m < 13; ++m) {
        d += a[m] != b[m];
    }
    return d;
}

ProbabilityRecord RandomProbabilities(std::mt19937& gen)
{
    ProbabilityRecord p;
    std::uniform_int_distribution<std::int32_t> cut(0, 10000);
    for (int m = 0; m < 13; ++m) {
        std::int32_t a = cut(gen);
        std::int32_t b = cut(gen);
        if (a > b) {
            std::swap(a, b);
        }
        if (m == 4) {
            b = a; // a match with an impossible outcome
        }
        p.Value[0][m] = a;
        p.Value[1][m] = b - a;
        p.Value[2][m] = 10000 - b;
    }
    return p;
}

VoteRecord RandomVotes(std::mt19937& gen, std::int32_t lngKaisaikai)
{
    VoteRecord v;
    v.Kaisaikai = lngKaisaikai;
    std::uniform_int_distribution<std::int64_t> votes(1, 500000);
    for (auto& m : v.Match) {
        m.Votes = {Currency::FromInt(votes(gen)), Currency::FromInt(votes(gen)),
                   Currency::FromInt(votes(gen))};
    }
    return v;
}

// Everything as the definitions read: P as the product over matches 1..13, the payouts from
// the estimator one result at a time, the set's chance by the nearest ticket of every result.
struct Oracle
{
    const ProbabilityRecord& prob;
    const clsTMoney& money;
    int maxGrade;

    double P(std::int32_t s) const
    {
        const Kousei c = Digits(s);
        double p = 1.0;
        for (int m = 0; m < 13; ++m) {
            p *= prob.Value[c[m]][m] / 10000.0;
        }
        return p;
    }
    double EV(std::int32_t t) const
    {
        const Kousei ct = Digits(t);
        double ev = 0.0;
        for (std::int32_t s = 0; s < clsTNumber::SingleCount; ++s) {
            const Kousei cs = Digits(s);
            const int d = Distance(cs, ct);
            if (d == 0) {
                ev += P(s) * money.GetMoney1(cs).ToDouble();
            } else if (d == 1) {
                ev += P(s) * money.GetMoney2(cs).ToDouble();
            } else if (d == 2 && maxGrade >= 3) {
                ev += P(s) * money.GetMoney3(cs).ToDouble();
            }
        }
        return ev;
    }
    std::array<double, 3> Chance(const std::vector<std::int32_t>& set) const
    {
        std::vector<Kousei> tickets;
        for (std::int32_t t : set) {
            tickets.push_back(Digits(t));
        }
        std::array<double, 3> within{};
        for (std::int32_t s = 0; s < clsTNumber::SingleCount; ++s) {
            const Kousei cs = Digits(s);
            int nearest = 13;
            for (const Kousei& t : tickets) {
                nearest = std::min(nearest, Distance(cs, t));
            }
            for (int d = nearest; d < 3; ++d) {
                within[d] += P(s);
            }
        }
        return within;
    }
};

void ExpectNear(double actual, double expect, const char* what)
{
    EXPECT_NEAR(actual, expect, 1e-12 * std::max(1.0, std::abs(expect))) << what;
}

class Value : public ::testing::Test
{
protected:
    RecordingHost rec;
    std::mt19937 gen{2026};
};

} // namespace

TEST_F(Value, ProbabilityOfASingleIsTheProductOfItsOutcomes)
{
    clsTValue value(rec.Host().Message);
    clsTMoney money(rec.Host().Message);
    for (int round = 0; round < 3; ++round) {
        const ProbabilityRecord p = RandomProbabilities(gen);
        ASSERT_TRUE(value.SetProbability(p));
        const Oracle o{p, money, 3};
        std::uniform_int_distribution<std::int32_t> no(0, clsTNumber::SingleCount - 1);
        std::vector<std::int32_t> list(500);
        for (auto& s : list) {
            s = no(gen);
        }
        list.push_back(0);
        list.push_back(clsTNumber::SingleCount - 1);
        list.push_back(list[3]); // duplicates are answered at each place
        std::vector<double> out(list.size(), -1.0);
        ASSERT_TRUE(value.GetPList(list, out));
        for (std::size_t i = 0; i < list.size(); ++i) {
            ExpectNear(out[i], o.P(list[i]), "P");
            EXPECT_EQ(value.GetP(list[i]), out[i]);
        }
    }
    // All singles together are certain.
    std::vector<std::int32_t> all(clsTNumber::SingleCount);
    for (std::int32_t s = 0; s < clsTNumber::SingleCount; ++s) {
        all[static_cast<std::size_t>(s)] = s;
    }
    std::vector<double> out(all.size());
    ASSERT_TRUE(value.GetPList(all, out));
    double sum = 0.0;
    for (double x : out) {
        sum += x;
    }
    EXPECT_NEAR(sum, 1.0, 1e-9);
    EXPECT_TRUE(rec.Messages.empty()) << rec.AllMessageText();
}

TEST_F(Value, BadInputIsReportedAndChangesNothing)
{
    clsTValue value(rec.Host().Message);
    const ProbabilityRecord p = RandomProbabilities(gen);
    ASSERT_TRUE(value.SetProbability(p));
    const double before = value.GetP(12345);
    ProbabilityRecord bad = p;
    bad.Value[1][3] += 1;
    EXPECT_FALSE(value.SetProbability(bad));
    EXPECT_EQ(value.GetP(12345), before);
    ASSERT_EQ(rec.Messages.size(), 1u);
    EXPECT_EQ(rec.Messages[0].Caption, "Kelvra / clsTValue / SetProbability");

    EXPECT_EQ(value.GetP(clsTNumber::SingleCount), 0.0);
    std::vector<std::int32_t> list = {1, -1};
    std::vector<double> out(2, 7.0);
    EXPECT_FALSE(value.GetPList(list, out));
    std::vector<double> shortOut(1);
    EXPECT_FALSE(value.GetPList(std::vector<std::int32_t>{1, 2}, shortOut));
    clsTValue::SetValue set;
    set.EV = 99.0;
    EXPECT_FALSE(value.GetSetValue(list, set));
    EXPECT_EQ(set.EV, 99.0);
    EXPECT_EQ(rec.Messages.size(), 5u);
}

// EV and the set's chance of random small sets against the definitions, in a round of three
// grades and in one of two.
TEST_F(Value, ExpectedValueAndSetChanceMatchTheDefinitions)
{
    for (const std::int32_t kaisaikai : {1200, 230}) {
        const ProbabilityRecord p = RandomProbabilities(gen);
        const VoteRecord v = RandomVotes(gen, kaisaikai);
        clsTValue value(rec.Host().Message);
        ASSERT_TRUE(value.SetProbability(p));
        ASSERT_TRUE(value.SetVote(v));
        clsTMoney money(rec.Host().Message);
        money.SetVote(v);
        const Oracle o{p, money, kaisaikai == 230 ? 2 : 3};
        EXPECT_EQ(value.MaxGrade(), o.maxGrade);

        // A small multi: a few singles close together (sharing neighbours) and a far one.
        std::uniform_int_distribution<std::int32_t> no(0, clsTNumber::SingleCount - 1);
        const std::int32_t base = no(gen);
        std::vector<std::int32_t> set = {base, base, no(gen)};
        Kousei c = Digits(base);
        c[0] = (c[0] + 1) % 3;
        set.push_back(clsTNumber::LongToNo(c));
        c[7] = (c[7] + 2) % 3;
        set.push_back(clsTNumber::LongToNo(c));
        std::vector<double> ev(set.size());
        ASSERT_TRUE(value.GetEVList(set, ev));
        double sumEV = 0.0;
        for (std::size_t i = 0; i < set.size(); ++i) {
            const double expect = o.EV(set[i]);
            ExpectNear(ev[i], expect, "EV");
            EXPECT_EQ(value.GetEV(set[i]), ev[i]);
            sumEV += expect;
        }
        EXPECT_GT(sumEV, 0.0);

        clsTValue::SetValue sv;
        ASSERT_TRUE(value.GetSetValue(set, sv));
        const auto within = o.Chance(set);
        ExpectNear(sv.Grade1, within[0], "1st");
        ExpectNear(sv.Grade2, within[1], "2nd");
        ExpectNear(sv.Within2, within[2], "within 2");
        ExpectNear(sv.Grade3, kaisaikai == 230 ? within[1] : within[2], "3rd");
        ExpectNear(sv.EV, sumEV, "set EV"); // the duplicate counts twice
        EXPECT_EQ(sv.Cost, Currency::FromInt(500));
        EXPECT_TRUE(rec.Messages.empty()) << rec.AllMessageText();
    }
}

TEST_F(Value, NewProbabilitiesOrVotesRebuildTheTables)
{
    const VoteRecord v = RandomVotes(gen, 800);
    clsTValue value(rec.Host().Message);
    ASSERT_TRUE(value.SetVote(v));
    ProbabilityRecord p = RandomProbabilities(gen);
    ASSERT_TRUE(value.SetProbability(p));
    const std::int32_t t = 777777;
    const double first = value.GetEV(t);
    p = RandomProbabilities(gen);
    ASSERT_TRUE(value.SetProbability(p));
    clsTMoney money(rec.Host().Message);
    money.SetVote(v);
    ExpectNear(value.GetEV(t), (Oracle{p, money, 3}.EV(t)), "after new probabilities");
    EXPECT_NE(value.GetEV(t), first);
    const VoteRecord w = RandomVotes(gen, 800);
    ASSERT_TRUE(value.SetVote(w));
    money.SetVote(w);
    ExpectNear(value.GetEV(t), (Oracle{p, money, 3}.EV(t)), "after new votes");
    // An empty set has no chance, worth or cost.
    clsTValue::SetValue sv;
    ASSERT_TRUE(value.GetSetValue({}, sv));
    EXPECT_EQ(sv.Grade3, 0.0);
    EXPECT_EQ(sv.EV, 0.0);
    EXPECT_EQ(sv.Cost, Currency());
}
