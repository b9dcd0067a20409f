#include "lottery/clsTMultiGrid.h"

#include <array>

namespace {
constexpr std::array<std::string_view, 3> kHeadings = {"1", "0", "2"};
constexpr std::array<std::string_view, 7> kMarkWords = {"無し",   "◎ 本命", "○ 対抗", "▲ 穴",
                                                        "△ 大穴", "× 注意", "☆ 特注"};
constexpr std::string_view kFontName = "ＭＳ ゴシック";
} // namespace

GridColor clsTMultiGrid::ShadeColor(clsTMulti::Shade shade)
{
    switch (shade) {
    case clsTMulti::Shade::White:
        return GridColor::FromRgb(255, 255, 255);
    case clsTMulti::Shade::LightYellow:
        return GridColor::FromRgb(255, 255, 224);
    case clsTMulti::Shade::Control:
        break;
    }
    return GridColor::ButtonFaceColor();
}

GridCellData clsTMultiGrid::Cell(std::int32_t lngRow, std::int32_t lngCol) const
{
    GridCellData cell;
    cell.Align = GridAlign::Center;
    cell.strFontName = kFontName;
    if (lngCol < 0 || lngCol >= kCols || lngRow < 0 || lngRow >= kRows) {
        return cell;
    }
    if (lngRow == 0) {
        cell.strText = kHeadings[static_cast<std::size_t>(lngCol)];
        cell.BackColor = GridColor::ButtonFaceColor();
        cell.blnBold = true;
        cell.lngFontPoints = 9;
        return cell;
    }
    const std::int32_t k = clsTMulti::OutcomeOfColumn(lngCol);
    const std::int32_t m = lngRow - 1;
    cell.strText = m_multi.CellText(k, m);
    cell.BackColor = ShadeColor(m_multi.CellShade(k, m));
    cell.lngFontPoints = 11;
    const std::int32_t mark =
        m_multi.Value()[static_cast<std::size_t>(k)][static_cast<std::size_t>(m)];
    const std::string_view word =
        mark >= 0 && mark < 7 ? kMarkWords[static_cast<std::size_t>(mark)] : kMarkWords[0];
    cell.strAccessibleText = "第" + std::to_string(lngRow) + "試合 " +
                             std::string(kHeadings[static_cast<std::size_t>(lngCol)]) + " " +
                             std::string(word);
    return cell;
}

clsGridGeometry clsTMultiGrid::Geometry96()
{
    return clsGridGeometry::Uniform(kRows, 21, kCols, 32);
}
