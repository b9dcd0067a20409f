#pragma once
// The multi grid as the grid widget draws it: headings "1", "0", "2" over 13 match rows, each
// cell the mark's symbol on the shade of its target state. Reads the clsTMulti it is given
// (which must outlive it) at every draw, so it holds nothing of its own; owned by the view.

#include "base/clsGridGeometry.h"
#include "base/clsIGridSource.h"
#include "lottery/clsTMulti.h"
#include "lottery/clsToto.h"

class clsTMultiGrid : public clsIGridSource
{
public:
    static constexpr std::int32_t kRows = clsToto::kMatchCount + 1;
    static constexpr std::int32_t kCols = 3;

    explicit clsTMultiGrid(const clsTMulti& multi)
        : m_multi(multi)
    {}

    std::int32_t Rows() const override { return kRows; }
    std::int32_t Cols() const override { return kCols; }
    GridCellData Cell(std::int32_t lngRow, std::int32_t lngCol) const override;

    static GridColor ShadeColor(clsTMulti::Shade shade);
    // The cell lengths at 96 dpi, the rows level with the count grid's beside it.
    static clsGridGeometry Geometry96();

private:
    const clsTMulti& m_multi;
};
