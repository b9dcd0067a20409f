#pragma once
// The result page grid's model: ten columns of singles, each its 13 outcome digits coloured by
// whether they were right, and its grade value at the foot. Owned by clsTResult.

#include "lottery/clsToto.h"

#include <array>
#include <cstdint>
#include <string>

class clsTResultGrid
{
public:
    static constexpr std::int32_t kColumns = 10;
    static constexpr std::int32_t kRows = 15;

    struct Column
    {
        bool Used = false;
        std::array<std::uint8_t, clsToto::kMatchCount + 1>
            Value{}; // digits of matches 1..13, then the grade value
        std::array<std::uint8_t, clsToto::kMatchCount>
            Color{}; // hit-table values: 0 wrong .. 4 open
        std::int32_t MaxGrade = 3;
    };

    void Initialize() { m_initialized = true; }
    bool Initialized() const { return m_initialized; }
    void Clear();
    // Empties column lngNo + 1.
    void SetClear(std::int32_t lngNo);
    void SetValue(std::int32_t lngNo,
                  const std::array<std::uint8_t, clsToto::kMatchCount + 1>& bytValue,
                  const std::array<std::uint8_t, clsToto::kMatchCount>& bytColor,
                  std::int32_t lngMaxGrade);

    const Column& GetColumn(std::int32_t lngNo) const;
    // Row 0 is the heading "1".."10"; rows 1..13 the digits; row 14 the grade value.
    std::string CellText(std::int32_t lngRow, std::int32_t lngNo) const;
    std::uint32_t CellColor(std::int32_t lngRow, std::int32_t lngNo) const;
    // Background of a hit-table value: red, blue, blue, yellow, white.
    static std::uint32_t HitColor(std::uint8_t bytValue);
    // The legend's four swatches, in order: right, cancelled, wrong, prize.
    static std::array<std::uint32_t, 4> LegendColors();

private:
    std::array<Column, kColumns> m_column{};
    bool m_initialized = false;
};
