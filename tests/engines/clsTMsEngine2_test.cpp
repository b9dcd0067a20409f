#include "EngineTestSupport.h"
#include "engines/clsTMsEngine1.h"
#include "engines/clsTMsEngine2.h"
#include "lottery/clsTNumber.h"
#include "support/RecordingHost.h"

#include <gtest/gtest.h>

#include <map>
#include <numeric>
#include <set>
#include <string>

using namespace enginetest;

namespace {

using TrialRun = EngineRun<clsTMsEngine2>;

EngineSettingsRecord Settings(std::int32_t begin, std::int32_t end, std::int32_t seconds)
{
    EngineSettingsRecord s;
    s.MsEngine = 2;
    s.BeginCount = begin;
    s.EndCount = end;
    s.EndTime = seconds;
    return s;
}

const std::array<int, 13> kMulti{3, 3, 3, 3, 3, 2, 2, 1, 1, 1, 1, 1, 1};

} // namespace

TEST(clsTMsEngine2, SingleTargetIsConfirmedAtEveryCount)
{
    const std::int32_t t = No({2, 1, 0, 0, 1, 2, 2, 1, 0, 1, 0, 2, 1});
    TrialRun r(5);
    ASSERT_TRUE(
        r.engine.EngineStart(std::vector<std::int32_t>{t}, 2, Settings(3, 0, 0), Marks(kMulti)));
    EXPECT_EQ(r.engine.SingleData(), std::vector<std::int32_t>{t});
    const auto confirmed = r.LinesEndingWith("を検索中...確定");
    ASSERT_EQ(confirmed.size(), 3u) << r.log.Text();
    EXPECT_EQ(StepName(confirmed[0]), "3を検索中...確定");
    EXPECT_EQ(StepName(confirmed[2]), "1を検索中...確定");
    EXPECT_TRUE(r.LinesEndingWith("指定口数に達したので検索を終了します").empty());
}

TEST(clsTMsEngine2, BeginCountZeroSearchesNothing)
{
    TrialRun r(5);
    ASSERT_TRUE(
        r.engine.EngineStart(RandomSubset(kMulti, 0.3, 2), 2, Settings(0, 1, 0), Marks(kMulti)));
    EXPECT_EQ(r.engine.SingleCount(), 0);
    EXPECT_TRUE(r.LinesEndingWith("確定").empty());
}

TEST(clsTMsEngine2, EndCountEqualToBeginCountRunsOneStep)
{
    const auto set = RandomSubset(kMulti, 0.3, 3);
    const std::int32_t d = GreedyCount(set, 2);
    TrialRun r(8);
    ASSERT_TRUE(r.engine.EngineStart(set, 2, Settings(d, d, 0), Marks(kMulti)));
    EXPECT_EQ(r.engine.SingleCount(), d);
    EXPECT_EQ(UncoveredCount(set, r.engine.SingleData(), 1), 0);
    EXPECT_EQ(r.LinesEndingWith("を検索中...確定").size(), 1u);
    EXPECT_TRUE(
        r.log.Lines()[r.log.Lines().size() - 2].ends_with("指定口数に達したので検索を終了します"))
        << r.log.Text();
}

TEST(clsTMsEngine2, TimeLimitEndsTheRunAtAPerturbationWithThePreviousCover)
{
    const auto set = RandomSubset(kMulti, 0.3, 4);
    TrialRun r(3);
    std::map<std::string, int> eventsPerStep;
    r.host.OnDoEvents = [&](std::int64_t) {
        const std::string step = r.OpenStep();
        if (!step.empty()) {
            ++eventsPerStep[StepName(step)];
            r.host.AdvanceMs(100);
        }
    };
    ASSERT_TRUE(r.engine.EngineStart(set, 2, Settings(GreedyCount(set, 2), 1, 3), Marks(kMulti)));
    const auto interrupted = r.LinesEndingWith("を検索中...中断");
    ASSERT_EQ(interrupted.size(), 1u) << r.log.Text();
    const std::string failed = StepName(interrupted[0]);
    const int d = std::stoi(failed);
    // One event per batch, 100 ms each; the limit is only read at the first perturbation,
    // after max(d, 50) + 1 batches and at least 5 s into the step.
    EXPECT_EQ(eventsPerStep[failed.substr(0, failed.size() - std::string("中断").size())],
              std::max(d, 50) + 1);
    EXPECT_TRUE(
        r.log.Lines()[r.log.Lines().size() - 2].ends_with("指定時間になったので検索を終了します"));
    const auto got = r.engine.SingleData();
    EXPECT_EQ(static_cast<int>(got.size()), d + 1);
    EXPECT_EQ(UncoveredCount(set, got, 1), 0);
}

TEST(clsTMsEngine2, ResultsKeepTheGuaranteeForManySeeds)
{
    for (const int grade : {2, 3}) {
        for (std::uint64_t seed = 1; seed <= 4; ++seed) {
            const auto set = RandomSubset(kMulti, 0.25, static_cast<unsigned>(seed * 3 + grade));
            const std::set<std::int32_t> members(set.begin(), set.end());
            const std::int32_t greedy = GreedyCount(set, grade);
            TrialRun r(seed);
            r.TickDuringSteps();
            ASSERT_TRUE(r.engine.EngineStart(set, grade, Settings(greedy, 1, 1), Marks(kMulti)));
            const auto got = r.engine.SingleData();
            ASSERT_FALSE(got.empty());
            EXPECT_LE(static_cast<std::int32_t>(got.size()), greedy);
            EXPECT_EQ(UncoveredCount(set, got, grade - 1), 0)
                << "grade " << grade << " seed " << seed;
            for (const auto s : got) {
                EXPECT_EQ(members.count(s), 1u);
            }
        }
    }
}

TEST(clsTMsEngine2, ExtensionDrawsFromTheMultiNearTheTargets)
{
    const auto multi = MultiSingles(kMulti);
    const std::set<std::int32_t> inMulti(multi.begin(), multi.end());
    const auto set = RandomSubset(kMulti, 0.05, 9);
    auto near = [&](int radius) {
        int n = 0;
        for (const auto m : multi) {
            n += std::any_of(set.begin(), set.end(),
                             [&](std::int32_t t) { return Distance(t, m) <= radius; });
        }
        return n;
    };
    struct Case
    {
        int grade;
        bool ex2;
        bool ex3;
        int radius; // 0: no extension
    };
    for (const Case c : {Case{3, true, false, 1}, Case{3, false, true, 2}, Case{3, true, true, 2},
                         Case{2, false, true, 0}, Case{2, true, false, 1}}) {
        TrialRun r(4);
        r.TickDuringSteps();
        auto s = Settings(GreedyCount(set, c.grade), 1, 1);
        s.ExGrade2 = c.ex2;
        s.ExGrade3 = c.ex3;
        ASSERT_TRUE(r.engine.EngineStart(set, c.grade, s, Marks(kMulti)));
        const int expected = c.radius == 0 ? static_cast<int>(set.size()) : near(c.radius);
        EXPECT_EQ(r.engine.CandidateCount(), expected) << "grade " << c.grade;
        const auto got = r.engine.SingleData();
        ASSERT_FALSE(got.empty());
        EXPECT_EQ(UncoveredCount(set, got, c.grade - 1), 0);
        for (const auto x : got) {
            EXPECT_EQ(inMulti.count(x), 1u);
        }
    }
}

TEST(clsTMsEngine2, StopInTheFirstStepLeavesNoResult)
{
    const auto set = RandomSubset(kMulti, 0.3, 6);
    TrialRun r(1);
    int events = 0;
    r.host.OnDoEvents = [&](std::int64_t) {
        if (!r.OpenStep().empty() && ++events == 3) {
            r.engine.EngineStop();
        }
    };
    // Two tickets cannot cover the set, so the first step is still searching at the stop.
    ASSERT_TRUE(r.engine.EngineStart(set, 2, Settings(2, 1, 0), Marks(kMulti)));
    EXPECT_EQ(r.engine.SingleCount(), 0);
    EXPECT_EQ(r.LinesEndingWith("2を検索中...中断").size(), 1u) << r.log.Text();
}

TEST(clsTMsEngine2, PauseWaitsUntilReleasedOrStopped)
{
    const auto set = RandomSubset(kMulti, 0.3, 7);
    TrialRun r(1);
    int events = 0;
    r.host.OnDoEvents = [&](std::int64_t) {
        if (r.OpenStep().empty()) {
            return;
        }
        ++events;
        if (events == 2) {
            r.engine.EnginePause(true);
        } else if (events == 5) {
            r.engine.EngineStop();
        }
    };
    ASSERT_TRUE(r.engine.EngineStart(set, 2, Settings(2, 1, 0), Marks(kMulti)));
    // Events 3, 4 and 5 come in waits for events; the stop at event 5 ends the pause, one more
    // event ends the step, and a stopped run waits no more though the pause is still set.
    EXPECT_EQ(r.host.Waits, (std::vector<std::int32_t>{500, 500, 500}));
    EXPECT_EQ(r.host.SleptMs, 0);
    EXPECT_EQ(events, 6);
}

TEST(clsTMsEngine2, CacheFailureIsReportedInItsOwnBox)
{
    TrialRun r(1);
    r.engine.SetCacheLimit(50);
    ASSERT_TRUE(
        r.engine.EngineStart(RandomSubset(kMulti, 0.3, 8), 3, Settings(5, 1, 0), Marks(kMulti)));
    EXPECT_TRUE(r.engine.CacheFailed());
    EXPECT_EQ(r.engine.SingleCount(), 0);
    ASSERT_EQ(r.host.Messages.size(), 1u);
    EXPECT_EQ(r.host.Messages[0].Caption, "Cache Initialize Err");
    EXPECT_EQ(r.host.Messages[0].Text, "メモリが不足しています。 ( 7 )");
    EXPECT_EQ(r.log.BarValue(), 0);
}

TEST(clsTMsEngine2, CacheHoldsEachCandidatesTargetsOnce)
{
    const auto set = RandomSubset(kMulti, 0.4, 10);
    for (const int grade : {2, 3}) {
        TrialRun r(1);
        ASSERT_TRUE(r.engine.EngineStart(set, grade, Settings(0, 1, 0), Marks(kMulti)));
        std::int64_t pairs = 0;
        for (const auto a : set) {
            for (const auto b : set) {
                pairs += Distance(a, b) <= grade - 1;
            }
        }
        EXPECT_EQ(r.engine.CacheSize(), pairs);
    }
}

// Indexing the full multi's 1.6 million targets takes tens of milliseconds before the cache
// build writes its first line: the window must get events during it, not only after.
TEST(clsTMsEngine2, IndexingTheFullMultiProcessesEvents)
{
    std::vector<std::int32_t> all(static_cast<std::size_t>(clsTNumber::SingleCount));
    std::iota(all.begin(), all.end(), 0);
    TrialRun r(1);
    int before = 0;
    r.host.OnDoEvents = [&](std::int64_t) {
        if (r.LinesEndingWith("キャッシュ構築中...").empty()) {
            ++before;
        } else {
            r.engine.EngineStop();
        }
    };
    const std::array<int, 13> full{3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3};
    ASSERT_TRUE(r.engine.EngineStart(all, 3, Settings(100, 1, 0), Marks(full)));
    EXPECT_GE(before, 6);
    EXPECT_EQ(r.engine.SingleCount(), 0);
}
