#include "lottery/clsTCountGrid.h"

#include <array>

namespace {
constexpr std::array<std::string_view, 3> kHeadings = {"1", "0", "2"};
constexpr std::string_view kFontName = "ＭＳ ゴシック";
} // namespace

GridCellData clsTCountGrid::Cell(std::int32_t lngRow, std::int32_t lngCol) const
{
    GridCellData cell;
    cell.strFontName = kFontName;
    cell.lngFontPoints = 9;
    if (lngCol < 0 || lngCol >= kCols || lngRow < 0 || lngRow >= kRows) {
        return cell;
    }
    if (lngRow == 0) {
        cell.strText = kHeadings[static_cast<std::size_t>(lngCol)];
        cell.Align = GridAlign::Center;
        cell.BackColor = GridColor::ButtonFaceColor();
        cell.blnBold = true;
        return cell;
    }
    const std::int32_t k = clsTCount::OutcomeOfColumn(lngCol);
    const std::int32_t m = lngRow - 1;
    cell.strText = m_count.CellText(k, m);
    cell.Align = GridAlign::Right;
    cell.BackColor = clsTCount::RowShade(m) == clsTCount::Shade::White
                         ? GridColor::FromRgb(255, 255, 255)
                         : GridColor::FromRgb(255, 255, 224);
    if (m_count.CellBlue(k, m)) {
        cell.ForeColor = GridColor::FromRgb(0, 0, 255);
    }
    return cell;
}

clsGridGeometry clsTCountGrid::Geometry96()
{
    return clsGridGeometry::Uniform(kRows, 21, kCols, 52);
}
