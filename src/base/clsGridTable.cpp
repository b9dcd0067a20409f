#include "base/clsGridTable.h"

#include <algorithm>

clsGridTable::clsGridTable(std::int32_t lngRows, std::int32_t lngCols)
{
    Resize(lngRows, lngCols);
}

void clsGridTable::Resize(std::int32_t lngRows, std::int32_t lngCols)
{
    m_rows = std::max(lngRows, 0);
    m_cols = std::max(lngCols, 0);
    m_cells.assign(static_cast<std::size_t>(m_rows) * static_cast<std::size_t>(m_cols), {});
}

GridCellData* clsGridTable::At(std::int32_t lngRow, std::int32_t lngCol)
{
    if (lngRow < 0 || lngRow >= m_rows || lngCol < 0 || lngCol >= m_cols) {
        return nullptr;
    }
    return &m_cells[static_cast<std::size_t>(lngRow) * static_cast<std::size_t>(m_cols) +
                    static_cast<std::size_t>(lngCol)];
}

GridCellData clsGridTable::Cell(std::int32_t lngRow, std::int32_t lngCol) const
{
    if (lngRow < 0 || lngRow >= m_rows || lngCol < 0 || lngCol >= m_cols) {
        return {};
    }
    return m_cells[static_cast<std::size_t>(lngRow) * static_cast<std::size_t>(m_cols) +
                   static_cast<std::size_t>(lngCol)];
}

void clsGridTable::SetCell(std::int32_t lngRow, std::int32_t lngCol, GridCellData cell)
{
    if (GridCellData* p = At(lngRow, lngCol)) {
        *p = std::move(cell);
    }
}

void clsGridTable::SetText(std::int32_t lngRow, std::int32_t lngCol, std::string_view strText)
{
    if (GridCellData* p = At(lngRow, lngCol)) {
        p->strText = strText;
    }
}

void clsGridTable::SetForeColor(std::int32_t lngRow, std::int32_t lngCol, GridColor color)
{
    if (GridCellData* p = At(lngRow, lngCol)) {
        p->ForeColor = color;
    }
}

void clsGridTable::SetBackColor(std::int32_t lngRow, std::int32_t lngCol, GridColor color)
{
    if (GridCellData* p = At(lngRow, lngCol)) {
        p->BackColor = color;
    }
}

void clsGridTable::SetAlign(std::int32_t lngRow, std::int32_t lngCol, GridAlign align)
{
    if (GridCellData* p = At(lngRow, lngCol)) {
        p->Align = align;
    }
}

void clsGridTable::SetBold(std::int32_t lngRow, std::int32_t lngCol, bool blnBold)
{
    if (GridCellData* p = At(lngRow, lngCol)) {
        p->blnBold = blnBold;
    }
}

void clsGridTable::SetRowBackColor(std::int32_t lngRow, GridColor color)
{
    for (std::int32_t col = 0; col < m_cols; ++col) {
        SetBackColor(lngRow, col, color);
    }
}

void clsGridTable::SetColAlign(std::int32_t lngCol, GridAlign align)
{
    for (std::int32_t row = 0; row < m_rows; ++row) {
        SetAlign(row, lngCol, align);
    }
}
