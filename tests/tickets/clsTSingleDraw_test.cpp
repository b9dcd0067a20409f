#include "lottery/clsTNumber.h"
#include "support/RecordingHost.h"
#include "tickets/clsTSingleDraw.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace {
// A single whose match m has code (m % 3): home win, draw, away win, ...
std::int32_t Cycling()
{
    clsTNumber::LongKousei k{};
    for (std::size_t m = 0; m < 13; ++m) {
        k[m] = static_cast<std::int32_t>(m % 3);
    }
    return clsTNumber::LongToNo(k);
}

bool Overlap(const GridRect& a, const GridRect& b)
{
    return a.lngLeft < b.lngLeft + b.lngWidth && b.lngLeft < a.lngLeft + a.lngWidth &&
           a.lngTop < b.lngTop + b.lngHeight && b.lngTop < a.lngTop + a.lngHeight;
}
} // namespace

TEST(clsTSingleDraw, CellRectanglesAt96Dpi)
{
    RecordingHost rec;
    const clsTSingleDraw sheet(rec, 96);
    EXPECT_EQ(sheet.Width(), 532);
    EXPECT_EQ(sheet.Height(), 23 + 13 * 26 + 13);
    // Card columns 1, 0, 2: code 1 leftmost.
    EXPECT_EQ(sheet.CellRect(0, 1, 0), (GridRect{6, 24, 14, 22}));
    EXPECT_EQ(sheet.CellRect(0, 0, 0), (GridRect{22, 24, 14, 22}));
    EXPECT_EQ(sheet.CellRect(0, 2, 0), (GridRect{38, 24, 14, 22}));
    EXPECT_EQ(sheet.CellRect(3, 0, 5), (GridRect{53 * 3 + 22, 24 + 5 * 27, 14, 22}));
    EXPECT_EQ(sheet.CellRect(9, 2, 12), (GridRect{53 * 9 + 38, 24 + 12 * 27, 14, 22}));
    EXPECT_EQ(sheet.NumberRect(4), (GridRect{53 * 4 + 2, 3, 50, 16}));
    EXPECT_EQ(sheet.SlotRect(9), (GridRect{477, 0, 53, sheet.Height()}));
    EXPECT_EQ(sheet.SlotBackground(2), (GridRect{106, 21, 53, sheet.Height() - 21}));
    EXPECT_EQ(sheet.CellRect(10, 0, 0), GridRect{});
    EXPECT_EQ(sheet.CellRect(0, 3, 0), GridRect{});
    EXPECT_EQ(sheet.CellRect(0, 0, 13), GridRect{});
}

TEST(clsTSingleDraw, CellRectanglesAt144DpiKeepTheRowGapsUnscaled)
{
    RecordingHost rec;
    const clsTSingleDraw sheet(rec, 144);
    EXPECT_EQ(sheet.GetSy(361), 541);
    EXPECT_EQ(sheet.GetSy(3), 4); // rounded down
    EXPECT_EQ(sheet.Width(), 798);
    EXPECT_EQ(sheet.Height(), 541 + 13);
    EXPECT_EQ(sheet.CellRect(0, 1, 0), (GridRect{9, 36, 21, 33}));
    // Match 12: (24 + 12 x 26) x 1.5 plus 12 one-pixel gaps.
    EXPECT_EQ(sheet.CellRect(9, 2, 12), (GridRect{772, 504 + 12, 21, 33}));
    EXPECT_EQ(sheet.NumberRect(1), (GridRect{82, 4, 75, 24}));
}

TEST(clsTSingleDraw, CellsNeverTouchTheLinesOrEachOtherAndAllFitTheSheet)
{
    RecordingHost rec;
    for (const std::int32_t dpi : {96, 120, 144, 192}) {
        const clsTSingleDraw sheet(rec, dpi);
        const auto lines = sheet.Lines();
        std::vector<GridRect> cells;
        for (std::int32_t s = 0; s < 10; ++s) {
            EXPECT_FALSE(Overlap(sheet.NumberRect(s), sheet.NumberRect(s + 1)));
            for (std::int32_t c = 0; c < 3; ++c) {
                for (std::int32_t m = 0; m < 13; ++m) {
                    cells.push_back(sheet.CellRect(s, c, m));
                }
            }
        }
        ASSERT_EQ(cells.size(), 390u);
        for (std::size_t i = 0; i < cells.size(); ++i) {
            const GridRect& r = cells[i];
            EXPECT_GE(r.lngLeft, 0);
            EXPECT_LE(r.lngLeft + r.lngWidth, sheet.Width());
            EXPECT_LE(r.lngTop + r.lngHeight, sheet.Height());
            for (const GridRect& line : lines) {
                EXPECT_FALSE(Overlap(r, line)) << dpi << " cell " << i;
            }
            for (std::size_t j = i + 1; j < cells.size(); ++j) {
                EXPECT_FALSE(Overlap(r, cells[j])) << dpi << " cells " << i << " " << j;
            }
        }
    }
}

TEST(clsTSingleDraw, LinesColoursAndHits)
{
    RecordingHost rec;
    const clsTSingleDraw sheet(rec, 96);
    const auto lines = sheet.Lines();
    // Border (4), band line, 9 separators, 3 match lines.
    ASSERT_EQ(lines.size(), 4u + 1u + 9u + 3u);
    EXPECT_EQ(lines[0], (GridRect{0, 0, 532, 3}));
    EXPECT_EQ(lines[4], (GridRect{0, 21, 532, 2}));
    EXPECT_EQ(lines[5], (GridRect{53, 0, 1, sheet.Height()}));
    EXPECT_EQ(lines[14], (GridRect{0, 21 + 3 * 26 + 3, 532, 1}));
    EXPECT_EQ(lines[16], (GridRect{0, 21 + 9 * 26 + 9, 532, 1}));
    EXPECT_EQ(clsTSingleDraw::SlotColor(0), (clsTSingleDraw::Rgb{253, 214, 201}));
    EXPECT_EQ(clsTSingleDraw::SlotColor(1), clsTSingleDraw::kWhite);

    using Hit = clsTSingleDraw::Hit;
    const GridRect cell = sheet.CellRect(7, 2, 4);
    EXPECT_EQ(sheet.HitTest(cell.lngLeft, cell.lngTop), (Hit{Hit::Kind::Cell, 7, 2, 4}));
    EXPECT_EQ(sheet.HitTest(cell.lngLeft + cell.lngWidth - 1, cell.lngTop + cell.lngHeight - 1),
              (Hit{Hit::Kind::Cell, 7, 2, 4}));
    EXPECT_EQ(sheet.HitTest(cell.lngLeft + cell.lngWidth, cell.lngTop), std::nullopt);
    EXPECT_EQ(sheet.HitTest(53 * 5 + 10, 10), (Hit{Hit::Kind::Number, 5, 0, 0}));
    EXPECT_EQ(sheet.HitTest(-1, 10), std::nullopt);
    EXPECT_EQ(clsTSingleDraw::CellId(7, 2, 4), 7204);
}

TEST(clsTSingleDraw, MarksChangeOnlyTheCellsThatChange)
{
    RecordingHost rec;
    clsTSingleDraw sheet(rec, 96);
    EXPECT_EQ(sheet.ShownMark(0, 0), clsTSingleDraw::kNoMark);
    const std::int32_t v = Cycling();
    EXPECT_EQ(sheet.SetMark(2, v).size(), 13u);
    EXPECT_TRUE(sheet.Marked(2, 0, 0));
    EXPECT_TRUE(sheet.Marked(2, 1, 1));
    EXPECT_TRUE(sheet.Marked(2, 2, 2));
    EXPECT_FALSE(sheet.Marked(2, 1, 0));
    EXPECT_TRUE(sheet.SetMark(2, v).empty());

    // One match changed: its old cell back to unmarked, its new cell marked.
    clsTNumber::LongKousei k{};
    clsTNumber::NoToLong(v, k);
    k[4] = 0;
    const auto changed = sheet.SetMark(2, clsTNumber::LongToNo(k));
    EXPECT_EQ(changed, (std::vector<std::int32_t>{2104, 2004}));

    EXPECT_EQ(sheet.SetMark(2, -1).size(), 13u);
    for (std::int32_t m = 0; m < 13; ++m) {
        EXPECT_EQ(sheet.ShownMark(m, 2), clsTSingleDraw::kNoMark);
    }
    EXPECT_TRUE(sheet.SetMark(2, 1594323).empty());
    EXPECT_TRUE(rec.AllMessageText().find("範囲外") != std::string::npos);
}

TEST(clsTSingleDraw, NumberLabelsInvertWhenSelected)
{
    RecordingHost rec;
    clsTSingleDraw sheet(rec, 96);
    EXPECT_EQ(sheet.NoText(0), "1");
    EXPECT_EQ(sheet.NoText(9), "10");
    sheet.SetNo(3, 124, true);
    EXPECT_EQ(sheet.NoText(3), "124");
    EXPECT_EQ(sheet.NoForeground(3), clsTSingleDraw::kWhite);
    EXPECT_EQ(sheet.NoBackground(3), clsTSingleDraw::kBlack);
    sheet.SetNo(3, 124, false);
    EXPECT_EQ(sheet.NoForeground(3), clsTSingleDraw::kBlack);
    EXPECT_EQ(sheet.NoBackground(3), clsTSingleDraw::kWhite);
    sheet.SetNo(3, -1, false);
    EXPECT_EQ(sheet.NoText(3), "");
    EXPECT_TRUE(rec.Messages.empty());
    sheet.SetNo(10, 5, false);
    ASSERT_EQ(rec.Messages.size(), 1u);
    EXPECT_NE(rec.Messages[0].Caption.find("SetNo_Sub"), std::string::npos);
}

TEST(clsTSingleDraw, GridRowsBesideTheSheetStayLevelWithItsMatchRows)
{
    RecordingHost rec;
    {
        const clsTSingleDraw sheet(rec, 96);
        std::vector<std::int32_t> expected(14, 27);
        expected[0] = 23;
        EXPECT_EQ(sheet.RowHeights96(), expected);
    }
    for (const std::int32_t dpi : {120, 144, 168, 192}) {
        const clsTSingleDraw sheet(rec, dpi);
        const std::vector<std::int32_t> heights = sheet.RowHeights96();
        ASSERT_EQ(heights.size(), std::size_t{14});
        const clsGridGeometry grid(heights, {10}, dpi);
        for (std::int32_t m = 0; m < 13; ++m) {
            // Grid row m + 1 starts in the gap just above match row m.
            EXPECT_LE(std::abs(grid.RowTop(m + 1) - (sheet.CellRect(0, 1, m).lngTop - 1)), 1)
                << dpi << " dpi, match " << m;
        }
        EXPECT_LE(std::abs(grid.Height() - sheet.Height()), 1) << dpi;
    }
}
