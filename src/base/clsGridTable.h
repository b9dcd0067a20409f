#pragma once
// A grid source that stores every cell: the small fixed tables (round view, condition tables,
// count grids). Owned by the core class that fills it, for that class's lifetime.

#include "base/clsIGridSource.h"

#include <cstdint>
#include <string_view>
#include <vector>

class clsGridTable : public clsIGridSource
{
public:
    clsGridTable() = default;
    clsGridTable(std::int32_t lngRows, std::int32_t lngCols);

    // Clears every cell; negative sizes count as 0.
    void Resize(std::int32_t lngRows, std::int32_t lngCols);
    std::int32_t Rows() const override { return m_rows; }
    std::int32_t Cols() const override { return m_cols; }
    // A cell outside the table reads as an empty cell.
    GridCellData Cell(std::int32_t lngRow, std::int32_t lngCol) const override;

    // Writes outside the table are ignored.
    void SetCell(std::int32_t lngRow, std::int32_t lngCol, GridCellData cell);
    void SetText(std::int32_t lngRow, std::int32_t lngCol, std::string_view strText);
    void SetForeColor(std::int32_t lngRow, std::int32_t lngCol, GridColor color);
    void SetBackColor(std::int32_t lngRow, std::int32_t lngCol, GridColor color);
    void SetAlign(std::int32_t lngRow, std::int32_t lngCol, GridAlign align);
    void SetBold(std::int32_t lngRow, std::int32_t lngCol, bool blnBold);
    // The same setting for a whole row or column.
    void SetRowBackColor(std::int32_t lngRow, GridColor color);
    void SetColAlign(std::int32_t lngCol, GridAlign align);

private:
    GridCellData* At(std::int32_t lngRow, std::int32_t lngCol);

    std::int32_t m_rows = 0;
    std::int32_t m_cols = 0;
    std::vector<GridCellData> m_cells; // row by row
};
