#include "store/clsBacktest.h"
#include "store/clsXmlResult.h"
#include "store/clsXmlVote.h"
#include "support/GeneratedRounds.h"
#include "support/RecordingHost.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace {
struct Store
{
    TempDir dir;
    RecordingHost host;

    explicit Store(std::int32_t lngFirst, std::int32_t lngLast)
    {
        for (const GeneratedRound& r : GenerateRounds(lngFirst, lngLast, 11)) {
            EXPECT_TRUE(StoreRound(host, dir.Str(), r));
        }
    }
    clsBacktest::Request Request(std::int32_t lngFrom, std::int32_t lngTo) const
    {
        return {ConditionSetRecord(), dir.Str(), "", lngFrom, lngTo, clsBacktest::Marking::All};
    }
};
} // namespace

// Which stored rounds count as lacking a record, and which as damaged: a cancelled round and
// one not stored are passed over quietly, a file of another round under this round's name is
// told.
TEST(clsBacktest, RoundsWithoutAUsableRecordAreSkippedWithTheirReason)
{
    Store s(301, 303);
    clsXmlResult result(s.host, s.dir.Str());
    ASSERT_TRUE(result.XmlLoad(result.GetFileName(302, "")));
    ResultRecord cancelled = result.GetRecord();
    cancelled.Cancelled = true;
    result.SetRecord(cancelled);
    ASSERT_TRUE(result.XmlSave(result.GetFileName(302, "")));
    clsXmlVote vote(s.host, s.dir.Str());
    ASSERT_TRUE(vote.XmlLoad(vote.GetFileName(301, "")));
    ASSERT_TRUE(vote.XmlSave(vote.GetFileName(303, "")));

    clsBacktest bt;
    ASSERT_TRUE(bt.Start(s.Request(300, 303)));
    bt.Wait();
    const clsBacktest::Progress p = bt.Snapshot();
    ASSERT_EQ(p.Rows.size(), 1u);
    EXPECT_EQ(p.Rows[0].Kaisaikai, 301);
    // No conditions and every outcome ◎: the whole multi, one single of it the winner.
    EXPECT_EQ(p.Rows[0].Singles, 1'594'323);
    EXPECT_TRUE(p.Rows[0].Hit);
    EXPECT_TRUE(p.Rows[0].Cost == Currency::FromInt(159'432'300));
    ASSERT_EQ(p.Skips.size(), 3u);
    EXPECT_FALSE(p.Skips[0].Broken) << p.Skips[0].Reason;
    EXPECT_FALSE(p.Skips[1].Broken) << p.Skips[1].Reason;
    EXPECT_EQ(p.Skips[1].Reason, "第302回: 中止になった回です。");
    EXPECT_TRUE(p.Skips[2].Broken);
    EXPECT_EQ(p.Skips[2].Reason, "第303回: ファイルの開催回が違います。");
    EXPECT_EQ(p.Done, 4);
    EXPECT_FALSE(p.Stopped);
    EXPECT_FALSE(bt.Running());
}

TEST(clsBacktest, ARangeBackwardsIsRefusedAndAStopKeepsWholeRows)
{
    Store s(301, 312);
    clsBacktest bt;
    EXPECT_FALSE(bt.Start(s.Request(0, 5)));
    EXPECT_FALSE(bt.Start(s.Request(5, 4)));
    EXPECT_FALSE(bt.Running());

    ASSERT_TRUE(bt.Start(s.Request(301, 312)));
    while (bt.RowsFrom(0).empty() && bt.Running()) {
        std::this_thread::yield();
    }
    bt.Stop();
    const clsBacktest::Progress p = bt.Snapshot();
    EXPECT_FALSE(p.Running);
    EXPECT_TRUE(p.Stopped);
    EXPECT_LT(p.Done, p.Total);
    EXPECT_EQ(static_cast<std::size_t>(p.Done), p.Rows.size() + p.Skips.size());
    for (const auto& r : p.Rows) {
        EXPECT_EQ(r.Singles, 1'594'323);
    }
    // A new start begins afresh.
    ASSERT_TRUE(bt.Start(s.Request(301, 302)));
    bt.Wait();
    EXPECT_EQ(bt.Snapshot().Rows.size(), 2u);
}
