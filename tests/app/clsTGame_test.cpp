#include "app/clsTGame.h"
#include "lottery/clsToto.h"
#include "store/clsXmlSchedule.h"
#include "store/clsXmlVote.h"
#include "support/RecordingHost.h"
#include "support/TestPaths.h"

#include <gtest/gtest.h>

namespace {
const std::string kData = kelvra_test::SourceDataDir();

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
    for (int i = 0; i < clsToto::kMatchCount; ++i) {
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

TEST_F(RoundView, GridsCarryTextsColoursAndAlignment)
{
    const Sample sample = Round9001();
    game.Initialize(true);
    ASSERT_TRUE(game.SetSchedure(sample.Schedule));
    ASSERT_TRUE(game.SetVote(sample.Vote));
    const clsIGridSource& match = game.MatchGrid();
    const clsIGridSource& vote = game.VoteGrid();
    ASSERT_EQ(match.Rows(), 14);
    ASSERT_EQ(match.Cols(), 6);
    ASSERT_EQ(vote.Rows(), 26);
    ASSERT_EQ(vote.Cols(), 3);
    EXPECT_EQ(match.Cell(0, 3).strText, "ホーム");
    EXPECT_EQ(match.Cell(0, 5).strText, "投票率 2026/12/05 13:50 [最終]");
    EXPECT_EQ(match.Cell(1, 3).strText, "鹿島");
    EXPECT_EQ(match.Cell(1, 1).strText, "J1");
    EXPECT_EQ(match.Cell(13, 2).strText, "13");
    EXPECT_EQ(match.Cell(0, 0).BackColor, GridColor::ButtonFaceColor());
    EXPECT_EQ(match.Cell(1, 0).BackColor, GridColor::FromRgb(255, 255, 255));
    EXPECT_EQ(match.Cell(2, 4).BackColor, GridColor::FromRgb(255, 255, 224));
    EXPECT_EQ(match.Cell(1, 3).Align, GridAlign::Left);
    EXPECT_EQ(match.Cell(1, 2).Align, GridAlign::Center);
    EXPECT_EQ(match.Cell(1, 2).lngFontPoints, 9);
    EXPECT_EQ(vote.Cell(0, 0).strFontName, "ＭＳ ゴシック");
    EXPECT_EQ(vote.Cell(0, 0).strText, "52.10");
    EXPECT_EQ(vote.Cell(0, 2).strText, "21.60");
    EXPECT_EQ(vote.Cell(1, 0).strText, "");
    EXPECT_EQ(vote.Cell(3, 1).BackColor, GridColor::FromRgb(255, 255, 224));

    // A new vote status replaces the header and the rates; the matches stay.
    VoteRecord user;
    user.Kaisaikai = 9001;
    ASSERT_TRUE(game.SetVote(user));
    EXPECT_EQ(match.Cell(0, 5).strText, "投 票 率 (ユーザー定義)");
    EXPECT_EQ(vote.Cell(0, 0).strText, "0.00");
    EXPECT_EQ(match.Cell(1, 3).strText, "鹿島");
}

TEST_F(RoundView, GeometryAndHitTestingAt96And144Dpi)
{
    game.Initialize(true);
    clsGridGeometry match = game.MatchGeometry96();
    EXPECT_EQ(match.CellRect(0, 0), (GridRect{0, 0, 50, 20}));
    EXPECT_EQ(match.CellRect(1, 3), (GridRect{90, 20, 76, 21}));
    EXPECT_EQ(match.CellRect(13, 5), (GridRect{242, 20 + 12 * 21, 203, 21}));
    EXPECT_EQ(match.Width(), 445);
    EXPECT_EQ(match.Height(), 20 + 13 * 21);
    ASSERT_TRUE(match.HitTest(250, 30).has_value());
    EXPECT_EQ(*match.HitTest(250, 30), (GridCellAddress{1, 5}));
    EXPECT_EQ(*match.HitTest(241, 30), (GridCellAddress{1, 4}));
    EXPECT_EQ(*match.HitTest(55, 19), (GridCellAddress{0, 1}));

    match.SetDpi(144);
    EXPECT_EQ(match.CellRect(0, 0), (GridRect{0, 0, 75, 30}));
    EXPECT_EQ(match.Width(), 668);
    EXPECT_EQ(match.Height(), 440);
    // The same places, one and a half times as far out.
    EXPECT_EQ(*match.HitTest(375, 45), (GridCellAddress{1, 5}));
    EXPECT_EQ(*match.HitTest(362, 45), (GridCellAddress{1, 4}));
    EXPECT_EQ(*match.HitTest(83, 28), (GridCellAddress{0, 1}));
    EXPECT_FALSE(match.HitTest(668, 10).has_value());

    clsGridGeometry vote = clsTGame::VoteGeometry96();
    EXPECT_EQ(vote.CellRect(0, 0), (GridRect{0, 0, 66, 14}));
    EXPECT_EQ(vote.CellRect(1, 2), (GridRect{132, 14, 66, 7}));
    // Level with the match rows below the header.
    EXPECT_EQ(vote.Height(), 13 * 21);
    EXPECT_EQ(vote.CellRect(24, 0).lngTop + 20, game.MatchGeometry96().CellRect(13, 5).lngTop);
    vote.SetDpi(144);
    EXPECT_EQ(vote.CellRect(0, 0), (GridRect{0, 0, 99, 21}));
    EXPECT_EQ(vote.CellRect(1, 0), (GridRect{0, 21, 99, 11}));
    // Bar i lies on the vote table's bar row of match i.
    for (int i = 0; i < clsToto::kMatchCount; ++i) {
        const GridRect bar = clsTGame::BarRect96(i);
        const GridRect row = clsTGame::VoteGeometry96().CellRect(2 * i + 1, 0);
        EXPECT_EQ(bar.lngTop, row.lngTop) << i;
        EXPECT_EQ(bar.lngHeight, row.lngHeight) << i;
        EXPECT_EQ(bar.lngWidth, 203) << i;
    }

    // The second view hides the division column: no width, never hit.
    clsTGame second(host, kData);
    second.Initialize(false);
    clsGridGeometry hidden = second.MatchGeometry96();
    EXPECT_EQ(hidden.ColWidth(1), 0);
    EXPECT_EQ(hidden.Width(), 425);
    EXPECT_EQ(*hidden.HitTest(50, 30), (GridCellAddress{1, 2}));
    hidden.SetDpi(144);
    EXPECT_EQ(hidden.ColWidth(1), 0);
    EXPECT_EQ(*hidden.HitTest(75, 40), (GridCellAddress{1, 2}));
}

TEST_F(RoundView, BarsCarryTheVotesInTheirColours)
{
    game.Initialize(true);
    VoteRecord rec;
    rec.Kaisaikai = 1234;
    rec.Match[0].Votes = {Currency::FromInt(1), Currency::FromInt(2), Currency::FromInt(3)};
    ASSERT_TRUE(game.SetVote(rec));
    const std::vector<BarSegment> bar = game.Bar(0);
    ASSERT_EQ(bar.size(), 3u);
    // Home win, draw, away win.
    EXPECT_EQ(bar[0].lngValue, 2);
    EXPECT_EQ(bar[1].lngValue, 1);
    EXPECT_EQ(bar[2].lngValue, 3);
    EXPECT_NE(bar[0].Color, bar[1].Color);
    EXPECT_NE(bar[1].Color, bar[2].Color);
    for (const BarSegment& empty : game.Bar(12)) {
        EXPECT_EQ(empty.lngValue, 0);
    }
}

TEST_F(RoundView, OwnProbabilitiesShowBesideTheRatesWithTheirRatioAndValueMark)
{
    game.Initialize(true);
    VoteRecord vote;
    vote.Kaisaikai = 9001;
    vote.Match[0].Rate[1] = Currency::FromRaw(400000); // 40.00 %
    vote.Match[0].Rate[0] = Currency::FromRaw(350000); // 35.00 %
    vote.Match[0].Rate[2] = Currency::FromRaw(250000); // 25.00 %
    ASSERT_TRUE(game.SetVote(vote));
    EXPECT_FALSE(game.HasProbability());
    EXPECT_EQ(game.ProbabilityText(1, 0), "");
    ProbabilityRecord p;
    for (std::size_t m = 0; m < 13; ++m) {
        p.Value[1][m] = 5000;
        p.Value[0][m] = 2500;
        p.Value[2][m] = 2500;
    }
    p.Value[1][0] = 4001; // just above the public 40.00 %: a value although its ratio reads 1.00
    p.Value[0][0] = 3499;
    p.Value[2][0] = 2500; // exactly the public rate: no value
    ASSERT_TRUE(game.SetProbability(p));
    ASSERT_TRUE(game.HasProbability());
    EXPECT_EQ(game.ProbabilityText(0, 0), "予想 1");
    EXPECT_EQ(game.ProbabilityText(0, 5), "比 2");
    // Columns in the view's order home win, draw, away win.
    EXPECT_EQ(game.ProbabilityText(1, 0), "40.01");
    EXPECT_EQ(game.ProbabilityText(1, 1), "34.99");
    EXPECT_EQ(game.ProbabilityText(1, 2), "25.00");
    EXPECT_EQ(game.ProbabilityText(1, 3), "1.00");
    EXPECT_EQ(game.ProbabilityText(1, 4), "1.00"); // 0.9997 rounds up
    EXPECT_EQ(game.ProbabilityText(1, 5), "1.00");
    EXPECT_TRUE(game.IsValue(0, 0));
    EXPECT_FALSE(game.IsValue(0, 1));
    EXPECT_FALSE(game.IsValue(0, 2));
    // A match without public rates has no ratio and never counts as a value.
    EXPECT_EQ(game.ProbabilityText(2, 0), "50.00");
    EXPECT_EQ(game.ProbabilityText(2, 3), "-");
    EXPECT_FALSE(game.IsValue(1, 0));

    const clsIGridSource& grid = game.ProbabilityGrid();
    const clsTGame::Colour v = clsTGame::ValueColour();
    EXPECT_EQ(grid.Cell(1, 3).BackColor, GridColor::FromRgb(v.Red, v.Green, v.Blue));
    EXPECT_TRUE(grid.Cell(1, 3).blnBold);
    EXPECT_NE(grid.Cell(1, 4).BackColor, GridColor::FromRgb(v.Red, v.Green, v.Blue));
    EXPECT_EQ(grid.Cell(1, 0).Align, GridAlign::Right);

    // New public rates change the ratios; the mark follows them.
    vote.Match[0].Rate[1] = Currency::FromRaw(200000);
    ASSERT_TRUE(game.SetVote(vote));
    EXPECT_EQ(game.ProbabilityText(1, 3), "2.00");
    vote.Match[0].Rate[1] = Currency::FromRaw(800000);
    ASSERT_TRUE(game.SetVote(vote));
    EXPECT_EQ(game.ProbabilityText(1, 3), "0.50");
    EXPECT_FALSE(game.IsValue(0, 0));
    EXPECT_NE(grid.Cell(1, 3).BackColor, GridColor::FromRgb(v.Red, v.Green, v.Blue));

    ASSERT_TRUE(game.SetProbability(std::nullopt));
    EXPECT_FALSE(game.HasProbability());
    EXPECT_EQ(game.ProbabilityText(1, 0), "");
}

TEST(RoundViewRatio, OwnOverPublicInHundredthsRoundedHalfUp)
{
    EXPECT_EQ(clsTGame::RatioHundredths(5000, Currency::FromRaw(250000)), 200);
    EXPECT_EQ(clsTGame::RatioHundredths(1000, Currency::FromRaw(300000)), 33); // 0.3333
    EXPECT_EQ(clsTGame::RatioHundredths(2000, Currency::FromRaw(300000)), 67); // 0.6667
    EXPECT_EQ(clsTGame::RatioHundredths(9999, Currency::FromRaw(100)), 999900);
    EXPECT_EQ(clsTGame::RatioHundredths(0, Currency::FromRaw(100)), 0);
    EXPECT_FALSE(clsTGame::RatioHundredths(5000, Currency::FromRaw(0)).has_value());
}
