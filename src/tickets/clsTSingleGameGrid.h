#pragma once
// The match list (clsTSingleGame) as the grid widget draws it beside the ticket sheet: the
// heading row over the sheet's number band, then one row per match, the even matches shaded
// as on the count grid so that a row can be followed across the sheet. Reads the list it is
// given (which must outlive it) at every draw; owned by the view that shows the list.

#include "base/clsGridGeometry.h"
#include "base/clsIGridSource.h"
#include "tickets/clsTSingleGame.h"

#include <vector>

class clsTSingleGameGrid : public clsIGridSource
{
public:
    explicit clsTSingleGameGrid(const clsTSingleGame& game)
        : m_game(game)
    {}

    std::int32_t Rows() const override { return clsTSingleGame::kRows; }
    std::int32_t Cols() const override { return clsTSingleGame::kColumns; }
    GridCellData Cell(std::int32_t lngRow, std::int32_t lngCol) const override;

    // Column widths at 96 dpi: date, number and two team names of up to six full-width
    // characters.
    static std::vector<std::int32_t> ColWidths96();

private:
    const clsTSingleGame& m_game;
};
