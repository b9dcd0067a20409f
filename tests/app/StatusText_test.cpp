// The status bar text of the document in the three forms of the vote status in use.

#include "app/basStatusBar.h"
#include "app/clsDocument.h"
#include "reference/basTotoSettings.h"
#include "store/clsTMain.h"
#include "support/RecordingHost.h"
#include "support/TestPaths.h"

#include <gtest/gtest.h>

namespace {
class StatusText : public ::testing::Test
{
protected:
    StatusText() { main.Initialize(); }
    RecordingHost rec;
    clsHost host = rec.Host();
    clsTMain main{host, basTotoSettings::Defaults(), kelvra_test::SourceDataDir()};
    clsDocument doc{host, main, 42};
};
} // namespace

TEST_F(StatusText, FinalInterimAndUserDefinedVotes)
{
    main.SetKaisaikai(9001);
    ASSERT_EQ(doc.Round().Vote().Kaisaikai, 9001);
    EXPECT_EQ(basStatusBar::Text(doc.Round().RoundLabel(), doc.Round().Vote()),
              " 第 9001 回 　使用投票率：2026/12/05 (最終)");

    VoteRecord interim = doc.Round().Vote();
    interim.AsOf = DateTime::FromYmdHms(2026, 12, 4, 9, 5, 0);
    doc.Round().SetVote(interim);
    EXPECT_EQ(basStatusBar::Text(doc.Round().RoundLabel(), doc.Round().Vote()),
              " 第 9001 回 　使用投票率：2026/12/04 09:05");

    VoteRecord user;
    user.Kaisaikai = 9001;
    doc.Round().SetVote(user);
    EXPECT_EQ(basStatusBar::Text(doc.Round().RoundLabel(), doc.Round().Vote()),
              " 第 9001 回 　使用投票率：ユーザー定義");
}

TEST_F(StatusText, WithoutAVoteOnlyTheRound)
{
    main.SetKaisaikai(1234);
    EXPECT_EQ(basStatusBar::Text(doc.Round().RoundLabel(), doc.Round().Vote()), " 第 1234 回 ");
    main.SetKaisaikai(0);
    EXPECT_EQ(basStatusBar::Text(doc.Round().RoundLabel(), doc.Round().Vote()), " 第   回 ");
}
