#include "results/clsTResultGrid.h"

#include "lottery/clsToto.h"
#include "results/ResultTypes.h"

#include <stdexcept>

namespace {
std::size_t Col(std::int32_t lngNo)
{
    if (lngNo < 0 || lngNo >= clsTResultGrid::kColumns) {
        throw std::out_of_range("clsTResultGrid: column");
    }
    return static_cast<std::size_t>(lngNo);
}
void CheckRow(std::int32_t lngRow)
{
    if (lngRow < 0 || lngRow >= clsTResultGrid::kRows) {
        throw std::out_of_range("clsTResultGrid: row");
    }
}
} // namespace

void clsTResultGrid::Clear()
{
    m_column = {};
}

void clsTResultGrid::SetClear(std::int32_t lngNo)
{
    m_column[Col(lngNo)] = Column{};
}

void clsTResultGrid::SetValue(std::int32_t lngNo,
                              const std::array<std::uint8_t, clsToto::kMatchCount + 1>& bytValue,
                              const std::array<std::uint8_t, clsToto::kMatchCount>& bytColor,
                              std::int32_t lngMaxGrade)
{
    auto& c = m_column[Col(lngNo)];
    c.Used = true;
    c.Value = bytValue;
    c.Color = bytColor;
    c.MaxGrade = lngMaxGrade;
}

const clsTResultGrid::Column& clsTResultGrid::GetColumn(std::int32_t lngNo) const
{
    return m_column[Col(lngNo)];
}

std::string clsTResultGrid::CellText(std::int32_t lngRow, std::int32_t lngNo) const
{
    CheckRow(lngRow);
    const auto& c = m_column[Col(lngNo)];
    if (lngRow == 0) {
        return std::to_string(lngNo + 1);
    }
    if (!c.Used) {
        return "";
    }
    return std::to_string(c.Value[static_cast<std::size_t>(lngRow - 1)]);
}

std::uint32_t clsTResultGrid::CellColor(std::int32_t lngRow, std::int32_t lngNo) const
{
    CheckRow(lngRow);
    const auto& c = m_column[Col(lngNo)];
    if (lngRow == 0) {
        return ResultColor::Header;
    }
    if (!c.Used) {
        return ResultColor::White;
    }
    if (lngRow == clsToto::kMatchCount + 1) {
        return c.Value[clsToto::kMatchCount] <= c.MaxGrade ? ResultColor::Prize
                                                           : ResultColor::White;
    }
    return HitColor(c.Color[static_cast<std::size_t>(lngRow - 1)]);
}

std::uint32_t clsTResultGrid::HitColor(std::uint8_t bytValue)
{
    switch (bytValue) {
    case 0:
        return ResultColor::Wrong;
    case 1:
    case 2:
        return ResultColor::Right;
    case 3:
        return ResultColor::Cancelled;
    default:
        return ResultColor::White;
    }
}

std::array<std::uint32_t, 4> clsTResultGrid::LegendColors()
{
    return {ResultColor::Right, ResultColor::Cancelled, ResultColor::Wrong, ResultColor::Prize};
}
