#include "lottery/basMultiFrame.h"
#include "lottery/clsTCountGrid.h"
#include "lottery/clsTMultiGrid.h"
#include "lottery/clsTMultiPattern.h"
#include "lottery/clsTSingleFrame.h"
#include "support/RecordingHost.h"

#include <gtest/gtest.h>

#include <random>

namespace {

// The frame counted the long way: expand the multi and count every single.
SingleFrame CountedFrame(const MarkArray& marks)
{
    RecordingHost host;
    clsTMultiPattern pattern(host);
    pattern.SetValue(marks);
    std::int32_t count = 0;
    std::vector<std::int32_t> singles;
    pattern.GetMulti(count, singles);
    SingleFrame frame{};
    if (count > 0) {
        clsTSingleFrame counter(host);
        EXPECT_TRUE(counter.GetSingleFrame(count, singles, frame));
    }
    return frame;
}

MarkArray Filled(std::int32_t lngMark)
{
    MarkArray a;
    for (auto& row : a) {
        row.fill(lngMark);
    }
    return a;
}

TEST(basMultiFrame, EqualsTheFrameOfTheExpansion)
{
    std::vector<MarkArray> multis;
    multis.push_back(Filled(1)); // the full multi: 531,441 in every cell
    MarkArray single{};
    for (int m = 0; m < 13; ++m) {
        single[static_cast<std::size_t>(m % 3)][static_cast<std::size_t>(m)] = 2;
    }
    multis.push_back(single);
    MarkArray mixed = single;
    mixed[0][0] = 5;
    mixed[2][0] = 6;
    mixed[1][4] = 3;
    mixed[0][12] = 1;
    multis.push_back(mixed);
    std::mt19937 rng(20261209);
    for (int i = 0; i < 6; ++i) {
        MarkArray random{};
        for (int m = 0; m < 13; ++m) {
            // At least one mark per match, so that the expansion is not empty.
            random[rng() % 3][static_cast<std::size_t>(m)] =
                1 + static_cast<std::int32_t>(rng() % 6);
            for (std::size_t k = 0; k < 3; ++k) {
                if (rng() % 2 == 0) {
                    random[k][static_cast<std::size_t>(m)] =
                        1 + static_cast<std::int32_t>(rng() % 6);
                }
            }
        }
        multis.push_back(random);
    }
    for (const MarkArray& marks : multis) {
        EXPECT_EQ(CountedFrame(marks), basMultiFrame::Frame(marks));
    }
    EXPECT_EQ(531441, basMultiFrame::Frame(Filled(4))[1][7]);
}

TEST(basMultiFrame, AMatchWithoutMarksEmptiesTheWholeFrame)
{
    MarkArray marks = Filled(2);
    marks[0][6] = marks[1][6] = marks[2][6] = 0;
    EXPECT_EQ(SingleFrame{}, basMultiFrame::Frame(marks));
    EXPECT_EQ(SingleFrame{}, CountedFrame(marks));
    EXPECT_EQ(0, basMultiFrame::MarkedCounts(marks)[6]);
    EXPECT_EQ(3, basMultiFrame::MarkedCounts(marks)[5]);
}

TEST(clsTMultiGrid, DrawsHeadingsSymbolsAndTargetShading)
{
    RecordingHost host;
    clsTMulti multi(host);
    MarkArray marks{};
    marks[1][0] = 1; // match 1, home win: column 0
    marks[2][1] = 6; // match 2, away win: column 2
    multi.SetValue(marks);
    const clsTMultiGrid grid(multi);
    EXPECT_EQ("1", grid.Cell(0, 0).strText);
    EXPECT_EQ("0", grid.Cell(0, 1).strText);
    EXPECT_EQ("2", grid.Cell(0, 2).strText);
    EXPECT_EQ(GridColor::ButtonFaceColor(), grid.Cell(0, 1).BackColor);
    EXPECT_EQ("◎", grid.Cell(1, 0).strText);
    EXPECT_EQ("", grid.Cell(1, 1).strText);
    EXPECT_EQ("☆", grid.Cell(2, 2).strText);
    EXPECT_EQ("第1試合 1 ◎ 本命", grid.Cell(1, 0).strAccessibleText);
    EXPECT_EQ("第1試合 0 無し", grid.Cell(1, 1).strAccessibleText);
    // Every cell a target at first: white and light yellow by match.
    EXPECT_EQ(GridColor::FromRgb(255, 255, 255), grid.Cell(1, 2).BackColor);
    EXPECT_EQ(GridColor::FromRgb(255, 255, 224), grid.Cell(2, 0).BackColor);
    CellFlags targets{};
    targets[0][1] = true; // match 2, draw
    multi.SetTaishou(targets);
    EXPECT_EQ(GridColor::FromRgb(255, 255, 224), grid.Cell(2, 1).BackColor);
    EXPECT_EQ(GridColor::ButtonFaceColor(), grid.Cell(2, 0).BackColor);
    EXPECT_EQ(GridColor::ButtonFaceColor(), grid.Cell(1, 1).BackColor);
}

TEST(clsTCountGrid, ShowsTheCountRulesInOutcomeColumns)
{
    clsTCount count;
    SingleFrame frame{};
    frame[1][0] = 2; // match 1: home 2, draw 1, away 0
    frame[0][0] = 1;
    count.SetValue(frame);
    CellFlags visible{};
    visible[1][0] = visible[0][0] = true;
    count.SetVisible(visible);
    CellFlags blue{};
    blue[0][0] = true;
    count.SetColor(blue);
    const clsTCountGrid grid(count);
    EXPECT_EQ("1", grid.Cell(0, 0).strText);
    EXPECT_EQ("      2", grid.Cell(1, 0).strText);
    EXPECT_EQ("      1", grid.Cell(1, 1).strText);
    EXPECT_EQ("", grid.Cell(1, 2).strText); // outside the multi and 0: blank
    EXPECT_EQ(GridAlign::Right, grid.Cell(1, 0).Align);
    EXPECT_EQ(GridColor::FromRgb(0, 0, 255), grid.Cell(1, 1).ForeColor);
    EXPECT_EQ(GridColor{}, grid.Cell(1, 0).ForeColor);
    EXPECT_EQ(GridColor::FromRgb(255, 255, 224), grid.Cell(2, 0).BackColor);
    count.SetPercent(true);
    EXPECT_EQ("    67%", grid.Cell(1, 0).strText);
    EXPECT_EQ("    33%", grid.Cell(1, 1).strText);
}

} // namespace
