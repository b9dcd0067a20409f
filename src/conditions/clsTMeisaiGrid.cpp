#include "conditions/clsTMeisaiGrid.h"

#include <vector>

namespace {
GridColor ToGrid(MeisaiRgb rgb)
{
    return GridColor::FromRgb(rgb.R, rgb.G, rgb.B);
}
} // namespace

GridCellData clsTMeisaiGrid::Cell(std::int32_t lngRow, std::int32_t lngCol) const
{
    // The breakdown numbers its rows from 1.
    const std::int32_t row = lngRow + 1;
    GridCellData cell;
    cell.lngFontPoints = clsTMeisai::kFontPoints;
    cell.BackColor = row == 1 ? GridColor::ButtonFaceColor() : ToGrid(clsTMeisai::BackColor(row));
    if (lngCol == 0) {
        cell.strText = clsTMeisai::TitleText(row);
        cell.ForeColor = ToGrid(clsTMeisai::kBlack);
    } else {
        cell.strText = m_meisai.ValueText(row);
        cell.ForeColor = ToGrid(m_meisai.ValueColor(row));
        cell.Align = GridAlign::Right;
    }
    return cell;
}

clsGridGeometry clsTMeisaiGrid::Geometry96() const
{
    return clsGridGeometry(std::vector<std::int32_t>(clsTMeisai::kRows, m_meisai.RowHeight()),
                           {m_meisai.Width1(), m_meisai.Width2()});
}
