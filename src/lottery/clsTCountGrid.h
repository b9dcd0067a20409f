#pragma once
// A count grid (clsTCount) as the grid widget draws it: headings "1", "0", "2" over 13 match
// rows shaded white and light yellow, the 7-character count or percent fields right-aligned,
// result cells in blue. Reads the clsTCount it is given (which must outlive it) at every draw;
// owned by the view that shows the count.

#include "base/clsGridGeometry.h"
#include "base/clsIGridSource.h"
#include "lottery/clsTCount.h"
#include "lottery/clsToto.h"

class clsTCountGrid : public clsIGridSource
{
public:
    static constexpr std::int32_t kRows = clsToto::kMatchCount + 1;
    static constexpr std::int32_t kCols = 3;

    explicit clsTCountGrid(const clsTCount& count)
        : m_count(count)
    {}

    std::int32_t Rows() const override { return kRows; }
    std::int32_t Cols() const override { return kCols; }
    GridCellData Cell(std::int32_t lngRow, std::int32_t lngCol) const override;

    // Row height 21 at 96 dpi, columns wide enough for the 7-character field of the grid face.
    static clsGridGeometry Geometry96();

private:
    const clsTCount& m_count;
};
