#include "app/clsTGame.h"
#include "store/clsXmlSchedule.h"
#include "store/clsXmlVote.h"
#include "support/RecordingHost.h"

#include <gtest/gtest.h>

namespace {
const std::string kData = KELVRA_SOURCE_DATA_DIR;

struct Sample
{
    ScheduleRecord Schedule;
    VoteRecord Vote;
};

Sample Round9001()
{
    RecordingHost rec;
    clsXmlSchedule s(rec, kData);
    clsXmlVote v(rec, kData);
    EXPECT_TRUE(s.XmlLoad(s.GetFileName(9001, "")));
    EXPECT_TRUE(v.XmlLoad(v.GetFileName(9001, "")));
    return {s.GetRecord(), v.GetRecord()};
}

class RoundView : public ::testing::Test
{
protected:
    RecordingHost host;
    clsTGame game{host, kData};
};
} // namespace

TEST_F(RoundView, SettersBeforeInitializeAreRefusedAndReported)
{
    const Sample sample = Round9001();
    EXPECT_FALSE(game.SetSchedure(sample.Schedule));
    EXPECT_FALSE(game.SetVote(sample.Vote));
    ASSERT_EQ(host.Messages.size(), 2u);
    EXPECT_EQ(host.Messages[0].Text, "Initialize Err");
    EXPECT_EQ(host.Messages[0].Caption, "Kelvra / clsTGame / Schedure");
    EXPECT_EQ(host.Messages[1].Caption, "Kelvra / clsTGame / Vote");
    EXPECT_EQ(game.MatchText(1, 3), "");
    EXPECT_EQ(game.VoteHeader(), "投 票 率");
}

TEST_F(RoundView, Round9001MatchTable)
{
    const Sample sample = Round9001();
    game.Initialize(true);
    ASSERT_TRUE(game.SetSchedure(sample.Schedule));
    EXPECT_EQ(game.MatchText(0, 0), "開催日");
    EXPECT_EQ(game.MatchText(0, 1), "Jx");
    EXPECT_EQ(game.MatchText(0, 2), "No");
    EXPECT_EQ(game.MatchText(0, 3), "ホーム");
    EXPECT_EQ(game.MatchText(0, 4), "アウェイ");
    EXPECT_EQ(game.MatchText(0, 5), "投 票 率");
    EXPECT_EQ(game.MatchText(1, 0), "12/05");
    EXPECT_EQ(game.MatchText(1, 1), "J1");
    EXPECT_EQ(game.MatchText(1, 2), "1");
    EXPECT_EQ(game.MatchText(1, 3), "鹿島");
    EXPECT_EQ(game.MatchText(1, 4), "浦和");
    EXPECT_EQ(game.MatchText(13, 2), "13");
    for (int row = 1; row < clsTGame::kMatchRows; ++row) {
        const ScheduleMatch& m = sample.Schedule.Match[static_cast<std::size_t>(row - 1)];
        EXPECT_EQ(game.MatchText(row, 3), m.Home) << row;
        EXPECT_EQ(game.MatchText(row, 4), m.Away) << row;
        EXPECT_EQ(game.MatchText(row, 0), m.GameDate.Format("mm/dd")) << row;
    }
    EXPECT_TRUE(host.Messages.empty());
}

TEST_F(RoundView, Round9001VoteTableHeaderAndBars)
{
    const Sample sample = Round9001();
    game.Initialize(true);
    ASSERT_TRUE(game.SetVote(sample.Vote));
    EXPECT_EQ(game.VoteHeader(), "投票率 2026/12/05 13:50 [最終]");
    EXPECT_EQ(game.MatchText(0, 5), game.VoteHeader());
    // Home win, draw, away win: match 1 has 52.1 %, 26.3 %, 21.6 %.
    EXPECT_EQ(game.VoteText(0, 0), "52.10");
    EXPECT_EQ(game.VoteText(0, 1), "26.30");
    EXPECT_EQ(game.VoteText(0, 2), "21.60");
    EXPECT_EQ(game.VoteText(1, 0), "");
    EXPECT_EQ(game.VoteText(2, 0), "38.20");
    const std::array<std::int64_t, 3> first{192770, 97310, 79920};
    EXPECT_EQ(game.BarValues(0), first);
    for (int i = 0; i < clsTGame::kMatches; ++i) {
        const VoteMatch& m = sample.Vote.Match[static_cast<std::size_t>(i)];
        const std::array<std::int64_t, 3> expected{m.Votes[1].ToInt64(), m.Votes[0].ToInt64(),
                                                   m.Votes[2].ToInt64()};
        EXPECT_EQ(game.BarValues(i), expected) << i;
        EXPECT_GT(expected[0] + expected[1] + expected[2], 0) << i;
        EXPECT_EQ(game.VoteText(2 * i, 1), m.Rate[0].FormatNumber(2, false)) << i;
    }
}

TEST_F(RoundView, HeaderFormsOfTheVoteColumn)
{
    VoteRecord rec;
    EXPECT_EQ(clsTGame::VoteHeaderText(rec), "投 票 率");
    rec.Kaisaikai = 1234;
    EXPECT_EQ(clsTGame::VoteHeaderText(rec), "投 票 率 (ユーザー定義)");
    rec.AsOf = DateTime::FromYmdHms(2021, 1, 16, 13, 50, 0);
    rec.SaleEnd = rec.AsOf;
    EXPECT_EQ(clsTGame::VoteHeaderText(rec), "投票率 2021/01/16 13:50 [最終]");
    rec.AsOf = DateTime::FromYmdHms(2021, 1, 16, 13, 49, 0);
    EXPECT_EQ(clsTGame::VoteHeaderText(rec), "投票率 2021/01/16 13:49 ");
}

TEST_F(RoundView, UserDefinedVoteFillsEveryMatchAndEmptySlotsReadZero)
{
    game.Initialize(false);
    VoteRecord rec;
    rec.Kaisaikai = 1234;
    rec.Match[0].Rate = {Currency::FromRaw(250000), Currency::FromRaw(500000),
                         Currency::FromRaw(250000)};
    rec.Match[0].Votes = {Currency::FromInt(2500), Currency::FromInt(5000),
                          Currency::FromInt(2500)};
    ASSERT_TRUE(game.SetVote(rec));
    EXPECT_EQ(game.VoteHeader(), "投 票 率 (ユーザー定義)");
    EXPECT_EQ(game.VoteText(0, 0), "50.00");
    EXPECT_EQ(game.VoteText(0, 1), "25.00");
    const std::array<std::int64_t, 3> bar{5000, 2500, 2500};
    EXPECT_EQ(game.BarValues(0), bar);
    EXPECT_EQ(game.VoteText(24, 2), "0.00");
    EXPECT_EQ(game.BarValues(12), (std::array<std::int64_t, 3>{}));
}

TEST_F(RoundView, MatchWithoutDateHasEmptyDateAndNoDivision)
{
    game.Initialize(true);
    ScheduleRecord rec;
    rec.Kaisaikai = 1234;
    rec.Match[0].Home = "鹿島";
    rec.Match[0].Away = "浦和";
    rec.Match[1].Home = "鹿島";
    rec.Match[1].GameDate = DateTime::FromYmd(2026, 12, 5);
    rec.Match[2].Home = "札幌";
    rec.Match[2].GameDate = DateTime::FromYmd(2026, 12, 5);
    ASSERT_TRUE(game.SetSchedure(rec));
    EXPECT_EQ(game.MatchText(1, 0), "");
    EXPECT_EQ(game.MatchText(1, 1), "");
    EXPECT_EQ(game.MatchText(2, 1), "J1");
    EXPECT_EQ(game.MatchText(3, 1), "J2");
}

TEST_F(RoundView, ColoursAlternateByMatch)
{
    const clsTGame::Colour white{255, 255, 255, false};
    const clsTGame::Colour yellow{255, 255, 224, false};
    EXPECT_TRUE(clsTGame::MatchRowColour(0).ButtonFace);
    EXPECT_EQ(clsTGame::MatchRowColour(1), white);
    EXPECT_EQ(clsTGame::MatchRowColour(2), yellow);
    EXPECT_EQ(clsTGame::MatchRowColour(13), white);
    // Both rows of a match, rates and bar, share its colour.
    EXPECT_EQ(clsTGame::VoteRowColour(0), white);
    EXPECT_EQ(clsTGame::VoteRowColour(1), white);
    EXPECT_EQ(clsTGame::VoteRowColour(2), yellow);
    EXPECT_EQ(clsTGame::VoteRowColour(3), yellow);
    EXPECT_EQ(clsTGame::VoteRowColour(25), white);
}

TEST_F(RoundView, LayoutAt96And144Dpi)
{
    game.Initialize(true);
    EXPECT_EQ(game.MatchColumnWidth(0, 96), 50);
    EXPECT_EQ(game.MatchColumnWidth(1, 96), 20);
    EXPECT_EQ(game.MatchColumnWidth(2, 96), 20);
    EXPECT_EQ(game.MatchColumnWidth(5, 96), 203);
    EXPECT_EQ(game.MatchTableWidth(96), 50 + 20 + 20 + 50 + 50 + 203);
    EXPECT_EQ(clsTGame::MatchTableHeight(96), 20 + 13 * 21);
    EXPECT_EQ(clsTGame::VoteColumnWidth(96), 66);
    EXPECT_EQ(clsTGame::VoteRowHeight(0, 96), 14);
    EXPECT_EQ(clsTGame::VoteRowHeight(1, 96), 6);

    EXPECT_EQ(game.MatchColumnWidth(0, 144), 75);
    EXPECT_EQ(game.MatchColumnWidth(5, 144), 305);
    EXPECT_EQ(clsTGame::MatchRowHeight(0, 144), 30);
    EXPECT_EQ(clsTGame::MatchRowHeight(1, 144), 32);
    EXPECT_EQ(clsTGame::VoteColumnWidth(144), 99);
    EXPECT_EQ(clsTGame::VoteRowHeight(0, 144), 21);
    EXPECT_EQ(clsTGame::VoteRowHeight(1, 144), 9);

    clsTGame second(host, kData);
    second.Initialize(false);
    EXPECT_EQ(second.MatchColumnWidth(1, 96), 0);
    EXPECT_EQ(second.MatchColumnWidth(1, 144), 0);
    EXPECT_EQ(second.MatchTableWidth(96), game.MatchTableWidth(96) - 20);
}

TEST_F(RoundView, BarsSplitTheirWidthByTheVotes)
{
    game.Initialize(true);
    VoteRecord rec;
    rec.Kaisaikai = 1234;
    rec.Match[0].Votes = {Currency::FromInt(1), Currency::FromInt(2), Currency::FromInt(1)};
    rec.Match[1].Votes = {Currency::FromInt(1), Currency::FromInt(1), Currency::FromInt(1)};
    ASSERT_TRUE(game.SetVote(rec));
    // Home win (2 of 4), draw, away win.
    EXPECT_EQ(game.BarWidths(0, 200), (std::array<int, 3>{100, 50, 50}));
    const std::array<int, 3> thirds = game.BarWidths(1, 203);
    EXPECT_EQ(thirds[0] + thirds[1] + thirds[2], 203);
    EXPECT_LE(std::abs(thirds[0] - thirds[2]), 1);
    EXPECT_EQ(game.BarWidths(2, 203), (std::array<int, 3>{}));
    EXPECT_EQ(game.BarWidths(13, 203), (std::array<int, 3>{}));
    EXPECT_NE(clsTGame::BarColour(0), clsTGame::BarColour(1));
    EXPECT_NE(clsTGame::BarColour(1), clsTGame::BarColour(2));
}
