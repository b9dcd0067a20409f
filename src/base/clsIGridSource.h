#pragma once
// The cells of a grid as a view asks for them: only the cells it draws, when it draws them,
// so a source of 1.6 million rows computes nothing for the rows out of sight.

#include "base/GridCellData.h"

#include <cstdint>

class clsIGridSource
{
public:
    virtual ~clsIGridSource() = default;
    virtual std::int32_t Rows() const = 0;
    virtual std::int32_t Cols() const = 0;
    // Called with 0 <= lngRow < Rows() and 0 <= lngCol < Cols() only.
    virtual GridCellData Cell(std::int32_t lngRow, std::int32_t lngCol) const = 0;
};
