#include "EngineTestSupport.h"
#include "engines/clsTMsEngine1.h"
#include "engines/clsTMsEngine3.h"
#include "support/RecordingHost.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

using namespace enginetest;

namespace {

struct OptRun : EngineRun<clsTMsEngine3>
{
    using EngineRun::EngineRun;
    bool Searching() const
    {
        return !log.Lines().empty() && log.Lines().back().find("口を最適化中") != std::string::npos;
    }
    bool HasLineEnding(std::string_view tail) const
    {
        for (const auto& s : log.Lines()) {
            if (s.ends_with(tail)) {
                return true;
            }
        }
        return false;
    }
};

EngineSettingsRecord Settings(std::int32_t count, std::int32_t seconds)
{
    EngineSettingsRecord s;
    s.MsEngine = 5;
    s.SeBeginCount = count;
    s.SeEndTime = seconds;
    return s;
}

std::vector<std::int32_t> Spread(unsigned seed)
{
    return RandomSubset({3, 3, 3, 3, 3, 3, 1, 1, 1, 1, 1, 1, 1}, 0.15, seed);
}

} // namespace

TEST(clsTMsEngine3, OneTicketCoversThreeSinglesWithoutSearching)
{
    const std::int32_t b = No({0, 1, 1, 2, 0, 0, 1, 2, 2, 1, 0, 1, 0});
    const std::vector<std::int32_t> set{b, b + 1, b + 2};
    for (std::uint64_t seed = 1; seed <= 3; ++seed) {
        OptRun r(seed);
        ASSERT_TRUE(r.engine.EngineStart(set, Settings(1, 0)));
        ASSERT_EQ(r.engine.SingleCount(), 1);
        EXPECT_TRUE(std::count(set.begin(), set.end(), r.engine.SingleData()[0]) == 1);
        EXPECT_EQ(r.engine.BestUncovered(), 0);
        EXPECT_TRUE(r.HasLineEnding("1口を最適化中...確定")) << r.log.Text();
    }
}

TEST(clsTMsEngine3, MoreTicketsThanSinglesGivesExactlyThatManyWithRepeats)
{
    const std::vector<std::int32_t> set{0, 1594322, 797161};
    for (std::uint64_t seed = 1; seed <= 4; ++seed) {
        OptRun r(seed);
        ASSERT_TRUE(r.engine.EngineStart(set, Settings(7, 0)));
        const auto got = r.engine.SingleData();
        ASSERT_EQ(got.size(), 7u);
        EXPECT_LT(std::set<std::int32_t>(got.begin(), got.end()).size(), 7u);
        for (const auto s : got) {
            EXPECT_TRUE(std::count(set.begin(), set.end(), s) == 1);
        }
        EXPECT_EQ(UncoveredCount(set, got, 1), 0);
    }
}

TEST(clsTMsEngine3, TimeLimitIsSeenAtThePerturbationAndKeepsTheBest)
{
    const auto set = Spread(3);
    OptRun r(9);
    std::int64_t searchEvents = 0;
    r.host.OnDoEvents = [&](std::int64_t) {
        if (r.Searching()) {
            ++searchEvents;
            r.host.AdvanceMs(100);
        }
    };
    ASSERT_TRUE(r.engine.EngineStart(set, Settings(2, 3)));
    // One event per batch, the clock 100 ms further each time; the limit is only read at the
    // perturbation after 51 batches, when 5 s have passed.
    EXPECT_EQ(searchEvents, 51);
    EXPECT_TRUE(r.HasLineEnding("2口を最適化中...確定")) << r.log.Text();
    EXPECT_TRUE(
        r.log.Lines()[r.log.Lines().size() - 2].ends_with("指定時間になったので検索を終了します"))
        << r.log.Text();
    const auto got = r.engine.SingleData();
    ASSERT_EQ(got.size(), 2u);
    EXPECT_EQ(UncoveredCount(set, got, 1), r.engine.BestUncovered());
    EXPECT_GT(r.engine.BestUncovered(), 0);
}

TEST(clsTMsEngine3, UserStopReturnsTheBestSeenAndNoTimeOutLine)
{
    const auto set = Spread(4);
    for (std::uint64_t seed = 1; seed <= 3; ++seed) {
        OptRun r(seed);
        std::int64_t searchEvents = 0;
        std::vector<std::int32_t> activity;
        r.engine.ActivityChanged = [&](std::int32_t v) { activity.push_back(v); };
        r.host.OnDoEvents = [&](std::int64_t) {
            if (r.Searching() && ++searchEvents == 400) {
                r.engine.EngineStop();
            }
        };
        ASSERT_TRUE(r.engine.EngineStart(set, Settings(4, 0)));
        EXPECT_EQ(searchEvents, 400);
        const auto got = r.engine.SingleData();
        ASSERT_EQ(got.size(), 4u);
        EXPECT_EQ(UncoveredCount(set, got, 1), r.engine.BestUncovered());
        EXPECT_FALSE(r.HasLineEnding("指定時間になったので検索を終了します"));
        // The bar steps by one, from 1 upward, each time the search has moved.
        for (std::size_t i = 0; i < activity.size(); ++i) {
            EXPECT_EQ(activity[i], static_cast<std::int32_t>(i + 1));
        }
        EXPECT_EQ(r.log.BarValue(), 0);
    }
}

TEST(clsTMsEngine3, PauseWaitsInHalfSecondsUntilReleased)
{
    const auto set = Spread(5);
    OptRun r(2);
    std::int64_t searchEvents = 0;
    r.host.OnDoEvents = [&](std::int64_t) {
        if (!r.Searching()) {
            return;
        }
        ++searchEvents;
        if (searchEvents == 3) {
            r.engine.EnginePause(true);
        } else if (searchEvents == 7) {
            r.engine.EnginePause(false);
        } else if (searchEvents == 10) {
            r.engine.EngineStop();
        }
    };
    ASSERT_TRUE(r.engine.EngineStart(set, Settings(3, 0)));
    // Paused after event 3; events 4 to 7 each come in one wait of at most 500 ms.
    EXPECT_EQ(r.host.Waits, (std::vector<std::int32_t>{500, 500, 500, 500}));
    EXPECT_EQ(r.host.SleptMs, 0);
    EXPECT_EQ(searchEvents, 10);
}

TEST(clsTMsEngine3, EnoughTicketsFindAFullCover)
{
    for (unsigned seed = 21; seed <= 24; ++seed) {
        const auto set = Spread(seed);
        RecordingHost host;
        clsTMsgLog log;
        clsTMsEngine1 greedy(host, host);
        greedy.Initialize(log);
        ASSERT_TRUE(greedy.EngineStart(set, 2));
        OptRun r(seed);
        ASSERT_TRUE(r.engine.EngineStart(set, Settings(greedy.SingleCount(), 0)));
        const auto got = r.engine.SingleData();
        EXPECT_EQ(got.size(), static_cast<std::size_t>(greedy.SingleCount()));
        EXPECT_EQ(UncoveredCount(set, got, 1), 0) << "seed " << seed;
        EXPECT_EQ(r.engine.BestUncovered(), 0);
    }
}

TEST(clsTMsEngine3, CacheFailureIsReportedAndLeavesNoResult)
{
    OptRun r(1);
    r.engine.SetCacheLimit(10);
    ASSERT_TRUE(r.engine.EngineStart(Spread(6), Settings(3, 0)));
    EXPECT_TRUE(r.engine.CacheFailed());
    EXPECT_EQ(r.engine.SingleCount(), 0);
    ASSERT_EQ(r.host.Messages.size(), 1u);
    EXPECT_EQ(r.host.Messages[0].Caption, "Cache Initialize Err");
    EXPECT_EQ(r.host.Messages[0].Icon, MsgIcon::Error);
    EXPECT_TRUE(r.host.Messages[0].Text.ends_with(" ( 7 )"));
}

TEST(clsTMsEngine3, StopDuringTheCacheBuildLeavesNoResult)
{
    OptRun r(1);
    r.host.OnDoEvents = [&](std::int64_t n) {
        if (n == 2) {
            r.engine.EngineStop();
        }
    };
    ASSERT_TRUE(r.engine.EngineStart(Spread(7), Settings(3, 0)));
    EXPECT_EQ(r.engine.SingleCount(), 0);
    EXPECT_FALSE(r.engine.CacheFailed());
    EXPECT_TRUE(r.host.Messages.empty());
}
