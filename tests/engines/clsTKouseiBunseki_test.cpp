#include "engines/clsTKouseiBunseki.h"
#include "support/RecordingHost.h"

#include <gtest/gtest.h>

namespace {
// Every match marked ◎ on the home win; match 1 also ○ on the draw: two singles.
clsTKouseiBunseki::MarkArray TwoSingles()
{
    clsTKouseiBunseki::MarkArray m{};
    for (std::size_t i = 0; i < 13; ++i) {
        m[1][i] = 1;
    }
    m[0][0] = 2;
    return m;
}
} // namespace

TEST(clsTKouseiBunseki, SharesRoundEachLineOnItsOwn)
{
    RecordingHost host;
    clsTKouseiBunseki view(host);
    view.Initialize();
    EXPECT_EQ(view.CellText(1, 2), "口数");
    EXPECT_EQ(view.CellText(1, 3), "比率");
    EXPECT_EQ(view.CellText(2, 3), "0%");
    clsTKouseiBunseki::Histogram h{};
    h[0] = 2;
    h[1] = 1;
    view.SetValue(h);
    EXPECT_EQ(view.CellText(2, 1), "0");
    EXPECT_EQ(view.CellText(2, 2), "2");
    EXPECT_EQ(view.CellText(2, 3), "67%");
    EXPECT_EQ(view.CellText(3, 3), "33%");
    EXPECT_EQ(view.CellText(15, 1), "13");
    EXPECT_EQ(view.CellText(15, 3), "0%");
    view.Clear();
    EXPECT_EQ(view.CellText(2, 2), "0");
}

TEST(clsTKouseiBunseki, LinesAboveTheMarkLimitAreRed)
{
    RecordingHost host;
    clsTKouseiBunseki view(host);
    view.Initialize();
    ConditionTableEntry all = ConditionTableEntry::Cleared(JoukenKind::Honmei, 0);
    EXPECT_EQ(clsTKouseiBunseki::MarkLimit(all), 14);
    view.SetMarkMax(14);
    for (std::int32_t r = 1; r <= 15; ++r) {
        EXPECT_EQ(view.RowColor(r), clsTKouseiBunseki::kBlack) << r;
    }
    ConditionTableEntry three = all;
    three.MatchFlags.fill(false);
    three.MatchFlags[0] = three.MatchFlags[4] = three.MatchFlags[9] = true;
    EXPECT_EQ(clsTKouseiBunseki::MarkLimit(three), 4);
    view.SetMarkMax(4);
    EXPECT_EQ(view.RowColor(1), clsTKouseiBunseki::kBlack);
    EXPECT_EQ(view.RowColor(5), clsTKouseiBunseki::kBlack); // count 3
    EXPECT_EQ(view.RowColor(6), clsTKouseiBunseki::kRed);   // count 4
    ConditionTableEntry none = all;
    none.MatchFlags.fill(false);
    EXPECT_EQ(clsTKouseiBunseki::MarkLimit(none), 0);
    view.SetMarkMax(0);
    EXPECT_EQ(view.RowColor(1), clsTKouseiBunseki::kBlack);
    EXPECT_EQ(view.RowColor(2), clsTKouseiBunseki::kRed);
}

TEST(clsTKouseiBunseki, GridCellsAsTheViewDrawsThem)
{
    RecordingHost host;
    clsTKouseiBunseki view(host);
    view.Initialize();
    clsTKouseiBunseki::Histogram h{};
    h[2] = 3;
    view.SetValue(h);
    view.SetMarkMax(2); // one target match: counts 0 and 1 black, 2 and above red
    ASSERT_EQ(15, view.Rows());
    ASSERT_EQ(3, view.Cols());
    EXPECT_EQ("口数", view.Cell(0, 1).strText);
    EXPECT_EQ(GridColor::ButtonFaceColor(), view.Cell(0, 2).BackColor);
    EXPECT_EQ(GridAlign::Left, view.Cell(3, 0).Align);
    EXPECT_EQ(GridAlign::Right, view.Cell(3, 1).Align);
    EXPECT_EQ(GridAlign::Right, view.Cell(3, 2).Align);
    EXPECT_EQ("2", view.Cell(3, 0).strText);
    EXPECT_EQ("3", view.Cell(3, 1).strText);
    EXPECT_EQ("100%", view.Cell(3, 2).strText);
    EXPECT_EQ(GridColor{}, view.Cell(2, 1).ForeColor); // count 1
    EXPECT_EQ(GridColor::FromRgb(255, 0, 0), view.Cell(3, 1).ForeColor);
    EXPECT_EQ(GridColor::FromRgb(255, 0, 0), view.Cell(14, 0).ForeColor);
    const clsGridGeometry g = clsTKouseiBunseki::Geometry96();
    EXPECT_EQ(15, g.Rows());
    EXPECT_GT(g.ColWidth(1), g.ColWidth(0));
    EXPECT_GT(g.ColWidth(1), g.ColWidth(2));
}

TEST(clsTKouseiBunseki, RunCountsTheMultiForTheRow)
{
    RecordingHost host;
    ConditionTableEntry entry = ConditionTableEntry::Cleared(JoukenKind::Honmei, 0);
    clsTKouseiBunseki::Analysis a;
    ASSERT_TRUE(clsTKouseiBunseki::Run(host, host, JoukenKind::Honmei, entry, 0, TwoSingles(),
                                       VoteRecord{}, a));
    EXPECT_EQ(a.Title, " 本命 - " + entry.RowTitleFor(JoukenKind::Honmei, 0));
    EXPECT_EQ(a.Counts[13], 1);
    EXPECT_EQ(a.Counts[12], 1);
    EXPECT_EQ(a.MarkMax, 14);
    EXPECT_EQ(host.BusyDepth, 0);
    EXPECT_EQ(host.BusyCount, 1);

    // A tab without target matches puts every single at count 0.
    entry.MatchFlags.fill(false);
    ASSERT_TRUE(clsTKouseiBunseki::Run(host, host, JoukenKind::Honmei, entry, 0, TwoSingles(),
                                       VoteRecord{}, a));
    EXPECT_EQ(a.Counts[0], 2);
    EXPECT_EQ(a.MarkMax, 0);

    // Without a vote status every outcome is most popular: all at the target count.
    ConditionTableEntry ninki = ConditionTableEntry::Cleared(JoukenKind::Ninki, 3);
    ninki.MatchFlags.fill(false);
    for (std::size_t m = 0; m < 5; ++m) {
        ninki.MatchFlags[m] = true;
    }
    ninki.RowTitles.assign(static_cast<std::size_t>(ninki.RowCount), "");
    ninki.RowTitles[0] = "表示名";
    ASSERT_TRUE(clsTKouseiBunseki::Run(host, host, JoukenKind::Ninki, ninki, 0, TwoSingles(),
                                       VoteRecord{}, a));
    EXPECT_EQ(a.Counts[5], 2);
    EXPECT_EQ(a.Title, " 人気 - 表示名");

    // A multi with an unmarked match has no single.
    auto empty = TwoSingles();
    empty[1][7] = 0;
    ASSERT_TRUE(
        clsTKouseiBunseki::Run(host, host, JoukenKind::Honmei, entry, 0, empty, VoteRecord{}, a));
    EXPECT_EQ(a.Counts, clsTKouseiBunseki::Histogram{});
    EXPECT_TRUE(host.Messages.empty());

    EXPECT_FALSE(clsTKouseiBunseki::Run(host, host, JoukenKind::Honmei, entry, 6, TwoSingles(),
                                        VoteRecord{}, a));
    EXPECT_EQ(host.Messages.size(), 1u);
}
