#include "EngineTestSupport.h"
#include "engines/clsTMsEngine.h"
#include "lottery/clsTMoney.h"
#include "support/RecordingHost.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

using namespace enginetest;

namespace {

const std::array<int, 13> kMulti{3, 3, 3, 3, 2, 2, 1, 1, 1, 1, 1, 1, 1};

struct FrameRun
{
    RecordingHost host;
    clsTMsgLog log;
    clsTMsEngine frame;
    std::vector<std::int32_t> set;
    std::int32_t count = 0;
    clsTMsEngine::TousenArray tousen{9, 9, 9, 9, 9, 9};
    explicit FrameRun(std::uint64_t seed, std::vector<std::int32_t> singles)
        : frame(host, host, seed)
        , set(std::move(singles))
        , count(static_cast<std::int32_t>(set.size()))
    {
        frame.Initialize(log);
    }
    bool Go(const EngineSettingsRecord& s)
    {
        MarkArray marks{};
        for (int m = 0; m < 13; ++m) {
            for (int c = 0; c < kMulti[m]; ++c) {
                marks[c][m] = 1;
            }
        }
        return frame.EngineRun(count, set, s, marks, tousen);
    }
};

EngineSettingsRecord Engine(std::int32_t kind)
{
    EngineSettingsRecord s;
    s.MsEngine = kind;
    s.BeginCount = 40;
    s.EndCount = 1;
    s.EndTime = 1;
    s.SeBeginCount = 6;
    s.SeEndTime = 1;
    return s;
}

std::vector<std::int32_t> Hundred()
{
    auto v = MultiSingles(kMulti);
    v.resize(100);
    return v;
}

} // namespace

TEST(clsTMsEngine, NoEngineLeavesTheSetAndNoCounts)
{
    FrameRun r(1, Hundred());
    ASSERT_TRUE(r.Go(Engine(0)));
    EXPECT_EQ(r.set, Hundred());
    EXPECT_EQ(r.count, 100);
    EXPECT_EQ(r.tousen, (clsTMsEngine::TousenArray{0, 0, 0, 0, 0, 0}));
    EXPECT_FALSE(r.frame.Run());
}

TEST(clsTMsEngine, RandomExtractionDrawsDistinctSinglesOfTheSet)
{
    auto s = Engine(0);
    s.ChushutsuFlag = true;
    s.ChushutsuCount = 10;
    std::vector<std::vector<std::int32_t>> samples;
    for (const std::uint64_t seed : {1u, 1u, 2u}) {
        FrameRun r(seed, Hundred());
        ASSERT_TRUE(r.Go(s));
        ASSERT_EQ(r.count, 10);
        ASSERT_EQ(r.set.size(), 10u);
        const std::set<std::int32_t> distinct(r.set.begin(), r.set.end());
        EXPECT_EQ(distinct.size(), 10u);
        const auto all = Hundred();
        for (const auto x : r.set) {
            EXPECT_TRUE(std::count(all.begin(), all.end(), x) == 1);
        }
        EXPECT_EQ(r.tousen[0], 100);
        EXPECT_EQ(r.tousen[1], 10);
        EXPECT_EQ(r.tousen[4], 100 - UncoveredCount(all, r.set, 1));
        EXPECT_EQ(r.tousen[5], 100 - UncoveredCount(all, r.set, 2));
        EXPECT_TRUE(r.log.Text().find("抽出") != std::string::npos);
        samples.push_back(r.set);
    }
    EXPECT_EQ(samples[0], samples[1]) << "the same seed draws the same sample";
    EXPECT_NE(samples[0], samples[2]);
}

TEST(clsTMsEngine, ExtractionOfAtLeastTheWholeSetStillCounts)
{
    auto s = Engine(0);
    s.ChushutsuFlag = true;
    s.ChushutsuCount = 100;
    FrameRun r(1, Hundred());
    ASSERT_TRUE(r.Go(s));
    EXPECT_EQ(r.set, Hundred());
    EXPECT_EQ(r.tousen, (clsTMsEngine::TousenArray{100, 100, r.tousen[2], r.tousen[3], 100, 100}));
    EXPECT_TRUE(r.log.Text().find("抽出") == std::string::npos);
}

TEST(clsTMsEngine, PayoutOrderedExtractionWithoutAVoteStatusDrawsAtRandom)
{
    auto s = Engine(0);
    s.ChushutsuFlag = true;
    s.ChushutsuCount = 10;
    s.ChushutsuType = 2;
    FrameRun r(1, Hundred());
    ASSERT_TRUE(r.Go(s));
    EXPECT_EQ(r.count, 10);
    const auto all = Hundred();
    EXPECT_EQ(std::set<std::int32_t>(r.set.begin(), r.set.end()).size(), 10u);
    for (const auto x : r.set) {
        EXPECT_NE(std::find(all.begin(), all.end(), x), all.end());
    }
    // Said in the log, not left for the user to guess.
    EXPECT_NE(r.log.Text().find("配当を推定できないため、ランダムで抽出します"), std::string::npos);
    // The same draw as type 0 with the same seed.
    s.ChushutsuType = 0;
    FrameRun random(1, Hundred());
    ASSERT_TRUE(random.Go(s));
    EXPECT_EQ(random.set, r.set);
    EXPECT_EQ(random.log.Text().find("ランダムで抽出します"), std::string::npos);
}

TEST(clsTMsEngine, UnknownExtractionTypeOfADamagedFileDrawsAtRandomAndSaysSo)
{
    for (const std::int32_t type : {-1, 9}) {
        auto s = Engine(0);
        s.ChushutsuFlag = true;
        s.ChushutsuCount = 10;
        s.ChushutsuType = type;
        FrameRun r(1, Hundred());
        ASSERT_TRUE(r.Go(s));
        EXPECT_EQ(r.count, 10) << type;
        EXPECT_EQ(std::set<std::int32_t>(r.set.begin(), r.set.end()).size(), 10u);
        EXPECT_NE(r.log.Text().find("抽出方法 " + std::to_string(type) + " は使えないため"),
                  std::string::npos);
    }
}

TEST(clsTMsEngine, PayoutOrderedExtractionTakesTheHighMiddleOrLowEstimates)
{
    // Votes that differ by match and outcome, so the estimates spread out.
    VoteRecord vote;
    vote.Kaisaikai = 500;
    for (int m = 0; m < 13; ++m) {
        vote.Match[m].Votes = {Currency::FromInt(1000 + 37 * m), Currency::FromInt(3000 - 11 * m),
                               Currency::FromInt(1500 + 53 * m)};
    }
    vote.SalesTotal = Currency::FromInt(300000000);
    vote.UnitsTotal = Currency::FromInt(3000000);
    const auto set = Hundred();
    RecordingHost host;
    clsTMoney money(host);
    money.SetVote(vote);
    std::vector<Currency> payout(set.size());
    ASSERT_TRUE(money.GetMoneyList(set, payout, {}, {}));
    // Ranking by the rules: ascending payout, ties by ticket number.
    std::vector<std::pair<Currency, std::int32_t>> ranked;
    for (std::size_t i = 0; i < set.size(); ++i) {
        ranked.emplace_back(payout[i], set[i]);
    }
    std::sort(ranked.begin(), ranked.end());
    ASSERT_NE(ranked.front().first, ranked.back().first);
    for (const int type : {1, 2, 3}) {
        auto s = Engine(0);
        s.ChushutsuFlag = true;
        s.ChushutsuCount = 7;
        s.ChushutsuType = type;
        FrameRun r(1, set);
        r.frame.SetVoteRecord(vote);
        ASSERT_TRUE(r.Go(s));
        ASSERT_EQ(r.count, 7);
        std::set<std::int32_t> want;
        // The middle seven of a hundred start at (100 - 7) / 2.
        const std::size_t first = type == 2 ? 46 : 0;
        for (std::size_t i = first; i < first + 7; ++i) {
            want.insert(ranked[i].second);
        }
        if (type == 1) {
            // Highest first, lowest ticket number among equal payouts.
            std::vector<std::pair<Currency, std::int32_t>> top;
            for (const auto& [p, n] : ranked) {
                top.emplace_back(-p, n);
            }
            std::sort(top.begin(), top.end());
            want.clear();
            for (std::size_t i = 0; i < 7; ++i) {
                want.insert(top[i].second);
            }
        }
        EXPECT_EQ(std::set<std::int32_t>(r.set.begin(), r.set.end()), want) << "type " << type;
        EXPECT_EQ(r.tousen[0], 100);
        EXPECT_EQ(r.tousen[1], 7);
    }
}

TEST(clsTMsEngine, EveryEngineKeepsItsGuaranteeThroughTheFrame)
{
    const auto base = RandomSubset(kMulti, 0.5, 17);
    const auto n = static_cast<std::int32_t>(base.size());
    for (const std::int32_t kind : {1, 2, 3, 4, 5}) {
        for (const std::uint64_t seed : {1u, 2u, 3u}) {
            FrameRun r(seed, base);
            r.host.TickPerDoEvents = 20;
            auto s = Engine(kind);
            // Enough tickets for the optimisation engine to cover everything.
            s.SeBeginCount = 40;
            s.SeEndTime = 0;
            ASSERT_TRUE(r.Go(s)) << "engine " << kind;
            ASSERT_GT(r.count, 0);
            const int radius = kind == 3 || kind == 4 ? 2 : 1;
            EXPECT_EQ(UncoveredCount(base, r.set, radius), 0) << "engine " << kind;
            EXPECT_EQ(r.tousen[0], n);
            EXPECT_EQ(r.tousen[radius == 1 ? 4 : 5], n);
            EXPECT_FALSE(r.frame.Run());
        }
    }
}

TEST(clsTMsEngine, FastSearchKeepsNoStateFromAnEarlierRun)
{
    // The frame keeps the fast search's table between runs; a second run on another set and
    // grade must choose what a fresh frame chooses.
    const auto first = RandomSubset(kMulti, 0.8, 5);
    const auto second = RandomSubset(kMulti, 0.4, 6);
    FrameRun fresh(1, second);
    ASSERT_TRUE(fresh.Go(Engine(1)));
    FrameRun reused(1, first);
    ASSERT_TRUE(reused.Go(Engine(3)));
    reused.set = second;
    reused.count = static_cast<std::int32_t>(second.size());
    ASSERT_TRUE(reused.Go(Engine(1)));
    EXPECT_EQ(reused.set, fresh.set);
    EXPECT_EQ(reused.tousen, fresh.tousen);
}

TEST(clsTMsEngine, StopReachesTheRunningEngine)
{
    FrameRun r(1, MultiSingles(kMulti));
    bool sawRun = false;
    r.host.OnDoEvents = [&](std::int64_t n) {
        sawRun = r.frame.Run() && r.frame.RunningEngine() == clsTMsEngine::EngineKind::Fast;
        if (n == 2) {
            r.frame.EnginePause(true); // ignored by the fast search
            r.frame.EngineStop();
        }
    };
    // Stopped before it chose anything: the run fails and the set stays.
    EXPECT_FALSE(r.Go(Engine(3)));
    EXPECT_TRUE(sawRun);
    EXPECT_EQ(r.set, MultiSingles(kMulti));
    EXPECT_EQ(r.tousen, (clsTMsEngine::TousenArray{9, 9, 9, 9, 9, 9}));
    EXPECT_EQ(r.frame.LastFailure(), "組み合わせが確定する前に中断したため、圧縮を中止しました");
    EXPECT_EQ(r.host.WaitedMs(), 0);
    EXPECT_FALSE(r.frame.Run());
    EXPECT_EQ(r.frame.RunningEngine(), clsTMsEngine::EngineKind::None);
}

TEST(clsTMsEngine, PauseReachesTheTrialSearch)
{
    FrameRun r(1, RandomSubset(kMulti, 0.5, 3));
    int events = 0;
    r.host.OnDoEvents = [&](std::int64_t) {
        if (r.log.Lines().empty() || !r.log.Lines().back().ends_with("を検索中...")) {
            return;
        }
        ++events;
        if (events == 1) {
            r.frame.EnginePause(true);
        } else if (events == 3) {
            r.frame.EnginePause(false);
            r.frame.EngineStop();
        }
    };
    auto s = Engine(2);
    s.BeginCount = 2; // too few: the step is still searching when paused
    s.EndTime = 0;
    const auto before = r.set;
    EXPECT_FALSE(r.Go(s)); // stopped with nothing confirmed
    EXPECT_EQ(r.host.WaitedMs(), 1000);
    EXPECT_EQ(r.set, before);
}

// A pause pressed while the run is still extracting, before any engine exists, holds the
// engine from its start until it is released; afterwards nothing is left paused.
TEST(clsTMsEngine, PauseAskedBeforeTheEngineStartsHoldsIt)
{
    FrameRun r(1, RandomSubset(kMulti, 0.5, 3));
    r.host.OnDoEvents = [&](std::int64_t n) {
        if (r.host.WaitedMs() >= 1500) {
            r.frame.EnginePause(false);
        }
        // Too few tickets to ever cover: the search would go on without a stop.
        if (n >= 5000 || (r.host.WaitedMs() >= 1500 && !r.frame.PauseRequested())) {
            r.frame.EngineStop();
        }
    };
    r.frame.EnginePause(true);
    EXPECT_TRUE(r.frame.PauseRequested());
    auto s = Engine(2);
    s.BeginCount = 2;
    EXPECT_FALSE(r.Go(s)); // stopped with nothing confirmed
    EXPECT_GE(r.host.WaitedMs(), 1500);
    EXPECT_FALSE(r.frame.PauseRequested());
    EXPECT_TRUE(clsTMsEngine::Pausable(2));
    EXPECT_FALSE(clsTMsEngine::Pausable(1));
    EXPECT_FALSE(clsTMsEngine::Pausable(0));
    EXPECT_TRUE(clsTMsEngine::Pausable(7));
    EXPECT_TRUE(clsTMsEngine::Pausable(8));
    EXPECT_FALSE(clsTMsEngine::Pausable(9));
}

TEST(clsTMsEngine, PauseAndStopReachEverySearchEngine)
{
    for (const std::int32_t kind : {2, 4, 5, 6, 7, 8}) {
        FrameRun r(1, RandomSubset(kMulti, 0.3, 3));
        int events = 0;
        clsTMsEngine::EngineKind seen = clsTMsEngine::EngineKind::None;
        r.host.OnDoEvents = [&](std::int64_t) {
            // The frame also lets the window run after the engine, with none running.
            if (r.frame.RunningEngine() != clsTMsEngine::EngineKind::None) {
                seen = r.frame.RunningEngine();
            }
            // "Nを検索中..." or "N口を最適化中...": a size is being searched (not the fast
            // search's "候補の検索中..." that starts the minimum-count run).
            // The budget search searches once it has told its first best.
            const bool budgetSearching =
                kind == 8 && r.log.Text().find(" 最良 ") != std::string::npos;
            if (!budgetSearching &&
                (r.log.Lines().empty() || !(r.log.Lines().back().ends_with("を検索中...") ||
                                            r.log.Lines().back().ends_with("を最適化中...")))) {
                return;
            }
            ++events;
            if (events == 1) {
                r.frame.EnginePause(true);
            } else if (events == 3) {
                r.frame.EnginePause(false);
                r.frame.EngineStop();
            }
        };
        auto s = Engine(kind);
        // Too few to cover: the step is still searching when paused. The tabu search starts
        // from the fast search's cover and descends to the first size it cannot cover.
        s.BeginCount = 2;
        s.EndTime = 0;
        s.SeBeginCount = 2;
        s.SeEndTime = 0;
        // The trial searches were stopped before confirming anything; the others had a
        // result to keep.
        EXPECT_EQ(r.Go(s), kind != 2 && kind != 4) << "engine " << kind;
        EXPECT_EQ(r.host.WaitedMs(), 1000) << "engine " << kind;
        const auto expected = kind == 5   ? clsTMsEngine::EngineKind::Optimisation
                              : kind == 8 ? clsTMsEngine::EngineKind::Budget
                              : kind >= 6 ? clsTMsEngine::EngineKind::Tabu
                                          : clsTMsEngine::EngineKind::Trial;
        EXPECT_EQ(seen, expected) << "engine " << kind;
        EXPECT_FALSE(r.frame.Run());
        EXPECT_EQ(r.frame.RunningEngine(), clsTMsEngine::EngineKind::None);
    }
}

TEST(clsTMsEngine, ASearchThatKeepsNothingFailsAndKeepsTheSet)
{
    for (const std::int32_t kind : {2, 4}) {
        FrameRun r(1, RandomSubset(kMulti, 0.5, 3));
        const auto before = r.set;
        // Two tickets cannot cover the set: the first size runs out of time.
        r.host.TickPerDoEvents = 100;
        auto s = Engine(kind);
        s.BeginCount = 2;
        EXPECT_FALSE(r.Go(s)) << "engine " << kind;
        EXPECT_EQ(r.set, before);
        EXPECT_EQ(r.count, static_cast<std::int32_t>(before.size()));
        EXPECT_EQ(r.tousen, (clsTMsEngine::TousenArray{9, 9, 9, 9, 9, 9}));
        const std::string why =
            "2口では保証を満たす組み合わせが見つからないため、圧縮を中止しました。"
            "開始口数を増やして下さい";
        EXPECT_EQ(r.frame.LastFailure(), why);
        ASSERT_GE(r.log.Lines().size(), 2u);
        EXPECT_TRUE(r.log.Lines()[r.log.Lines().size() - 2].ends_with(why)) << r.log.Text();
        EXPECT_TRUE(r.host.Messages.empty()); // told in the log, no box to hold a batch up
        EXPECT_FALSE(r.frame.Run());

        // The next run starts with no failure of its own.
        ASSERT_TRUE(r.Go(Engine(1)));
        EXPECT_EQ(r.frame.LastFailure(), "");
    }
}

TEST(clsTMsEngine, KnowsItsEngines)
{
    for (std::int32_t kind = 0; kind <= 8; ++kind) {
        EXPECT_TRUE(clsTMsEngine::KnownEngine(kind)) << kind;
    }
    EXPECT_FALSE(clsTMsEngine::KnownEngine(-1));
    EXPECT_FALSE(clsTMsEngine::KnownEngine(9));
}

TEST(clsTMsEngine, EngineErrorsAreReportedAndKeepTheSet)
{
    auto bad = Hundred();
    bad[50] = 1594323;
    FrameRun r(1, bad);
    EXPECT_FALSE(r.Go(Engine(1)));
    ASSERT_EQ(r.host.Messages.size(), 1u);
    EXPECT_EQ(r.host.Messages[0].Caption, "MsEngine Err");
    EXPECT_EQ(r.host.Messages[0].Icon, MsgIcon::Error);
    EXPECT_TRUE(r.host.Messages[0].Text.ends_with(" ( 9 )"));
    EXPECT_EQ(r.set, bad);
    EXPECT_EQ(r.tousen, (clsTMsEngine::TousenArray{9, 9, 9, 9, 9, 9}));
    EXPECT_FALSE(r.frame.Run());

    for (const std::int32_t kind : {9, -1}) {
        FrameRun unknown(1, Hundred());
        EXPECT_FALSE(unknown.Go(Engine(kind)));
        ASSERT_EQ(unknown.host.Messages.size(), 1u);
        EXPECT_EQ(unknown.host.Messages[0].Caption, "MsEngine Err");
        EXPECT_EQ(unknown.set, Hundred());
    }
}

TEST(clsTMsEngine, CacheFailureKeepsTheSet)
{
    for (const std::int32_t kind : {2, 4, 5}) {
        FrameRun r(1, Hundred());
        r.frame.SetCacheLimit(20);
        EXPECT_FALSE(r.Go(Engine(kind)));
        EXPECT_EQ(r.set, Hundred());
        EXPECT_EQ(r.count, 100);
        ASSERT_EQ(r.host.Messages.size(), 1u);
        EXPECT_EQ(r.host.Messages[0].Caption, "Cache Initialize Err");
        EXPECT_FALSE(r.frame.Run());
    }
}

namespace {
// Outcome code 0 of match 1 cannot happen; the rest share the chances unevenly.
ProbabilityRecord FirstDrawImpossible()
{
    ProbabilityRecord p;
    for (std::size_t m = 0; m < 13; ++m) {
        p.Value[0][m] = m == 0 ? 0 : 2000;
        p.Value[1][m] = m == 0 ? 7000 : 5000;
        p.Value[2][m] = 10000 - p.Value[0][m] - p.Value[1][m];
    }
    return p;
}
} // namespace

TEST(clsTMsEngine, ProbabilityWeightedExtractionDrawsOnlySinglesThatCanHappen)
{
    auto s = Engine(0);
    s.ChushutsuFlag = true;
    s.ChushutsuCount = 20;
    s.ChushutsuType = clsTMsEngine::kChushutsuByProbability;
    const auto all = Hundred();
    const auto possible = static_cast<std::int32_t>(
        std::count_if(all.begin(), all.end(), [](std::int32_t n) { return n % 3 != 0; }));
    ASSERT_GT(possible, 20);
    ASSERT_LT(possible, 100);
    std::vector<std::vector<std::int32_t>> samples;
    for (const std::uint64_t seed : {1u, 1u, 2u}) {
        FrameRun r(seed, all);
        r.frame.SetProbability(FirstDrawImpossible());
        ASSERT_TRUE(r.Go(s));
        ASSERT_EQ(r.count, 20);
        EXPECT_EQ(std::set<std::int32_t>(r.set.begin(), r.set.end()).size(), 20u);
        for (const auto x : r.set) {
            EXPECT_NE(std::find(all.begin(), all.end(), x), all.end());
            EXPECT_NE(x % 3, 0) << "a single with an impossible outcome was drawn";
        }
        EXPECT_EQ(r.tousen[1], 20);
        samples.push_back(r.set);
    }
    EXPECT_EQ(samples[0], samples[1]);
    EXPECT_NE(samples[0], samples[2]);

    // Asked for more than can happen: only those, and the log tells the count.
    s.ChushutsuCount = 90;
    FrameRun r(1, all);
    r.frame.SetProbability(FirstDrawImpossible());
    ASSERT_TRUE(r.Go(s));
    EXPECT_EQ(r.count, possible);
    EXPECT_NE(r.log.Text().find(std::to_string(possible)), std::string::npos);
    EXPECT_TRUE(r.host.Messages.empty()) << r.host.AllMessageText();
}

TEST(clsTMsEngine, ProbabilityWeightedExtractionWithoutProbabilitiesDrawsAtRandomAndSaysSo)
{
    auto s = Engine(0);
    s.ChushutsuFlag = true;
    s.ChushutsuCount = 10;
    s.ChushutsuType = clsTMsEngine::kChushutsuByProbability;
    FrameRun r(1, Hundred());
    ASSERT_TRUE(r.Go(s));
    EXPECT_NE(r.log.Text().find("自分の確率がないため、ランダムで抽出します"), std::string::npos);
    s.ChushutsuType = 0;
    FrameRun random(1, Hundred());
    ASSERT_TRUE(random.Go(s));
    EXPECT_EQ(random.set, r.set);
}

TEST(clsTMsEngine, BudgetEngineTakesItsGradeAndTheOwnProbabilities)
{
    ProbabilityRecord prob;
    for (int m = 0; m < 13; ++m) {
        prob.Value[0][static_cast<std::size_t>(m)] = 6000;
        prob.Value[1][static_cast<std::size_t>(m)] = 3000;
        prob.Value[2][static_cast<std::size_t>(m)] = 1000;
    }
    for (const std::int32_t grade : {2, 3}) {
        FrameRun r(1, RandomSubset(kMulti, 0.5, 4));
        // The search ends at its time limit.
        r.host.TickPerDoEvents = 100;
        r.frame.SetProbability(prob);
        auto s = Engine(8);
        s.SeGrade = grade;
        ASSERT_TRUE(r.Go(s)) << r.host.AllMessageText();
        EXPECT_EQ(r.count, 6);
        const auto& reach = r.frame.LastReach();
        ASSERT_TRUE(reach.has_value());
        EXPECT_EQ(reach->Grade, grade);
        EXPECT_EQ(reach->Tickets, 6);
        EXPECT_TRUE(reach->Weighted);
        EXPECT_GT(reach->Chance, 0.0);

        // An extraction that takes tickets away leaves a set the figure is not about.
        s.ChushutsuFlag = true;
        s.ChushutsuCount = 3;
        FrameRun cut(1, RandomSubset(kMulti, 0.5, 4));
        cut.host.TickPerDoEvents = 100;
        cut.frame.SetProbability(prob);
        ASSERT_TRUE(cut.Go(s));
        EXPECT_EQ(cut.count, 3);
        EXPECT_FALSE(cut.frame.LastReach().has_value());
    }
    // Without probabilities every single of the set counts once; another engine has no figure.
    FrameRun plain(1, RandomSubset(kMulti, 0.5, 4));
    plain.host.TickPerDoEvents = 100;
    ASSERT_TRUE(plain.Go(Engine(8)));
    ASSERT_TRUE(plain.frame.LastReach().has_value());
    EXPECT_FALSE(plain.frame.LastReach()->Weighted);
    ASSERT_TRUE(plain.Go(Engine(5)));
    EXPECT_FALSE(plain.frame.LastReach().has_value());

    // A damaged file's grade is refused with the set kept.
    FrameRun bad(1, Hundred());
    auto s = Engine(8);
    s.SeGrade = 5;
    EXPECT_FALSE(bad.Go(s));
    ASSERT_EQ(bad.host.Messages.size(), 1u);
    EXPECT_NE(bad.host.Messages[0].Text.find("保証等級は 2 か 3 です: 5"), std::string::npos);
    EXPECT_EQ(bad.set, Hundred());
}
