#include "base/basBarLayout.h"

#include <algorithm>

namespace basBarLayout {
std::vector<std::int32_t> SegmentLengths(std::int32_t lngLength,
                                         std::span<const std::int64_t> lngValues)
{
    // Vote counts stay far below 2^31 and a bar on screen below 2^16 pixels; with both capped
    // the running products stay well inside 64 bits for any number of segments a bar has.
    constexpr std::int64_t kMaxValue = (std::int64_t{1} << 31) - 1;
    constexpr std::int64_t kMaxLength = (std::int64_t{1} << 16) - 1;
    std::vector<std::int32_t> lengths(lngValues.size(), 0);
    const std::int64_t length = std::clamp<std::int64_t>(lngLength, 0, kMaxLength);
    std::int64_t total = 0;
    for (const std::int64_t value : lngValues) {
        total += std::clamp<std::int64_t>(value, 0, kMaxValue);
    }
    if (total == 0 || length == 0) {
        return lengths;
    }
    std::int64_t running = 0;
    std::int64_t previousEdge = 0;
    for (std::size_t i = 0; i < lngValues.size(); ++i) {
        running += std::clamp<std::int64_t>(lngValues[i], 0, kMaxValue);
        const std::int64_t edge = (running * length * 2 + total) / (total * 2);
        lengths[i] = static_cast<std::int32_t>(edge - previousEdge);
        previousEdge = edge;
    }
    return lengths;
}

std::vector<GridRect> SegmentRects(const GridRect& rect, std::span<const BarSegment> segments)
{
    std::vector<std::int64_t> values;
    values.reserve(segments.size());
    for (const BarSegment& segment : segments) {
        values.push_back(segment.lngValue);
    }
    const std::vector<std::int32_t> lengths = SegmentLengths(rect.lngWidth, values);
    std::vector<GridRect> rects;
    rects.reserve(segments.size());
    std::int32_t left = rect.lngLeft;
    for (const std::int32_t length : lengths) {
        rects.push_back({left, rect.lngTop, length, std::max(rect.lngHeight, 0)});
        left += length;
    }
    return rects;
}

GridRect ScaleRect(const GridRect& rect96, std::int32_t lngDpi)
{
    const auto edge = [lngDpi](std::int32_t lng96) {
        const std::int32_t scaled = clsGridGeometry::Scale(lng96 < 0 ? -lng96 : lng96, lngDpi);
        return lng96 < 0 ? -scaled : scaled;
    };
    const std::int32_t left = edge(rect96.lngLeft);
    const std::int32_t top = edge(rect96.lngTop);
    const std::int32_t right = edge(rect96.lngLeft + std::max(rect96.lngWidth, 0));
    const std::int32_t bottom = edge(rect96.lngTop + std::max(rect96.lngHeight, 0));
    return {left, top, right - left, bottom - top};
}

std::optional<std::int32_t> HitTest(std::span<const GridRect> rects, std::int32_t lngX,
                                    std::int32_t lngY)
{
    for (std::size_t i = 0; i < rects.size(); ++i) {
        const GridRect& r = rects[i];
        if (lngX >= r.lngLeft && lngX < r.lngLeft + r.lngWidth && lngY >= r.lngTop &&
            lngY < r.lngTop + r.lngHeight) {
            return static_cast<std::int32_t>(i);
        }
    }
    return std::nullopt;
}
} // namespace basBarLayout
