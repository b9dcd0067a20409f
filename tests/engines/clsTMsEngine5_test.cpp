#include "EngineTestSupport.h"
#include "engines/clsTMsEngine3.h"
#include "engines/clsTMsEngine5.h"
#include "support/RecordingHost.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <set>
#include <string>

using namespace enginetest;

namespace {

// Own probabilities that favour one outcome of each match strongly, a different one from match
// to match, so the likely results lie in one corner of the multi.
ProbabilityRecord Skewed()
{
    ProbabilityRecord p;
    for (int m = 0; m < 13; ++m) {
        const std::array<std::int32_t, 3> share{7200, 2000, 800};
        for (int k = 0; k < 3; ++k) {
            p.Value[static_cast<std::size_t>((k + m) % 3)][static_cast<std::size_t>(m)] =
                share[static_cast<std::size_t>(k)];
        }
    }
    return p;
}

// Milder favourites: the likely results spread wider, and the greedy choice is often not the
// best pair or triple.
ProbabilityRecord Mild()
{
    ProbabilityRecord p;
    for (int m = 0; m < 13; ++m) {
        const std::array<std::int32_t, 3> share{4600, 3400, 2000};
        for (int k = 0; k < 3; ++k) {
            p.Value[static_cast<std::size_t>((k + 2 * m) % 3)][static_cast<std::size_t>(m)] =
                share[static_cast<std::size_t>(k)];
        }
    }
    return p;
}

// P(s) from the record, written out independently of the engine's tables.
double P(const ProbabilityRecord& prob, std::int32_t s)
{
    const auto d = Digits(s);
    double p = 1.0;
    for (int m = 0; m < 13; ++m) {
        p *= prob.Value[static_cast<std::size_t>(d[m])][static_cast<std::size_t>(m)] / 10000.0;
    }
    return p;
}

// Every number within lngRadius matches of s, ascending.
std::vector<std::int32_t> Ball(std::int32_t s, int lngRadius)
{
    std::vector<std::int32_t> v{s};
    std::int32_t pow = 1;
    std::vector<std::int32_t> pows;
    for (int m = 0; m < 13; ++m, pow *= 3) {
        pows.push_back(pow);
    }
    const auto d = Digits(s);
    for (int a = 0; a < 13; ++a) {
        for (int ca = 0; ca < 3; ++ca) {
            if (ca == d[a]) {
                continue;
            }
            const std::int32_t x = s + (ca - d[a]) * pows[a];
            v.push_back(x);
            for (int b = a + 1; lngRadius >= 2 && b < 13; ++b) {
                for (int cb = 0; cb < 3; ++cb) {
                    if (cb != d[b]) {
                        v.push_back(x + (cb - d[b]) * pows[b]);
                    }
                }
            }
        }
    }
    std::sort(v.begin(), v.end());
    return v;
}

// P of every result, once per record.
const std::vector<double>& PTable(const ProbabilityRecord& prob)
{
    static ProbabilityRecord held;
    static std::vector<double> table;
    if (table.empty() || !(held == prob)) {
        held = prob;
        table.resize(1594323);
        for (std::int32_t s = 0; s < 1594323; ++s) {
            table[static_cast<std::size_t>(s)] = P(prob, s);
        }
    }
    return table;
}

// The chance that the tickets win within lngRadius: the sum of P over the union of the balls.
double Chance(const ProbabilityRecord& prob, std::span<const std::int32_t> tickets, int lngRadius)
{
    const auto& p = PTable(prob);
    std::vector<std::int32_t> all;
    for (const std::int32_t t : tickets) {
        const auto b = Ball(t, lngRadius);
        all.insert(all.end(), b.begin(), b.end());
    }
    std::sort(all.begin(), all.end());
    all.erase(std::unique(all.begin(), all.end()), all.end());
    double sum = 0.0;
    for (const std::int32_t s : all) {
        sum += p[static_cast<std::size_t>(s)];
    }
    return sum;
}

// The best chance of any two or three distinct singles of the set, by trying every choice.
double BruteForce(const ProbabilityRecord& prob, const std::vector<std::int32_t>& set, int lngCount,
                  int lngRadius)
{
    const auto& p = PTable(prob);
    std::vector<std::vector<std::int32_t>> balls;
    for (const std::int32_t s : set) {
        balls.push_back(Ball(s, lngRadius));
    }
    std::vector<std::int32_t> stamp(1594323, 0);
    std::int32_t now = 0;
    double best = 0.0;
    const auto n = set.size();
    for (std::size_t i = 0; i < n; ++i) {
        for (std::size_t j = i + 1; j < n; ++j) {
            ++now;
            double pair = 0.0;
            for (const std::size_t k : {i, j}) {
                for (const std::int32_t x : balls[k]) {
                    if (stamp[static_cast<std::size_t>(x)] != now) {
                        stamp[static_cast<std::size_t>(x)] = now;
                        pair += p[static_cast<std::size_t>(x)];
                    }
                }
            }
            if (lngCount == 2) {
                best = std::max(best, pair);
                continue;
            }
            for (std::size_t k = j + 1; k < n; ++k) {
                double add = 0.0;
                for (const std::int32_t x : balls[k]) {
                    add += stamp[static_cast<std::size_t>(x)] == now
                               ? 0.0
                               : p[static_cast<std::size_t>(x)];
                }
                best = std::max(best, pair + add);
            }
        }
    }
    return best;
}

// The plain weighted greedy: each time the single that adds the most chance.
std::vector<std::int32_t> PlainGreedy(const ProbabilityRecord& prob,
                                      const std::vector<std::int32_t>& set, int lngCount,
                                      int lngRadius)
{
    const auto& p = PTable(prob);
    std::vector<std::uint8_t> covered(1594323, 0);
    std::vector<std::vector<std::int32_t>> balls;
    for (const std::int32_t s : set) {
        balls.push_back(Ball(s, lngRadius));
    }
    std::vector<std::int32_t> out;
    std::vector<std::uint8_t> taken(set.size(), 0);
    for (int n = 0; n < lngCount; ++n) {
        double bestGain = -1.0;
        std::size_t best = 0;
        for (std::size_t i = 0; i < set.size(); ++i) {
            double gain = 0.0;
            for (const std::int32_t x : balls[i]) {
                gain += covered[static_cast<std::size_t>(x)] != 0 ? 0.0
                                                                  : p[static_cast<std::size_t>(x)];
            }
            if (taken[i] == 0 && gain > bestGain) {
                bestGain = gain;
                best = i;
            }
        }
        taken[best] = 1;
        out.push_back(set[best]);
        for (const std::int32_t x : balls[best]) {
            covered[static_cast<std::size_t>(x)] = 1;
        }
    }
    return out;
}

struct BudgetRun
{
    RecordingHost host;
    clsTMsgLog log;
    clsTRandom random;
    clsTMsEngine5 engine;
    BudgetRun(std::uint64_t seed, std::optional<ProbabilityRecord> prob)
        : random(seed)
        , engine(host, host, random, std::move(prob))
    {
        engine.Initialize(log);
        // A run of the given seconds is a fixed number of looks at the window once the search
        // has started; the set-up's looks are free.
        host.OnDoEvents = [this](std::int64_t) {
            if (HasLine("最良")) {
                host.AdvanceMs(TickMs);
            }
        };
    }
    std::int64_t TickMs = 50;
    bool HasLine(std::string_view part) const
    {
        return std::any_of(log.Lines().begin(), log.Lines().end(),
                           [&](const std::string& s) { return s.find(part) != std::string::npos; });
    }
};

EngineSettingsRecord Budget(std::int32_t count, std::int32_t grade, std::int32_t seconds = 2)
{
    EngineSettingsRecord s;
    s.MsEngine = kBudgetEngine;
    s.SeBeginCount = count;
    s.SeGrade = grade;
    s.SeEndTime = seconds;
    return s;
}

// Distinct, and every one a single of the set.
void ExpectDistinctFromSet(const std::vector<std::int32_t>& got,
                           const std::vector<std::int32_t>& set)
{
    EXPECT_EQ(std::set<std::int32_t>(got.begin(), got.end()).size(), got.size());
    const std::set<std::int32_t> in(set.begin(), set.end());
    for (const std::int32_t t : got) {
        EXPECT_EQ(in.count(t), 1u) << t;
    }
}

// The optimisation engine's tickets on the same set, with the same number of looks.
std::vector<std::int32_t> EngineFive(const std::vector<std::int32_t>& set, std::int32_t count)
{
    EngineRun<clsTMsEngine3> r(7);
    r.host.TickPerDoEvents = 50;
    EngineSettingsRecord s;
    s.MsEngine = 5;
    s.SeBeginCount = count;
    s.SeEndTime = 2;
    EXPECT_TRUE(r.engine.EngineStart(set, s));
    return r.engine.SingleData();
}

} // namespace

TEST(clsTMsEngine5, SmallMultisReachTheExactOptimum)
{
    struct Case
    {
        std::array<int, 13> Width;
        double Share;
        int Count;
        int Grade;
    };
    const Case cases[] = {
        {{3, 3, 3, 3, 3, 1, 1, 1, 1, 1, 1, 1, 1}, 1.0, 2, 2},
        {{3, 3, 3, 3, 3, 1, 1, 1, 1, 1, 1, 1, 1}, 1.0, 2, 3},
        {{3, 3, 3, 3, 3, 3, 1, 1, 1, 1, 1, 1, 1}, 0.3, 3, 2},
        {{3, 3, 3, 3, 3, 3, 1, 1, 1, 1, 1, 1, 1}, 0.1, 3, 3},
        {{3, 3, 3, 3, 3, 1, 1, 1, 1, 1, 1, 1, 1}, 0.6, 2, 2},
        {{3, 3, 3, 3, 3, 1, 1, 1, 1, 1, 1, 1, 1}, 0.6, 3, 3},
    };
    int greedyMissed = 0;
    for (const Case& c : cases) {
        for (const ProbabilityRecord& prob : {Skewed(), Mild()}) {
            const auto set = RandomSubset(c.Width, c.Share, 11);
            const double best = BruteForce(prob, set, c.Count, c.Grade - 1);
            const double greedy =
                Chance(prob, PlainGreedy(prob, set, c.Count, c.Grade - 1), c.Grade - 1);
            greedyMissed += greedy < best * (1 - 1e-9) ? 1 : 0;
            for (std::uint64_t seed = 1; seed <= 2; ++seed) {
                BudgetRun r(seed, prob);
                ASSERT_TRUE(r.engine.EngineStart(set, Budget(c.Count, c.Grade)));
                const auto got = r.engine.SingleData();
                ASSERT_EQ(got.size(), static_cast<std::size_t>(c.Count));
                ExpectDistinctFromSet(got, set);
                const double chance = Chance(prob, got, c.Grade - 1);
                EXPECT_NEAR(chance, best, best * 1e-9)
                    << set.size() << " singles, " << c.Count << " tickets, grade " << c.Grade;
                // The figure the engine reports is the chance of the tickets it hands back.
                ASSERT_TRUE(r.engine.LastReach().has_value());
                EXPECT_NEAR(r.engine.LastReach()->Chance, chance, chance * 1e-9);
                EXPECT_TRUE(r.engine.LastReach()->Weighted);
            }
        }
    }
    // A case the greedy choice misses: the search has to find the optimum itself.
    EXPECT_GE(greedyMissed, 1);
}

TEST(clsTMsEngine5, LargeSetsBeatTheWeightedGreedyAndTheOptimisationEngine)
{
    const ProbabilityRecord prob = Skewed();
    const auto set = RandomSubset({3, 3, 3, 3, 3, 3, 3, 3, 1, 1, 1, 1, 1}, 0.5, 21);
    ASSERT_GT(set.size(), 3000u);
    struct Case
    {
        int Count;
        int Grade;
    };
    for (const Case c : {Case{20, 3}, Case{50, 2}, Case{100, 2}, Case{50, 3}}) {
        BudgetRun r(3, prob);
        ASSERT_TRUE(r.engine.EngineStart(set, Budget(c.Count, c.Grade)));
        const auto got = r.engine.SingleData();
        ASSERT_EQ(got.size(), static_cast<std::size_t>(c.Count));
        ExpectDistinctFromSet(got, set);
        const double chance = Chance(prob, got, c.Grade - 1);
        const double greedy =
            Chance(prob, PlainGreedy(prob, set, c.Count, c.Grade - 1), c.Grade - 1);
        const double five = Chance(prob, EngineFive(set, c.Count), c.Grade - 1);
        EXPECT_GE(chance, greedy * (1 - 1e-12)) << c.Count << " tickets, grade " << c.Grade;
        EXPECT_GE(chance, five) << c.Count << " tickets, grade " << c.Grade;
        EXPECT_NEAR(r.engine.LastReach()->Chance, chance, chance * 1e-9);
    }
}

TEST(clsTMsEngine5, WithoutProbabilitiesCoversAtLeastAsManySinglesAsTheOptimisationEngine)
{
    for (const unsigned seed : {5u, 6u}) {
        const auto set = RandomSubset({3, 3, 3, 3, 3, 3, 3, 1, 1, 1, 1, 1, 1}, 0.4, seed);
        for (const int count : {10, 40}) {
            BudgetRun r(seed, std::nullopt);
            ASSERT_TRUE(r.engine.EngineStart(set, Budget(count, 2)));
            const auto got = r.engine.SingleData();
            ASSERT_EQ(got.size(), static_cast<std::size_t>(count));
            ExpectDistinctFromSet(got, set);
            const int covered = static_cast<int>(set.size()) - UncoveredCount(set, got, 1);
            const auto five = EngineFive(set, count);
            const int fiveCovered = static_cast<int>(set.size()) - UncoveredCount(set, five, 1);
            EXPECT_GE(covered, fiveCovered) << count << " tickets";
            const auto& reach = r.engine.LastReach();
            ASSERT_TRUE(reach.has_value());
            EXPECT_FALSE(reach->Weighted);
            EXPECT_EQ(reach->Covered, covered);
            EXPECT_EQ(reach->Targets, static_cast<std::int64_t>(set.size()));
        }
    }
}

TEST(clsTMsEngine5, ABudgetAboveTheSetKeepsTheSetOnceAndRepeatsCountOnce)
{
    const std::int32_t b = No({0, 1, 1, 2, 0, 0, 1, 2, 2, 1, 0, 1, 0});
    const std::vector<std::int32_t> set{b, b + 1, b, 1594322, b + 1};
    BudgetRun r(1, Skewed());
    ASSERT_TRUE(r.engine.EngineStart(set, Budget(10, 2)));
    auto got = r.engine.SingleData();
    std::sort(got.begin(), got.end());
    EXPECT_EQ(got, (std::vector<std::int32_t>{b, b + 1, 1594322}));
    EXPECT_TRUE(r.HasLine("3口（300円）で2等以上の確率を最大化中...")) << r.log.Text();
}

TEST(clsTMsEngine5, SameSeedSameTicketsAndTheLogTellsTheBest)
{
    const auto set = RandomSubset({3, 3, 3, 3, 3, 3, 3, 1, 1, 1, 1, 1, 1}, 0.5, 8);
    std::vector<std::int32_t> first;
    for (int i = 0; i < 2; ++i) {
        BudgetRun r(42, Skewed());
        ASSERT_TRUE(r.engine.EngineStart(set, Budget(15, 3)));
        if (i == 0) {
            first = r.engine.SingleData();
        } else {
            EXPECT_EQ(r.engine.SingleData(), first);
        }
        EXPECT_TRUE(r.HasLine("15口（1,500円）で3等以上の確率を最大化中...")) << r.log.Text();
        EXPECT_TRUE(r.HasLine("最良 3等以上 ")) << r.log.Text();
        EXPECT_TRUE(r.HasLine("指定時間になったので検索を終了します")) << r.log.Text();
        EXPECT_NE(r.log.Text().find("確定　" + clsTMsEngine5::ReachText(*r.engine.LastReach())),
                  std::string::npos)
            << r.log.Text();
    }
}

TEST(clsTMsEngine5, TimeLimitStopAndBadGrade)
{
    const auto set = RandomSubset({3, 3, 3, 3, 3, 3, 3, 1, 1, 1, 1, 1, 1}, 0.5, 9);
    {
        // 0 seconds is the default limit, not a run without end.
        BudgetRun r(1, Skewed());
        r.TickMs = 500;
        ASSERT_TRUE(r.engine.EngineStart(set, Budget(20, 2, 0)));
        EXPECT_GE(r.host.TickMs(), kBudgetSeconds * 1000);
        EXPECT_LT(r.host.TickMs(), kBudgetSeconds * 1000 + 2000);
        EXPECT_EQ(r.engine.SingleCount(), 20);
    }
    {
        // A stop keeps the best set found so far.
        BudgetRun r(1, Skewed());
        r.TickMs = 0;
        int events = 0;
        r.host.OnDoEvents = [&](std::int64_t) {
            if (r.HasLine("最良") && ++events == 5) {
                r.engine.EngineStop();
            }
        };
        ASSERT_TRUE(r.engine.EngineStart(set, Budget(20, 2, 0)));
        EXPECT_EQ(r.engine.SingleCount(), 20);
        EXPECT_TRUE(r.HasLine("中断　2等以上 ")) << r.log.Text();
        EXPECT_FALSE(r.HasLine("指定時間")) << r.log.Text();
    }
    {
        BudgetRun r(1, Skewed());
        EXPECT_FALSE(r.engine.EngineStart(set, Budget(20, 4)));
        EXPECT_NE(r.engine.LastError().Description.find("保証等級は 2 か 3 です: 4"),
                  std::string::npos);
        EXPECT_EQ(r.engine.SingleCount(), 0);
        EXPECT_FALSE(r.engine.LastReach().has_value());
    }
}
