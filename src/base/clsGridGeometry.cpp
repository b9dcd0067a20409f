#include "base/clsGridGeometry.h"

#include <algorithm>

namespace {
std::int64_t ScaleEdge(std::int64_t lng96, std::int32_t lngDpi)
{
    return (lng96 * lngDpi + clsGridGeometry::kBaseDpi / 2) / clsGridGeometry::kBaseDpi;
}

std::int32_t ValidDpi(std::int32_t lngDpi)
{
    return lngDpi < 1 ? clsGridGeometry::kBaseDpi : lngDpi;
}
} // namespace

clsGridGeometry::Axis::Axis(std::vector<std::int32_t> lngLengths)
    : m_count(static_cast<std::int32_t>(lngLengths.size()))
{
    m_sums.reserve(lngLengths.size() + 1);
    std::int64_t sum = 0;
    m_sums.push_back(0);
    for (const std::int32_t length : lngLengths) {
        sum += std::max(length, 0);
        m_sums.push_back(sum);
    }
}

clsGridGeometry::Axis::Axis(std::int32_t lngCount, std::int32_t lngLength)
    : m_count(std::max(lngCount, 0))
    , m_uniform(std::max(lngLength, 0))
{}

std::int64_t clsGridGeometry::Axis::Sum(std::int32_t lngIndex) const
{
    const std::int32_t index = std::clamp(lngIndex, 0, m_count);
    if (m_sums.empty()) {
        return static_cast<std::int64_t>(index) * m_uniform;
    }
    return m_sums[static_cast<std::size_t>(index)];
}

std::int32_t clsGridGeometry::Axis::Edge(std::int32_t lngIndex, std::int32_t lngDpi) const
{
    if (m_sums.empty()) {
        const std::int64_t index = std::clamp(lngIndex, 0, m_count);
        return static_cast<std::int32_t>(index * ScaleEdge(m_uniform, lngDpi));
    }
    return static_cast<std::int32_t>(ScaleEdge(Sum(lngIndex), lngDpi));
}

std::int32_t clsGridGeometry::Axis::Length(std::int32_t lngIndex, std::int32_t lngDpi) const
{
    if (lngIndex < 0 || lngIndex >= m_count) {
        return 0;
    }
    return Edge(lngIndex + 1, lngDpi) - Edge(lngIndex, lngDpi);
}

std::optional<std::int32_t> clsGridGeometry::Axis::UniformLength(std::int32_t lngDpi) const
{
    if (m_count == 0) {
        return std::nullopt;
    }
    if (m_sums.empty()) {
        return static_cast<std::int32_t>(ScaleEdge(m_uniform, lngDpi));
    }
    const std::int32_t first = Length(0, lngDpi);
    for (std::int32_t i = 1; i < m_count; ++i) {
        if (Length(i, lngDpi) != first) {
            return std::nullopt;
        }
    }
    return first;
}

std::int32_t clsGridGeometry::Axis::Find(std::int32_t lngPos, std::int32_t lngDpi) const
{
    if (lngPos < 0 || m_count == 0 || lngPos >= Edge(m_count, lngDpi)) {
        return -1;
    }
    if (m_sums.empty()) {
        return static_cast<std::int32_t>(lngPos / ScaleEdge(m_uniform, lngDpi));
    }
    // The last edge at or before the point; a hidden cell shares its left edge with the next
    // one, so the search lands on the cell that is drawn there.
    std::int32_t low = 0;
    std::int32_t high = m_count; // Edge(high) > lngPos
    while (high - low > 1) {
        const std::int32_t middle = low + (high - low) / 2;
        if (Edge(middle, lngDpi) <= lngPos) {
            low = middle;
        } else {
            high = middle;
        }
    }
    return low;
}

void clsGridGeometry::Axis::SetLength(std::int32_t lngIndex, std::int32_t lngLength)
{
    if (lngIndex < 0 || lngIndex >= m_count) {
        return;
    }
    if (m_sums.empty()) {
        *this = Axis(std::vector<std::int32_t>(static_cast<std::size_t>(m_count), m_uniform));
    }
    const std::int64_t delta = std::max(lngLength, 0) - (Sum(lngIndex + 1) - Sum(lngIndex));
    for (std::size_t i = static_cast<std::size_t>(lngIndex) + 1; i < m_sums.size(); ++i) {
        m_sums[i] += delta;
    }
}

clsGridGeometry::clsGridGeometry(std::vector<std::int32_t> lngRowHeights,
                                 std::vector<std::int32_t> lngColWidths, std::int32_t lngDpi)
    : m_rows(std::move(lngRowHeights))
    , m_cols(std::move(lngColWidths))
    , m_dpi(ValidDpi(lngDpi))
{}

clsGridGeometry clsGridGeometry::Uniform(std::int32_t lngRows, std::int32_t lngRowHeight,
                                         std::int32_t lngCols, std::int32_t lngColWidth,
                                         std::int32_t lngDpi)
{
    clsGridGeometry geometry;
    geometry.m_rows = Axis(lngRows, lngRowHeight);
    geometry.m_cols = Axis(lngCols, lngColWidth);
    geometry.m_dpi = ValidDpi(lngDpi);
    return geometry;
}

std::int32_t clsGridGeometry::Scale(std::int32_t lng96, std::int32_t lngDpi)
{
    return static_cast<std::int32_t>(ScaleEdge(std::max(lng96, 0), ValidDpi(lngDpi)));
}

void clsGridGeometry::SetDpi(std::int32_t lngDpi)
{
    m_dpi = ValidDpi(lngDpi);
}

void clsGridGeometry::SetRowHeight(std::int32_t lngRow, std::int32_t lngHeight96)
{
    m_rows.SetLength(lngRow, lngHeight96);
}

void clsGridGeometry::SetColWidth(std::int32_t lngCol, std::int32_t lngWidth96)
{
    m_cols.SetLength(lngCol, lngWidth96);
}

GridRect clsGridGeometry::CellRect(std::int32_t lngRow, std::int32_t lngCol) const
{
    if (lngRow < 0 || lngRow >= Rows() || lngCol < 0 || lngCol >= Cols()) {
        return {};
    }
    return {ColLeft(lngCol), RowTop(lngRow), ColWidth(lngCol), RowHeight(lngRow)};
}

std::optional<GridCellAddress> clsGridGeometry::HitTest(std::int32_t lngX, std::int32_t lngY) const
{
    const std::int32_t row = m_rows.Find(lngY, m_dpi);
    const std::int32_t col = m_cols.Find(lngX, m_dpi);
    if (row < 0 || col < 0) {
        return std::nullopt;
    }
    return GridCellAddress{row, col};
}
