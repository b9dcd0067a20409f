#include "base/clsGridGeometry.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {
// The round view's match table: a header row and 13 match rows; date, division, number,
// home, away and the vote column.
clsGridGeometry MatchTable(std::int32_t lngDpi)
{
    std::vector<std::int32_t> rows(14, 21);
    rows[0] = 20;
    return clsGridGeometry(rows, {50, 20, 20, 50, 50, 203}, lngDpi);
}

// Every cell starts where the one before it ends, and the last one ends at the grid's edge.
void ExpectTiles(const clsGridGeometry& g)
{
    std::int32_t x = 0;
    for (std::int32_t c = 0; c < g.Cols(); ++c) {
        EXPECT_EQ(g.ColLeft(c), x) << "column " << c;
        EXPECT_GE(g.ColWidth(c), 0);
        x += g.ColWidth(c);
    }
    EXPECT_EQ(x, g.Width());
    std::int32_t y = 0;
    for (std::int32_t r = 0; r < g.Rows(); ++r) {
        EXPECT_EQ(g.RowTop(r), y) << "row " << r;
        y += g.RowHeight(r);
    }
    EXPECT_EQ(y, g.Height());
}

// Each pixel of the surface is hit as the one cell whose rectangle holds it.
void ExpectHitsMatchRects(const clsGridGeometry& g)
{
    for (std::int32_t y = 0; y < g.Height(); ++y) {
        for (std::int32_t x = 0; x < g.Width(); ++x) {
            const auto hit = g.HitTest(x, y);
            ASSERT_TRUE(hit.has_value()) << x << "," << y;
            const GridRect rect = g.CellRect(hit->lngRow, hit->lngCol);
            ASSERT_TRUE(x >= rect.lngLeft && x < rect.lngLeft + rect.lngWidth && y >= rect.lngTop &&
                        y < rect.lngTop + rect.lngHeight)
                << x << "," << y << " hit " << hit->lngRow << "," << hit->lngCol;
        }
    }
}
} // namespace

TEST(clsGridGeometry, At96DpiLengthsAreTheGivenPixels)
{
    const clsGridGeometry g = MatchTable(96);
    EXPECT_EQ(g.Rows(), 14);
    EXPECT_EQ(g.Cols(), 6);
    EXPECT_EQ(g.Width(), 393);
    EXPECT_EQ(g.Height(), 20 + 13 * 21);
    EXPECT_EQ(g.CellRect(0, 0), (GridRect{0, 0, 50, 20}));
    EXPECT_EQ(g.CellRect(2, 5), (GridRect{190, 41, 203, 21}));
    ExpectTiles(g);
    ExpectHitsMatchRects(g);
}

TEST(clsGridGeometry, At144DpiEdgesAreScaledAndRoundedHalfUp)
{
    const clsGridGeometry g = MatchTable(144);
    // Row edges at 96 dpi 0, 20, 41, 62, 83 become 0, 30, 61.5 -> 62, 93, 124.5 -> 125.
    EXPECT_EQ(g.RowTop(1), 30);
    EXPECT_EQ(g.RowTop(2), 62);
    EXPECT_EQ(g.RowTop(3), 93);
    EXPECT_EQ(g.RowTop(4), 125);
    EXPECT_EQ(g.RowHeight(1), 32);
    EXPECT_EQ(g.RowHeight(2), 31);
    // 393 * 1.5 = 589.5: the whole grid is as wide as its scaled width, no pixel lost.
    EXPECT_EQ(g.Width(), 590);
    EXPECT_EQ(g.Height(), clsGridGeometry::Scale(293, 144));
    ExpectTiles(g);
    ExpectHitsMatchRects(g);
}

TEST(clsGridGeometry, OddDpiStillTiles)
{
    for (const std::int32_t dpi : {72, 110, 120, 168, 192}) {
        SCOPED_TRACE(dpi);
        ExpectTiles(MatchTable(dpi));
    }
    ExpectHitsMatchRects(MatchTable(110));
}

TEST(clsGridGeometry, HiddenColumnIsNeverHit)
{
    clsGridGeometry g = MatchTable(144);
    g.SetColWidth(1, 0); // the second round view hides its division column
    EXPECT_EQ(g.ColWidth(1), 0);
    EXPECT_EQ(g.ColLeft(2), g.ColLeft(1));
    ExpectTiles(g);
    for (std::int32_t x = 0; x < g.Width(); ++x) {
        ASSERT_NE(g.HitTest(x, 40)->lngCol, 1) << x;
    }
    EXPECT_EQ(g.HitTest(g.ColLeft(2), 40)->lngCol, 2);
}

TEST(clsGridGeometry, PointsOutsideHitNothing)
{
    const clsGridGeometry g = MatchTable(144);
    EXPECT_FALSE(g.HitTest(-1, 10).has_value());
    EXPECT_FALSE(g.HitTest(10, -1).has_value());
    EXPECT_FALSE(g.HitTest(g.Width(), 10).has_value());
    EXPECT_FALSE(g.HitTest(10, g.Height()).has_value());
    EXPECT_TRUE(g.HitTest(g.Width() - 1, g.Height() - 1).has_value());
    EXPECT_FALSE(clsGridGeometry().HitTest(0, 0).has_value());
    EXPECT_EQ(g.CellRect(14, 0), GridRect{});
    EXPECT_EQ(g.CellRect(0, -1), GridRect{});
}

TEST(clsGridGeometry, BadLengthsAndDpiAreMadeHarmless)
{
    const clsGridGeometry g({-5, 10}, {30}, 0);
    EXPECT_EQ(g.Dpi(), 96);
    EXPECT_EQ(g.RowHeight(0), 0);
    EXPECT_EQ(g.Height(), 10);
    EXPECT_EQ(clsGridGeometry::Scale(-3, 144), 0);
    EXPECT_EQ(clsGridGeometry::Scale(21, -1), 21);
}

TEST(clsGridGeometry, UniformGridOfAllSinglesNeedsNoPerRowWork)
{
    // One row per single, 14 pixels each: the long list of the page grid.
    const std::int32_t rows = 1594323;
    clsGridGeometry g = clsGridGeometry::Uniform(rows, 14, 3, 66, 144);
    EXPECT_EQ(g.UniformRowHeight(), 21);
    EXPECT_EQ(g.UniformColWidth(), 99);
    EXPECT_EQ(g.RowTop(rows - 1), (rows - 1) * 21);
    EXPECT_EQ(g.Height(), rows * 21);
    EXPECT_EQ(g.HitTest(5, rows * 21 - 1)->lngRow, rows - 1);
    EXPECT_EQ(g.HitTest(5, 21 * 1000)->lngRow, 1000);
    EXPECT_EQ(g.HitTest(5, 21 * 1000 - 1)->lngRow, 999);
    EXPECT_EQ(g.HitTest(98, 0)->lngCol, 0);
    EXPECT_EQ(g.HitTest(99, 0)->lngCol, 1);
    g.SetDpi(96);
    EXPECT_EQ(g.UniformRowHeight(), 14);
}

TEST(clsGridGeometry, UniformAxisKeepsItsOneLengthAtOddScales)
{
    // 21 * 1.5 = 31.5: every row is 32, so the rows still tile and stay alike.
    const clsGridGeometry g = clsGridGeometry::Uniform(10, 21, 2, 50, 144);
    EXPECT_EQ(g.UniformRowHeight(), 32);
    ExpectTiles(g);
    ExpectHitsMatchRects(g);
}

TEST(clsGridGeometry, ChangingOneLengthOfAUniformGridMovesTheRest)
{
    clsGridGeometry g = clsGridGeometry::Uniform(4, 21, 3, 50);
    g.SetColWidth(1, 0);
    EXPECT_EQ(g.UniformColWidth(), std::nullopt);
    EXPECT_EQ(g.ColLeft(2), 50);
    EXPECT_EQ(g.Width(), 100);
    g.SetRowHeight(0, 20);
    EXPECT_EQ(g.RowTop(1), 20);
    EXPECT_EQ(g.Height(), 83);
    g.SetRowHeight(9, 50); // no such row
    EXPECT_EQ(g.Height(), 83);
    ExpectTiles(g);
}

TEST(clsGridGeometry, ListOfEqualLengthsIsReportedUniform)
{
    const clsGridGeometry g({21, 21, 21}, {66, 66, 66}, 96);
    EXPECT_EQ(g.UniformRowHeight(), 21);
    // At 144 dpi the scaled edges 0, 31.5, 63, 94.5 give rows of 32, 31, 32.
    const clsGridGeometry h({21, 21, 21}, {66, 66, 66}, 144);
    EXPECT_EQ(h.UniformRowHeight(), std::nullopt);
    EXPECT_EQ(h.UniformColWidth(), 99);
    EXPECT_EQ(clsGridGeometry().UniformRowHeight(), std::nullopt);
}
