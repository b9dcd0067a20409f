#pragma once
// The geometry of horizontal bar graphs (the round view's vote bars): a bar is split into
// segments in proportion to their values, and a point finds its bar. Lengths in pixels.

#include "base/GridCellData.h"
#include "base/clsGridGeometry.h"

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

struct BarSegment
{
    std::int64_t lngValue = 0; // a share of the bar; negative counts as 0
    GridColor Color;
    friend bool operator==(const BarSegment&, const BarSegment&) = default;
};

namespace basBarLayout {
// Lengths of the segments of a bar lngLength long. Running sums are rounded (half up), so
// the segments fill the bar exactly with no gap or overlap; a bar whose values are all 0 is
// empty (every length 0).
std::vector<std::int32_t> SegmentLengths(std::int32_t lngLength,
                                         std::span<const std::int64_t> lngValues);
// The rectangles of a bar's segments, left to right inside rect.
std::vector<GridRect> SegmentRects(const GridRect& rect, std::span<const BarSegment> segments);
// A rectangle at 96 dpi on a screen of lngDpi: its edges are scaled, so rectangles that touch
// at 96 dpi still touch.
GridRect ScaleRect(const GridRect& rect96, std::int32_t lngDpi);
// Index of the first rectangle holding the point, or none.
std::optional<std::int32_t> HitTest(std::span<const GridRect> rects, std::int32_t lngX,
                                    std::int32_t lngY);
} // namespace basBarLayout
