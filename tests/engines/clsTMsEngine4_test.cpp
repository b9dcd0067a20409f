#include "EngineTestSupport.h"
#include "engines/clsTMsEngine.h"
#include "engines/clsTMsEngine1.h"
#include "engines/clsTMsEngine4.h"
#include "support/RecordingHost.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <utility>

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

TEST(clsTMsEngine4, ReadingTheFullMultiLeavesTheWindowItsEvents)
{
    // All 13 matches open: reading the 1,594,323 singles and placing the perfect code's 59,049
    // tickets is most of a second before the first line; the window must get events through it.
    const auto set = MultiSingles(Triples(13));
    TabuRun r(1);
    std::int64_t beforeFirstLine = 0;
    r.host.OnDoEvents = [&](std::int64_t lngCount) {
        if (r.log.Lines().empty()) {
            beforeFirstLine = lngCount;
        }
    };
    ASSERT_TRUE(r.engine.EngineStart(set, 2, Settings(0, 1, 5), Marks(Triples(13))));
    EXPECT_EQ(r.engine.SingleCount(), 59049);
    // A pass for about every 16,000 singles read, of ticket placed.
    EXPECT_GE(beforeFirstLine, 2 * 1594323 / 16384);
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

TEST(clsTMsEngine4, SingleTargetIsConfirmedAtTheStartAndEndsThere)
{
    // The start is the fast search's one ticket, whatever BeginCount says; no size lies
    // below it.
    const std::int32_t t = No({2, 1, 0, 0, 1, 2, 2, 1, 0, 1, 0, 2, 1});
    TabuRun r(5);
    ASSERT_TRUE(
        r.engine.EngineStart(std::vector<std::int32_t>{t}, 3, Settings(3, 0, 0), Marks(kMulti)));
    EXPECT_EQ(r.engine.SingleData(), std::vector<std::int32_t>{t});
    EXPECT_EQ(r.engine.StartCount(), 1);
    const auto confirmed = r.LinesEndingWith("を検索中...確定");
    ASSERT_EQ(confirmed.size(), 1u) << r.log.Text();
    EXPECT_EQ(StepName(confirmed[0]), "1を検索中...確定");
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

TEST(clsTMsEngine4, TimeLimitEndsTheRunWithThePreviousCover)
{
    // The limit holds for the whole run: the search descends until three seconds of the fake
    // clock have gone, over all the sizes it searched.
    const auto set = RandomSubset(kMulti, 0.3, 4);
    TabuRun r(3);
    int events = 0;
    r.host.OnDoEvents = [&](std::int64_t) {
        if (!r.OpenStep().empty()) {
            ++events;
            r.host.AdvanceMs(100);
        }
    };
    ASSERT_TRUE(r.engine.EngineStart(set, 2, Settings(GreedyCount(set, 2), 1, 3), Marks(kMulti)));
    const auto interrupted = r.LinesEndingWith("を検索中...中断");
    ASSERT_EQ(interrupted.size(), 1u) << r.log.Text();
    const int d = std::stoi(StepName(interrupted[0]));
    // The limit is read after every batch of moves: 3 s of 100 ms events, less the rounding
    // of the start to a whole second.
    EXPECT_GE(events, 25);
    EXPECT_LE(events, 31);
    EXPECT_TRUE(
        r.log.Lines()[r.log.Lines().size() - 2].ends_with("指定時間になったので検索を終了します"));
    const auto got = r.engine.SingleData();
    EXPECT_EQ(static_cast<int>(got.size()), d + 1);
    EXPECT_EQ(UncoveredCount(set, got, 1), 0);
}

TEST(clsTMsEngine4, StopInASearchedSizeKeepsTheLastCover)
{
    const auto set = RandomSubset(kMulti, 0.3, 6);
    TabuRun r(1);
    int events = 0;
    r.host.OnDoEvents = [&](std::int64_t) {
        if (!r.OpenStep().empty() && ++events == 3) {
            r.engine.EngineStop();
        }
    };
    ASSERT_TRUE(r.engine.EngineStart(set, 2, Settings(1, 1, 0), Marks(kMulti)));
    const auto interrupted = r.LinesEndingWith("を検索中...中断");
    ASSERT_EQ(interrupted.size(), 1u) << r.log.Text();
    EXPECT_EQ(r.engine.SingleCount(), std::stoi(StepName(interrupted[0])) + 1);
    EXPECT_EQ(UncoveredCount(set, r.engine.SingleData(), 1), 0);
    EXPECT_EQ(events, 3);
}

TEST(clsTMsEngine4, PauseWaitsUntilReleasedOrStopped)
{
    const auto set = RandomSubset(kMulti, 0.3, 7);
    TabuRun r(1);
    int events = 0;
    r.host.OnDoEvents = [&](std::int64_t) {
        // Once paused, every event pass counts: the pause may fall between two sizes.
        if (r.OpenStep().empty() && events < 2) {
            return;
        }
        ++events;
        if (events == 2) {
            r.engine.EnginePause(true);
        } else if (events == 5) {
            r.engine.EngineStop();
        }
    };
    ASSERT_TRUE(r.engine.EngineStart(set, 2, Settings(1, 1, 0), Marks(kMulti)));
    // As in the trial search: events 3, 4 and 5 come in waits, one more event ends the step,
    // and the stopped run waits no more.
    EXPECT_EQ(r.host.Waits, (std::vector<std::int32_t>{500, 500, 500}));
    EXPECT_EQ(r.host.SleptMs, 0);
    EXPECT_EQ(events, 6);
}

TEST(clsTMsEngine4, NoStepBelowTheSphereBound)
{
    // A ball of this multi holds at most 13 singles at 2nd grade.
    const auto set = RandomSubset(kMulti, 0.3, 13);
    const auto bound = static_cast<std::int32_t>((set.size() + 12) / 13);
    TabuRun r(1);
    r.TickDuringSteps();
    ASSERT_TRUE(r.engine.EngineStart(set, 2, Settings(bound - 1, 1, 1), Marks(kMulti)));
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

TEST(clsTMsEngine4, StartsFromTheFastSearchsCoverWhateverBeginCount)
{
    // The box's count once held the search at a size far below any cover, or far above the
    // one the fast search finds at once; now the first cover is the fast search's.
    for (const int grade : {2, 3}) {
        const auto set = RandomSubset(kMulti, 0.3, 6);
        const std::int32_t greedy = GreedyCount(set, grade);
        for (const std::int32_t begin : {1, 100, 9999}) {
            TabuRun r(1);
            r.TickDuringSteps();
            ASSERT_TRUE(r.engine.EngineStart(set, grade, Settings(begin, 1, 1), Marks(kMulti)));
            EXPECT_EQ(r.engine.StartCount(), greedy) << "grade " << grade << " begin " << begin;
            const auto confirmed = r.LinesEndingWith("を検索中...確定");
            ASSERT_FALSE(confirmed.empty()) << r.log.Text();
            EXPECT_EQ(StepName(confirmed[0]), std::to_string(greedy) + "を検索中...確定");
            const auto got = r.engine.SingleData();
            EXPECT_LE(static_cast<std::int32_t>(got.size()), greedy);
            EXPECT_EQ(UncoveredCount(set, got, grade - 1), 0);
        }
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
    EXPECT_EQ(r.engine.StartCount(), 0);
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
            // From the first size searched after the fast search's start.
            if (events == 0 &&
                (log.Lines().empty() || !log.Lines().back().ends_with("を検索中..."))) {
                return;
            }
            if (++events == 4) {
                frame.EnginePause(true);
            } else if (events == 6) {
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

TEST(clsTMsEngine4, DefaultSettingsEndByThemselvesShowingTimeAndBestSize)
{
    const auto set = RandomSubset(kMulti, 0.3, 12);
    for (const int kind : {6, 7}) {
        const int grade = kind == 6 ? 2 : 3;
        RecordingHost host;
        clsTMsgLog log;
        clsTMsEngine frame(host, host, 9);
        frame.Initialize(log);
        std::vector<std::int32_t> singles = set;
        auto count = static_cast<std::int32_t>(singles.size());
        clsTMsEngine::TousenArray tousen{};
        // A new work's settings: no time limit of its own.
        EngineSettingsRecord s;
        s.MsEngine = kind;
        ASSERT_EQ(s.EndTime, 0);
        std::int64_t events = 0;
        bool forced = false;
        std::vector<std::int32_t> bar;
        host.OnDoEvents = [&](std::int64_t) {
            // Half a second of the clock per batch of moves.
            if (!log.Lines().empty() && log.Lines().back().ends_with("を検索中...")) {
                host.AdvanceMs(500);
            }
            if (frame.RunningEngine() == clsTMsEngine::EngineKind::Tabu &&
                log.BarMax() == kMinimumCountSeconds * 10) {
                bar.push_back(log.BarValue());
            }
            // Fifteen minutes of the fake clock: far past any limit the run should keep.
            if (++events == 1800) {
                forced = true;
                frame.EngineStop();
            }
        };
        ASSERT_TRUE(frame.EngineRun(count, singles, s, Marks(kMulti), tousen));
        EXPECT_FALSE(forced) << "engine " << kind;
        EXPECT_EQ(UncoveredCount(set, singles, grade - 1), 0);
        EXPECT_EQ(frame.LastStartCount(), GreedyCount(set, grade));
        EXPECT_NE(log.Text().find("指定時間になったので検索を終了します"), std::string::npos);

        // The bar is the time used of the 30 s, in tenths: it only grows, and nearly fills.
        ASSERT_GE(bar.size(), 10u) << "engine " << kind;
        EXPECT_TRUE(std::is_sorted(bar.begin(), bar.end()));
        EXPECT_GE(bar.back(), 280);
        EXPECT_LE(bar.back(), 300);

        // A line per confirmed size: the smallest cover so far and the whole seconds left.
        std::vector<std::pair<int, int>> best;
        for (const auto& line : log.Lines()) {
            const std::size_t at = line.find(" 最小 ");
            if (at == std::string::npos) {
                continue;
            }
            const std::string rest = line.substr(at + std::string(" 最小 ").size());
            const std::size_t left = rest.find("口　残り ");
            ASSERT_NE(left, std::string::npos) << line;
            ASSERT_TRUE(rest.ends_with("秒")) << line;
            best.emplace_back(std::stoi(rest.substr(0, left)),
                              std::stoi(rest.substr(left + std::string("口　残り ").size())));
        }
        ASSERT_GE(best.size(), 2u) << log.Text();
        EXPECT_EQ(best.front().first, frame.LastStartCount());
        EXPECT_EQ(best.back().first, count);
        for (std::size_t i = 1; i < best.size(); ++i) {
            EXPECT_LT(best[i].first, best[i - 1].first);
            EXPECT_LE(best[i].second, best[i - 1].second);
        }
        EXPECT_LE(best.front().second, kMinimumCountSeconds);
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

TEST(clsTMsEngine4, TimePausedDoesNotUseUpTheLimit)
{
    const auto set = RandomSubset(kMulti, 0.3, 4);
    TabuRun r(3);
    int searching = 0;
    int pausedPasses = 0;
    bool paused = false;
    r.host.OnDoEvents = [&](std::int64_t) {
        if (paused) {
            // Ten seconds in the pause, far past the three of the limit.
            r.host.AdvanceMs(500);
            if (++pausedPasses == 20) {
                paused = false;
                r.engine.EnginePause(false);
            }
            return;
        }
        if (r.OpenStep().empty()) {
            return;
        }
        r.host.AdvanceMs(100);
        if (++searching == 5) {
            paused = true;
            r.engine.EnginePause(true);
        }
    };
    ASSERT_TRUE(r.engine.EngineStart(set, 2, Settings(GreedyCount(set, 2), 1, 3), Marks(kMulti)));
    EXPECT_EQ(pausedPasses, 20);
    // The same searching time as without the pause.
    EXPECT_GE(searching, 25);
    EXPECT_LE(searching, 31);
    EXPECT_NE(r.log.Text().find("指定時間になったので検索を終了します"), std::string::npos);
}
