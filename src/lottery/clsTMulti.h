#pragma once
// The multi grid's model: the 13 x 3 marks, the left-click mark and every editing rule of the
// grid (clicks, the three pop-up menus, marking by vote order). The document (clsDocument) owns
// one for its lifetime and offers its commands; a view draws it (3 columns x 14 rows, row 0 the
// headings) and forwards clicks. Columns are shown in the order 1, 0, 2: column 0 is outcome 1,
// column 1 outcome 0, column 2 outcome 2.

#include "base/clsErrorReporter.h"
#include "lottery/MarkArray.h"
#include "lottery/VoteRecord.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

class clsTMulti
{
public:
    static constexpr std::int32_t MarkAuto = 99;

    enum class Button
    {
        Left,
        Right
    };
    enum class Shade
    {
        White,
        LightYellow,
        Control // cells the condition on show does not count
    };
    // The grid's three pop-up menus.
    enum class MenuKind
    {
        LeftClick, // the heading's left-click menu: the left-click mark, 自動 included
        Mark,      // a cell's menu: its mark
        Whole      // the heading's right-click menu: the whole multi
    };

    explicit clsTMulti(clsIMessage& message);

    // The view calls this once its grid exists; the model itself needs no size.
    void Initialize();
    void Clear();
    void GetValue(MarkArray& lngValue) const { lngValue = m_value; }
    const MarkArray& Value() const { return m_value; }
    void SetValue(const MarkArray& lngValue);
    void GetVisible(CellFlags& blnVisible) const;
    // Target cells (対象) of the condition table on show.
    void SetTaishou(const CellFlags& blnValue);
    const CellFlags& Taishou() const { return m_taishou; }
    void Refresh() const;
    void SetVoteRecord(const VoteRecord& vote) { m_vote = vote; }

    std::int32_t LeftClickMark() const { return m_leftClickMark; }
    void SetLeftClickMark(std::int32_t lngMark) { m_leftClickMark = lngMark; }

    // A click (or double click) on a grid cell: lngRow 0 = headings, 1..13 = matches;
    // lngCol 0..2 in the shown order. Menus go through ShowMenu.
    void MouseDown(Button button, std::int32_t lngRow, std::int32_t lngCol);
    // The whole-multi menu's items, by position.
    void MarkAll(std::int32_t lngMark);
    void MarkByVoteOrder();

    // What the view draws.
    static std::int32_t OutcomeOfColumn(std::int32_t lngCol);
    static std::string_view MarkSymbol(std::int32_t lngMark);
    std::string_view CellText(std::int32_t lngOutcome, std::int32_t lngMatch) const;
    Shade CellShade(std::int32_t lngOutcome, std::int32_t lngMatch) const;

    // Shows a menu, lngCurrent (the mark to tick) ticked, and returns the pop-up menus' result
    // code: 0 nothing chosen; a mark as mark + 1, automatic as 99; the whole-multi entries 1..4.
    std::function<std::int32_t(MenuKind kind, std::int32_t lngCurrent)> ShowMenu;
    // The grid must be drawn again.
    std::function<void()> Redraw;

private:
    std::int32_t Choose(MenuKind kind, std::int32_t lngCurrent) const;
    // The mark a result code of a mark menu stands for, or -1 for none.
    static std::int32_t MarkOfCode(std::int32_t lngCode);
    void RaiseRedraw() const;

    clsErrorReporter m_err;
    MarkArray m_value{};
    CellFlags m_taishou{};
    std::int32_t m_leftClickMark = MarkAuto;
    VoteRecord m_vote;
};
