#pragma once
// The count grid's model (a single frame shown as numbers or row percentages, 7-character
// fields). The ticket sheet, the extraction run and the run, multi-count and check views each
// own one for their lifetime; a view draws it in 3 columns (outcomes 1, 0, 2) x 14 rows (row 0
// the headings) and forwards clicks.

#include "lottery/MarkArray.h"

#include <cstdint>
#include <functional>
#include <string>

class clsTCount
{
public:
    static constexpr int CellWidth = 7;

    enum class Button
    {
        Left,
        Right,
        Middle
    };
    enum class Shade
    {
        White,
        LightYellow
    };

    void Initialize() { RaiseRedraw(); }
    bool Visible() const { return m_visible; }
    void SetGridVisible(bool blnVisible);
    bool Percent() const { return m_percent; }
    void SetPercent(bool blnPercent);
    void Clear();
    void SetValue(const SingleFrame& lngValue);
    const SingleFrame& Value() const { return m_count; }
    // Which cells are in the multi (a blank zero only where not).
    void SetVisible(const CellFlags& blnVisible);
    // Which cells are drawn in blue (the outcomes that are the result).
    void SetColor(const CellFlags& blnColor);
    void Refresh() const { RaiseRedraw(); }

    // The text of a cell, right-aligned in CellWidth characters; empty for a blank cell.
    std::string CellText(std::int32_t lngOutcome, std::int32_t lngMatch) const;
    bool CellBlue(std::int32_t lngOutcome, std::int32_t lngMatch) const;
    static Shade RowShade(std::int32_t lngMatch);
    static std::int32_t OutcomeOfColumn(std::int32_t lngCol);

    // A click on the grid: lngRow 0 = headings, 1..13 matches. A left click on a match row
    // flips the percent switch; any click on a match row raises Click afterwards.
    void MouseDown(Button button, std::int32_t lngShift, double dblX, double dblY,
                   std::int32_t lngRow);

    std::function<void()> Redraw;
    std::function<void(Button, std::int32_t, double, double)> Click;

private:
    void RaiseRedraw() const;

    SingleFrame m_count{};
    CellFlags m_cellVisible{};
    CellFlags m_color{};
    bool m_percent = false;
    bool m_visible = true;
};
