#include "tickets/clsTSingleGameGrid.h"

GridCellData clsTSingleGameGrid::Cell(std::int32_t lngRow, std::int32_t lngCol) const
{
    GridCellData cell;
    if (lngRow < 0 || lngRow >= Rows() || lngCol < 0 || lngCol >= Cols()) {
        return cell;
    }
    cell.strText = m_game.CellText(lngRow, lngCol);
    if (lngRow == 0) {
        cell.Align = GridAlign::Center;
        cell.BackColor = GridColor::ButtonFaceColor();
        cell.blnBold = true;
        return cell;
    }
    // The teams read from the left as on the card; date and number are centred.
    cell.Align = lngCol >= 2 ? GridAlign::Left : GridAlign::Center;
    cell.BackColor = clsTSingleGame::RowShaded(lngRow) ? GridColor::FromRgb(255, 255, 224)
                                                       : GridColor::FromRgb(255, 255, 255);
    if (lngCol == 1) {
        cell.strAccessibleText = "第" + cell.strText + "試合";
    }
    return cell;
}

std::vector<std::int32_t> clsTSingleGameGrid::ColWidths96()
{
    return {44, 26, 76, 76};
}
