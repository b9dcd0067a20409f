#pragma once
// Cell rectangles and hit-testing of a grid whose row heights and column widths are fixed in
// pixels at 96 dpi and scaled to the screen. A value owned by the view that draws the grid.
//
// Edges, not lengths, are scaled: the edge after k rows is round(sum of their heights * dpi /
// 96), so the cells tile the grid with no gap or overlap at any dpi, and a scaled length may
// differ by one pixel from its neighbour's. A uniform axis scales its one length instead, so
// that every row of a very long grid keeps one height and a view can size them all at once.

#include <cstdint>
#include <optional>
#include <vector>

struct GridRect
{
    std::int32_t lngLeft = 0;
    std::int32_t lngTop = 0;
    std::int32_t lngWidth = 0;
    std::int32_t lngHeight = 0;
    friend bool operator==(const GridRect&, const GridRect&) = default;
};

struct GridCellAddress
{
    std::int32_t lngRow = 0;
    std::int32_t lngCol = 0;
    friend bool operator==(const GridCellAddress&, const GridCellAddress&) = default;
};

class clsGridGeometry
{
public:
    static constexpr std::int32_t kBaseDpi = 96;

    clsGridGeometry() = default;
    // Lengths in pixels at 96 dpi; a length of 0 hides its row or column. Negative lengths
    // count as 0; a dpi below 1 counts as 96.
    clsGridGeometry(std::vector<std::int32_t> lngRowHeights, std::vector<std::int32_t> lngColWidths,
                    std::int32_t lngDpi = kBaseDpi);
    // lngRows rows of one height, lngCols columns of one width. Kept as two numbers, so a grid
    // of 1.6 million rows costs no memory per row; changing one length makes it a list.
    static clsGridGeometry Uniform(std::int32_t lngRows, std::int32_t lngRowHeight,
                                   std::int32_t lngCols, std::int32_t lngColWidth,
                                   std::int32_t lngDpi = kBaseDpi);

    // A length at 96 dpi on a screen of lngDpi, rounded half up.
    static std::int32_t Scale(std::int32_t lng96, std::int32_t lngDpi);

    std::int32_t Dpi() const { return m_dpi; }
    void SetDpi(std::int32_t lngDpi);
    // Changes one length at 96 dpi (a view that hides its division column).
    void SetRowHeight(std::int32_t lngRow, std::int32_t lngHeight96);
    void SetColWidth(std::int32_t lngCol, std::int32_t lngWidth96);

    std::int32_t Rows() const { return m_rows.Count(); }
    std::int32_t Cols() const { return m_cols.Count(); }
    // Scaled positions and lengths; 0 for a row or column that does not exist.
    std::int32_t RowTop(std::int32_t lngRow) const { return m_rows.Edge(lngRow, m_dpi); }
    std::int32_t RowHeight(std::int32_t lngRow) const { return m_rows.Length(lngRow, m_dpi); }
    std::int32_t ColLeft(std::int32_t lngCol) const { return m_cols.Edge(lngCol, m_dpi); }
    std::int32_t ColWidth(std::int32_t lngCol) const { return m_cols.Length(lngCol, m_dpi); }
    std::int32_t Width() const { return m_cols.Edge(Cols(), m_dpi); }
    std::int32_t Height() const { return m_rows.Edge(Rows(), m_dpi); }
    // The one scaled length of every row (column) when they are all alike, so that a view
    // can size them at once instead of one by one.
    std::optional<std::int32_t> UniformRowHeight() const { return m_rows.UniformLength(m_dpi); }
    std::optional<std::int32_t> UniformColWidth() const { return m_cols.UniformLength(m_dpi); }

    // Empty rectangle for a cell outside the grid.
    GridRect CellRect(std::int32_t lngRow, std::int32_t lngCol) const;
    // The cell under a point of the grid's surface (scaled pixels); none outside the grid.
    // Hidden rows and columns are never hit.
    std::optional<GridCellAddress> HitTest(std::int32_t lngX, std::int32_t lngY) const;

private:
    // One axis: either one length repeated, or a list of lengths with their running sums.
    class Axis
    {
    public:
        Axis() = default;
        explicit Axis(std::vector<std::int32_t> lngLengths);
        Axis(std::int32_t lngCount, std::int32_t lngLength);
        std::int32_t Count() const { return m_count; }
        std::int32_t Edge(std::int32_t lngIndex, std::int32_t lngDpi) const;
        std::int32_t Length(std::int32_t lngIndex, std::int32_t lngDpi) const;
        std::optional<std::int32_t> UniformLength(std::int32_t lngDpi) const;
        // Index of the cell holding scaled position lngPos, or -1.
        std::int32_t Find(std::int32_t lngPos, std::int32_t lngDpi) const;
        void SetLength(std::int32_t lngIndex, std::int32_t lngLength);

    private:
        // Unscaled position of edge lngIndex (0..count), in pixels at 96 dpi.
        std::int64_t Sum(std::int32_t lngIndex) const;
        std::int32_t m_count = 0;
        std::int32_t m_uniform = 0;       // used while m_sums is empty
        std::vector<std::int64_t> m_sums; // count + 1 running sums, or empty
    };

    Axis m_rows;
    Axis m_cols;
    std::int32_t m_dpi = kBaseDpi;
};
