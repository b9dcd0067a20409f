#pragma once
// The grade tally table's model: 14 rows "1等" .. "14等" with the count and share of the graded
// set. Owned by clsTResult; the view paints what it holds.

#include "lottery/clsToto.h"
#include "results/ResultTypes.h"

#include <cstdint>
#include <string>

class clsTResultGrade
{
public:
    static constexpr std::int32_t kRows = clsToto::kMatchCount + 1;

    void Initialize() { m_initialized = true; }
    bool Initialized() const { return m_initialized; }
    // Every count 0; lngMaxGrade decides which rows are prize rows.
    void Clear(std::int32_t lngMaxGrade);
    // blnDecided: at least one match has a result. Before that every open match counts as
    // right, so the whole set sits in 1等 and the shown values would claim a win.
    void SetValue(const GradeTally& lngValue, std::int32_t lngMaxGrade, bool blnDecided = true);

    const GradeTally& Value() const { return m_value; }
    std::int32_t Total() const;
    // Row r = 0..13 stands for grade value r + 1.
    std::string Label(std::int32_t lngRow) const;
    std::string CountText(std::int32_t lngRow) const;
    std::string RatioText(std::int32_t lngRow) const;
    bool Decided() const { return m_decided; }
    // What the table shows in value column lngColumn (0 口数, 1 比率): "－" until decided.
    std::string ValueText(std::int32_t lngRow, std::int32_t lngColumn) const;
    bool Highlighted(std::int32_t lngRow) const;
    std::uint32_t TextColor(std::int32_t lngRow) const;
    // Column headings of the value columns.
    static const char* Heading(std::int32_t lngColumn);

private:
    GradeTally m_value{};
    std::int32_t m_maxGrade = 3;
    bool m_decided = true;
    bool m_initialized = false;
};
