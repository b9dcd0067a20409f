#pragma once
// The breakdown as a grid view asks for it: titles in column 0, values in column 1, with the
// breakdown's own colours and stripes. Reads the breakdown it is given, which must outlive it.

#include "base/clsGridGeometry.h"
#include "base/clsIGridSource.h"
#include "conditions/clsTMeisai.h"

class clsTMeisaiGrid final : public clsIGridSource
{
public:
    explicit clsTMeisaiGrid(const clsTMeisai& meisai)
        : m_meisai(meisai)
    {}

    std::int32_t Rows() const override { return clsTMeisai::kRows; }
    std::int32_t Cols() const override { return 2; }
    GridCellData Cell(std::int32_t lngRow, std::int32_t lngCol) const override;
    // Column widths and row height as the breakdown was laid out, at 96 dpi.
    clsGridGeometry Geometry96() const;

private:
    const clsTMeisai& m_meisai;
};
