#pragma once
// The mark card's geometry: where each ticket mark, round mark, group mark and margin text
// goes, and the test print's grid, outline and sample marks, as drawing operations in
// millimetres. One card is built per printed page and thrown away once the page is sent.
//
// The card is a grid of 3.5 mm columns and 5 mm rows from (23.5, 4.75). Every placed point is
// moved by the user's shifts and, on a landscape sheet, down by 127.5 mm, where the card lies
// in the lower half; the test print's reference corner stays fixed on the sheet.

#include "lottery/ScheduleRecord.h"
#include "print/PrintOp.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class clsTPrintCard
{
public:
    enum class DrawMode
    {
        Print, // filled marks
        Test   // outlined marks with both diagonals
    };

    static constexpr std::string_view kFont = "ＭＳ ゴシック";

    // adjX / adjY: what is added to every placed point (the negated left and top shifts).
    clsTPrintCard(Currency adjX, Currency adjY, bool blnLandscape, DrawMode mode);

    // Ticket lngNo in slot lngSlot (1..10): one mark per match in its outcome's column.
    void TicketMarks(std::int32_t lngSlot, std::int32_t lngNo);
    // The last two digits of the round; nothing for round 0.
    void RoundMarks(std::int32_t lngKaisaikai);
    // Nothing for no group; "B" marks the second box, any other group the first.
    void GroupMark(std::string_view strKumi);
    void PageText(std::int32_t lngPage, std::int32_t lngPageCount);
    // As much of the name as the margin holds: up to the match lines when they are printed
    // beside it, else up to the ticket marks.
    void FileNameText(std::string_view strFileName, bool blnMatchLines = false);
    // One line per match from the schedule.
    void MatchCardTexts(const ScheduleRecord& schedule);
    // The whole test sheet: grid, outline, reference corner, the sample texts the switches ask
    // for, every round digit, both group marks when strKumi is set, and all 390 ticket marks.
    void TestSheet(bool blnPageText, bool blnFileText, bool blnMatchText, std::string_view strKumi);

    const std::vector<PrintOp>& Ops() const { return m_ops; }

    // The texts as printed.
    static std::string PageLabel(std::int32_t lngPage, std::int32_t lngPageCount);
    static std::string FileNameLabel(std::string_view strFileName, std::int32_t lngCells);
    // How many cells of the card's font at pointSize fit in widthMm.
    static std::int32_t CellsIn(Currency widthMm, Currency pointSize);
    // The cells the file name may take in the margin.
    static std::int32_t FileNameCells(bool blnMatchLines);

    // Width in cells of the card's fixed-pitch font: ASCII and half-width kana take one, any
    // other character two (also one the font may lack, so that a guess is never too narrow),
    // a combining mark none.
    static std::int32_t TextCells(std::string_view strText);
    // strText whole when it takes at most lngCells, else its longest head of whole characters
    // that leaves room for "…", then "…".
    static std::string FitCells(std::string_view strText, std::int32_t lngCells);
    static std::string MatchLabel(const ScheduleMatch& match);

    // Centre of a ticket mark before placing: slot 1..10, column 0..2 (outcome 1, 0, 2),
    // match 1..13.
    static Currency TicketX(std::int32_t lngSlot, std::int32_t lngColumn);
    static Currency TicketY(std::int32_t lngMatch);
    // Column of an outcome code on the card (1 home win, 0 draw, 2 away win).
    static constexpr std::int32_t ColumnOf(std::int32_t lngCode)
    {
        return lngCode == 1 ? 0 : (lngCode == 0 ? 1 : 2);
    }

private:
    Currency PlaceX(Currency x) const;
    Currency PlaceY(Currency y) const;
    void Mark(Currency x, Currency y);
    void Line(Currency x1, Currency y1, Currency x2, Currency y2, const PrintColour* colour);
    void Text(Currency x, Currency y, std::string strText, Currency pointSize);
    void Grid(std::int32_t lngStep, PrintColour colour);

    Currency m_adjX;
    Currency m_adjY;
    bool m_landscape;
    DrawMode m_mode;
    std::vector<PrintOp> m_ops;
};
