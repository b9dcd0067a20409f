#include "base/basBarLayout.h"

#include <gtest/gtest.h>

#include <numeric>
#include <vector>

namespace {
std::int32_t Sum(const std::vector<std::int32_t>& lengths)
{
    return std::accumulate(lengths.begin(), lengths.end(), 0);
}
} // namespace

TEST(basBarLayout, SegmentsFillTheBarInProportion)
{
    const std::vector<std::int64_t> votes{500, 300, 200};
    EXPECT_EQ(basBarLayout::SegmentLengths(200, votes), (std::vector<std::int32_t>{100, 60, 40}));
    // 203 pixels: edges 101.5 -> 102, 162.4 -> 162, 203.
    EXPECT_EQ(basBarLayout::SegmentLengths(203, votes), (std::vector<std::int32_t>{102, 60, 41}));
}

TEST(basBarLayout, RoundedSegmentsNeverLeaveAGapOrOverflow)
{
    for (const std::int32_t length : {1, 7, 203, 305}) {
        for (const std::vector<std::int64_t>& values : {std::vector<std::int64_t>{1, 1, 1},
                                                        {2, 0, 1},
                                                        {1234567, 7654321, 1},
                                                        {0, 0, 5},
                                                        {2147483647, 2147483647, 2147483647}}) {
            const auto lengths = basBarLayout::SegmentLengths(length, values);
            EXPECT_EQ(Sum(lengths), length);
            for (const std::int32_t l : lengths) {
                EXPECT_GE(l, 0);
            }
        }
    }
}

TEST(basBarLayout, EmptyOrBadValuesGiveAnEmptyBar)
{
    EXPECT_EQ(basBarLayout::SegmentLengths(203, std::vector<std::int64_t>{0, 0, 0}),
              (std::vector<std::int32_t>{0, 0, 0}));
    EXPECT_EQ(basBarLayout::SegmentLengths(203, std::vector<std::int64_t>{-5, 0, 0}),
              (std::vector<std::int32_t>{0, 0, 0}));
    EXPECT_EQ(basBarLayout::SegmentLengths(-3, std::vector<std::int64_t>{1, 2}),
              (std::vector<std::int32_t>{0, 0}));
    // A negative value takes no room from the others.
    EXPECT_EQ(basBarLayout::SegmentLengths(100, std::vector<std::int64_t>{-50, 1, 1}),
              (std::vector<std::int32_t>{0, 50, 50}));
    EXPECT_TRUE(basBarLayout::SegmentLengths(100, {}).empty());
}

TEST(basBarLayout, SegmentRectsRunLeftToRightInsideTheBar)
{
    const std::vector<BarSegment> segments{{3, GridColor::FromRgb(255, 0, 0)},
                                           {1, GridColor::FromRgb(0, 255, 0)}};
    const auto rects = basBarLayout::SegmentRects({10, 5, 200, 7}, segments);
    ASSERT_EQ(rects.size(), 2u);
    EXPECT_EQ(rects[0], (GridRect{10, 5, 150, 7}));
    EXPECT_EQ(rects[1], (GridRect{160, 5, 50, 7}));
}

TEST(basBarLayout, ScaledRectsThatTouchStillTouch)
{
    // Two bars one above the other at 96 dpi, 7 high from 14 and from 21.
    const GridRect upper = basBarLayout::ScaleRect({0, 14, 203, 7}, 144);
    const GridRect lower = basBarLayout::ScaleRect({0, 21, 203, 7}, 144);
    EXPECT_EQ(upper, (GridRect{0, 21, 305, 11}));
    EXPECT_EQ(upper.lngTop + upper.lngHeight, lower.lngTop);
    EXPECT_EQ(basBarLayout::ScaleRect({3, 4, 5, 6}, 96), (GridRect{3, 4, 5, 6}));
}

TEST(basBarLayout, HitTestFindsTheBarUnderThePoint)
{
    const std::vector<GridRect> bars{{0, 0, 100, 7}, {0, 20, 100, 7}};
    EXPECT_EQ(basBarLayout::HitTest(bars, 0, 0), 0);
    EXPECT_EQ(basBarLayout::HitTest(bars, 99, 26), 1);
    EXPECT_EQ(basBarLayout::HitTest(bars, 100, 26), std::nullopt);
    EXPECT_EQ(basBarLayout::HitTest(bars, 50, 10), std::nullopt);
    EXPECT_EQ(basBarLayout::HitTest(bars, 50, 27), std::nullopt);
}
