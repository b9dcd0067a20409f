#include "EngineTestSupport.h"
#include "engines/clsTMsEngine.h"
#include "engines/clsTMsEngine1.h"
#include "engines/clsTMsEngine4.h"
#include "support/RecordingHost.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

using namespace enginetest;

namespace {

using TabuRun = EngineRun<clsTMsEngine4>;

EngineSettingsRecord Settings(std::int32_t begin, std::int32_t end, std::int32_t seconds)
{
    EngineSettingsRecord s;
    s.MsEngine = 6;
    s.BeginCount = begin;
    s.EndCount = end;
    s.EndTime = seconds;
    return s;
}

const std::array<int, 13> kMulti{3, 3, 3, 3, 3, 2, 2, 1, 1, 1, 1, 1, 1};

// Matches 1 to n with three outcomes, the rest fixed to a draw.
std::array<int, 13> Triples(int n)
{
    std::array<int, 13> w{};
    for (int i = 0; i < 13; ++i) {
        w[i] = i < n ? 3 : 1;
    }
    return w;
}

} // namespace

TEST(clsTMsEngine4, ResultsKeepTheGuaranteeForSeedsGradesAndExtensions)
{
    const auto multi = MultiSingles(kMulti);
    const std::set<std::int32_t> inMulti(multi.begin(), multi.end());
    for (const int grade : {2, 3}) {
        for (const bool extend : {false, true}) {
            for (std::uint64_t seed = 1; seed <= 3; ++seed) {
                // A part of the multi, as conditions leave it, shuffled.
                const auto set =
                    RandomSubset(kMulti, 0.3, static_cast<unsigned>(seed * 7 + grade + extend));
                const std::set<std::int32_t> members(set.begin(), set.end());
                const std::int32_t greedy = GreedyCount(set, grade);
                TabuRun r(seed);
                r.TickDuringSteps();
                auto s = Settings(greedy, 1, 1);
                s.ExGrade2 = extend;
                s.ExGrade3 = extend;
                ASSERT_TRUE(r.engine.EngineStart(set, grade, s, Marks(kMulti)));
                const auto got = r.engine.SingleData();
                ASSERT_FALSE(got.empty());
                EXPECT_LT(static_cast<std::int32_t>(got.size()), greedy)
                    << "grade " << grade << " seed " << seed;
                EXPECT_EQ(UncoveredCount(set, got, grade - 1), 0)
                    << "grade " << grade << " seed " << seed << " extend " << extend;
                for (const auto x : got) {
                    EXPECT_EQ((extend ? inMulti : members).count(x), 1u) << x;
                }
            }
        }
    }
}

TEST(clsTMsEngine4, SparseSetsAndSinglesOutsideTheMarksAreStillCovered)
{
    // A thin set leaves few one-match moves, so covers come from the fallback jumps; and a
    // single outside the marks must be coverable even with the extension on.
    auto set = RandomSubset(kMulti, 0.04, 11);
    const std::int32_t outside = No({2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2});
    set.push_back(outside);
    for (const bool extend : {false, true}) {
        TabuRun r(4);
        r.TickDuringSteps();
        auto s = Settings(GreedyCount(set, 2), 1, 1);
        s.ExGrade2 = extend;
        ASSERT_TRUE(r.engine.EngineStart(set, 2, s, Marks(kMulti)));
        const auto got = r.engine.SingleData();
        ASSERT_FALSE(got.empty());
        EXPECT_EQ(UncoveredCount(set, got, 1), 0) << "extend " << extend;
    }
}

TEST(clsTMsEngine4, ReachesTheKnownSmallCovers)
{
    // 4 triples: the perfect code of 9 tickets; 5 triples: 27 (both known optimal).
    for (const auto& [n, known] : std::map<int, int>{{4, 9}, {5, 27}}) {
        const auto set = MultiSingles(Triples(n));
        TabuRun r(2);
        r.TickDuringSteps();
        ASSERT_TRUE(r.engine.EngineStart(set, 2, Settings(GreedyCount(set, 2), known, 5),
                                         Marks(Triples(n))));
        EXPECT_EQ(r.engine.SingleCount(), known) << n << " triples";
        EXPECT_EQ(UncoveredCount(set, r.engine.SingleData(), 1), 0);
    }
}

TEST(clsTMsEngine4, SameSeedSameTickets)
{
    const auto set = RandomSubset(kMulti, 0.5, 21);
    std::vector<std::vector<std::int32_t>> results;
    for (const std::uint64_t seed : {3u, 3u, 4u}) {
        TabuRun r(seed);
        r.TickDuringSteps();
        ASSERT_TRUE(
            r.engine.EngineStart(set, 3, Settings(GreedyCount(set, 3), 1, 1), Marks(kMulti)));
        results.push_back(r.engine.SingleData());
    }
    EXPECT_EQ(results[0], results[1]);
    EXPECT_NE(results[0], results[2]);
}

TEST(clsTMsEngine4, SingleTargetIsConfirmedAtEveryCount)
{
    const std::int32_t t = No({2, 1, 0, 0, 1, 2, 2, 1, 0, 1, 0, 2, 1});
    TabuRun r(5);
    ASSERT_TRUE(
        r.engine.EngineStart(std::vector<std::int32_t>{t}, 3, Settings(3, 0, 0), Marks(kMulti)));
    EXPECT_EQ(r.engine.SingleData(), std::vector<std::int32_t>{t});
    const auto confirmed = r.LinesEndingWith("を検索中...確定");
    ASSERT_EQ(confirmed.size(), 3u) << r.log.Text();
    EXPECT_EQ(StepName(confirmed[0]), "3を検索中...確定");
    EXPECT_EQ(StepName(confirmed[2]), "1を検索中...確定");
}

TEST(clsTMsEngine4, BeginCountZeroStartsFromTheFastSearchAndEndCountStopsAtOnce)
{
    const auto set = RandomSubset(kMulti, 0.3, 2);
    const std::int32_t d = GreedyCount(set, 2);
    {
        // No cover has no tickets: the fast search's cover is confirmed instead, and an
        // EndCount at its size ends the run there.
        TabuRun r(5);
        ASSERT_TRUE(r.engine.EngineStart(set, 2, Settings(0, d, 0), Marks(kMulti)));
        EXPECT_EQ(r.engine.SingleCount(), d);
        EXPECT_EQ(UncoveredCount(set, r.engine.SingleData(), 1), 0);
        const auto confirmed = r.LinesEndingWith("確定");
        ASSERT_EQ(confirmed.size(), 1u) << r.log.Text();
        EXPECT_EQ(StepName(confirmed[0]), std::to_string(d) + "を検索中...確定");
    }
    TabuRun r(8);
    ASSERT_TRUE(r.engine.EngineStart(set, 2, Settings(d, d, 0), Marks(kMulti)));
    EXPECT_EQ(r.engine.SingleCount(), d);
    EXPECT_EQ(UncoveredCount(set, r.engine.SingleData(), 1), 0);
    EXPECT_EQ(r.LinesEndingWith("を検索中...確定").size(), 1u);
    EXPECT_TRUE(
        r.log.Lines()[r.log.Lines().size() - 2].ends_with("指定口数に達したので検索を終了します"))
        << r.log.Text();
}

TEST(clsTMsEngine4, TimeLimitEndsTheStepWithThePreviousCover)
{
    // The search descends until a count it cannot reach in three seconds of the fake clock.
    const auto set = RandomSubset(kMulti, 0.3, 4);
    TabuRun r(3);
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
    // The limit is read after every batch of moves: 3 s of 100 ms events, plus the rounding
    // of the start to a whole second.
    const int events = eventsPerStep[failed.substr(0, failed.size() - std::string("中断").size())];
    EXPECT_GE(events, 25);
    EXPECT_LE(events, 36);
    EXPECT_TRUE(
        r.log.Lines()[r.log.Lines().size() - 2].ends_with("指定時間になったので検索を終了します"));
    const auto got = r.engine.SingleData();
    EXPECT_EQ(static_cast<int>(got.size()), d + 1);
    EXPECT_EQ(UncoveredCount(set, got, 1), 0);
}

TEST(clsTMsEngine4, StopInTheFirstStepLeavesNoResult)
{
    const auto set = RandomSubset(kMulti, 0.3, 6);
    TabuRun r(1);
    int events = 0;
    r.host.OnDoEvents = [&](std::int64_t) {
        if (!r.OpenStep().empty() && ++events == 3) {
            r.engine.EngineStop();
        }
    };
    // At the sphere bound (13 singles in a ball of this multi) a cover would have to be
    // perfect, so the first step keeps searching.
    const auto bound = static_cast<std::int32_t>((set.size() + 12) / 13);
    ASSERT_TRUE(r.engine.EngineStart(set, 2, Settings(bound, 1, 0), Marks(kMulti)));
    EXPECT_EQ(r.engine.SingleCount(), 0);
    EXPECT_EQ(r.LinesEndingWith(std::to_string(bound) + "を検索中...中断").size(), 1u)
        << r.log.Text();
    EXPECT_EQ(events, 3);
}

TEST(clsTMsEngine4, PauseWaitsUntilReleasedOrStopped)
{
    const auto set = RandomSubset(kMulti, 0.3, 7);
    TabuRun r(1);
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
    const auto bound = static_cast<std::int32_t>((set.size() + 12) / 13);
    ASSERT_TRUE(r.engine.EngineStart(set, 2, Settings(bound, 1, 0), Marks(kMulti)));
    // As in the trial search: events 3, 4 and 5 come in waits, one more event ends the step,
    // and the stopped run waits no more.
    EXPECT_EQ(r.host.Waits, (std::vector<std::int32_t>{500, 500, 500}));
    EXPECT_EQ(r.host.SleptMs, 0);
    EXPECT_EQ(events, 6);
}

TEST(clsTMsEngine4, NoStepBelowTheSphereBoundTheFastSearchsCoverInstead)
{
    // A ball of this multi holds at most 13 singles at 2nd grade.
    const auto set = RandomSubset(kMulti, 0.3, 13);
    const auto bound = static_cast<std::int32_t>((set.size() + 12) / 13);
    TabuRun r(1);
    r.TickDuringSteps();
    ASSERT_TRUE(r.engine.EngineStart(set, 2, Settings(bound - 1, 1, 1), Marks(kMulti)));
    EXPECT_EQ(r.LinesEndingWith(std::to_string(bound - 1) +
                                "口で保証を満たす組み合わせは存在しないため、"
                                "高速検索の口数から検索します")
                  .size(),
              1u)
        << r.log.Text();
    const auto confirmed = r.LinesEndingWith("を検索中...確定");
    ASSERT_FALSE(confirmed.empty()) << r.log.Text();
    EXPECT_EQ(StepName(confirmed[0]), std::to_string(GreedyCount(set, 2)) + "を検索中...確定");
    for (const auto& line : r.log.Lines()) {
        if (line.ends_with("を検索中...確定") || line.ends_with("を検索中...中断")) {
            EXPECT_GE(std::stoi(StepName(line)), bound) << line;
        }
    }
    const auto got = r.engine.SingleData();
    EXPECT_GE(static_cast<std::int32_t>(got.size()), bound);
    EXPECT_EQ(UncoveredCount(set, got, 1), 0);
}

TEST(clsTMsEngine4, NoCoverFoundAtTheFirstSizeGoesOnFromTheFastSearch)
{
    for (const int grade : {2, 3}) {
        const auto set = RandomSubset(kMulti, 0.3, 6);
        // At the sphere bound (13 or 74 singles in a ball of this multi) a cover would have to
        // be perfect: the first size runs out of time.
        const std::size_t ball = grade == 2 ? 13 : 74;
        const auto bound = static_cast<std::int32_t>((set.size() + ball - 1) / ball);
        TabuRun r(1);
        r.TickDuringSteps();
        ASSERT_TRUE(r.engine.EngineStart(set, grade, Settings(bound, 1, 1), Marks(kMulti)));
        EXPECT_EQ(r.LinesEndingWith(std::to_string(bound) +
                                    "口では保証を満たす組み合わせが見つからなかったため、"
                                    "高速検索の口数から検索します")
                      .size(),
                  1u)
            << r.log.Text();
        const auto got = r.engine.SingleData();
        ASSERT_FALSE(got.empty()) << r.log.Text();
        EXPECT_EQ(UncoveredCount(set, got, grade - 1), 0);
    }
}

TEST(clsTMsEngine4, StopDuringTheFastStartEndsTheRunWithNothing)
{
    const auto set = RandomSubset(kMulti, 0.3, 13);
    TabuRun r(1);
    int events = 0;
    r.host.OnDoEvents = [&](std::int64_t) {
        if (!r.LinesEndingWith("候補の検索中...").empty() && ++events == 1) {
            r.engine.EngineStop();
        }
    };
    ASSERT_TRUE(r.engine.EngineStart(set, 2, Settings(1, 1, 0), Marks(kMulti)));
    EXPECT_EQ(events, 1);
    EXPECT_EQ(r.engine.SingleCount(), 0);
    EXPECT_TRUE(r.LinesEndingWith("確定").empty()) << r.log.Text();
    EXPECT_TRUE(r.LinesEndingWith("見つからなかったため、高速検索の口数から検索します").empty());
}

TEST(clsTMsEngine4, FrameRunsEnginesSixAndSevenAndPassesPauseAndStop)
{
    const auto set = RandomSubset(kMulti, 0.3, 12);
    for (const int kind : {6, 7}) {
        RecordingHost host;
        clsTMsgLog log;
        clsTMsEngine frame(host, host, 9);
        frame.Initialize(log);
        std::vector<std::int32_t> singles = set;
        auto count = static_cast<std::int32_t>(singles.size());
        clsTMsEngine::TousenArray tousen{};
        auto s = Settings(GreedyCount(set, kind == 6 ? 2 : 3), 1, 0);
        s.MsEngine = kind;
        int events = 0;
        bool sawTabu = false;
        host.OnDoEvents = [&](std::int64_t) {
            sawTabu = sawTabu || frame.RunningEngine() == clsTMsEngine::EngineKind::Tabu;
            if (++events == 40) {
                frame.EnginePause(true);
            } else if (events == 42) {
                frame.EngineStop();
            }
        };
        ASSERT_TRUE(frame.EngineRun(count, singles, s, Marks(kMulti), tousen));
        EXPECT_TRUE(sawTabu);
        EXPECT_GE(host.WaitedMs(), 500);
        EXPECT_EQ(host.SleptMs, 0);
        ASSERT_GT(count, 0);
        EXPECT_EQ(UncoveredCount(set, singles, kind == 6 ? 1 : 2), 0);
        // The guarantee shows in the winning counts too.
        EXPECT_EQ(tousen[kind == 6 ? 4 : 5], tousen[0]);
    }
}

TEST(clsTMsEngine4, APausedSearchWaitsForEventsAndSeesAResumeOrStopAtOnce)
{
    for (const bool stop : {false, true}) {
        const auto set = RandomSubset(kMulti, 0.3, 7);
        TabuRun r(1);
        bool searching = false;
        int events = 0;
        std::size_t waitsAtAnswer = 0;
        r.host.OnDoEvents = [&](std::int64_t) {
            // Every event pass from the first size searched on.
            searching = searching || !r.OpenStep().empty();
            if (!searching) {
                return;
            }
            ++events;
            if (events == 2) {
                r.engine.EnginePause(true);
            } else if (events == 3) {
                // The first event pass of the pause: the user answers at once.
                waitsAtAnswer = r.host.Waits.size();
                if (stop) {
                    r.engine.EngineStop();
                } else {
                    r.engine.EnginePause(false);
                }
            } else if (events == 6) {
                r.engine.EngineStop();
            }
        };
        ASSERT_TRUE(r.engine.EngineStart(set, 2, Settings(1, 1, 0), Marks(kMulti)));
        // One wait of at most half a second, ended by the answer, and no sleep.
        EXPECT_EQ(waitsAtAnswer, 1u);
        EXPECT_EQ(r.host.Waits, std::vector<std::int32_t>{500}) << "stop " << stop;
        EXPECT_EQ(r.host.SleptMs, 0);
        // Resumed, the search went on to the later stop; stopped, it ended within a pass or two.
        if (stop) {
            EXPECT_LE(events, 5);
        } else {
            EXPECT_GE(events, 6);
        }
        EXPECT_FALSE(r.engine.SingleData().empty());
    }
}
