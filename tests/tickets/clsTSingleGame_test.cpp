#include "support/RecordingHost.h"
#include "tickets/clsTSingleGame.h"

#include <gtest/gtest.h>

TEST(clsTSingleGame, MatchRowsAndTheEarlyScheduleReport)
{
    RecordingHost host;
    clsTSingleGame game(host);
    ScheduleRecord s;
    s.Kaisaikai = 1200;
    s.Match[0].GameDate = DateTime::FromYmd(2026, 3, 7);
    s.Match[0].Home = "鹿島";
    s.Match[0].Away = "浦和";
    game.SetScheduleRecord(s);
    ASSERT_EQ(host.Messages.size(), 1u);
    EXPECT_EQ(host.Messages[0].Caption, "Kelvra / clsTSingleGame / Schedure");
    EXPECT_EQ(host.Messages[0].Text, "Initialize Err");

    game.Initialize();
    game.SetScheduleRecord(s);
    EXPECT_EQ(game.CellText(0, 0), "開催日");
    EXPECT_EQ(game.CellText(1, 0), "03/07");
    EXPECT_EQ(game.CellText(1, 1), "1");
    EXPECT_EQ(game.CellText(1, 2), "鹿島");
    EXPECT_EQ(game.CellText(1, 3), "浦和");
    EXPECT_EQ(game.CellText(2, 0), "");
    EXPECT_EQ(game.CellText(13, 1), "13");
    EXPECT_TRUE(clsTSingleGame::RowShaded(2));
    EXPECT_FALSE(clsTSingleGame::RowShaded(13));
}
