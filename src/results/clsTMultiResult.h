#pragma once
// The result entry grid's model: the result marks of the 13 matches, hand entry by click and
// the cancel command. Owned by clsTResult, for its lifetime.

#include "lottery/ResultRecord.h"
#include "results/ResultTypes.h"

#include <cstdint>
#include <functional>
#include <string>

class clsTMultiResult
{
public:
    clsTMultiResult();

    // Raised whenever the marks differ from the state last reported; true when a user's click
    // caused it.
    std::function<void(bool blnClick)> Change;

    void Clear();
    ResultMarks GetValue() const { return m_value; }
    std::int32_t Value(std::int32_t lngOutcome, std::int32_t lngMatch) const;
    // Marks put in by the program (a new result, a reveal): Change(false) when they differ.
    void SetValue(const ResultMarks& lngValue);
    // Per match and outcome: mark > 0.
    ResultFlags GetVisible() const;
    // The round's result, to tell an official result from a hand entry.
    void SetRecord(const ResultRecord& record);
    bool HasOfficial() const { return m_record.Kaisaikai > 0; }

    // A left click on outcome cell (code, match).
    void LeftClick(std::int32_t lngOutcome, std::int32_t lngMatch);
    // A right click on a match row: the row becomes the one the pop-up menu acts on.
    void RightClick(std::int32_t lngMatch);
    // Pop-up command 0 ("中止"): the remembered match is cancelled.
    void SetPopup(std::int32_t lngIndex);
    std::int32_t LastMatch() const { return m_lastMatch; }

    // "◎", "○", "－" or "" for a cell.
    std::string CellText(std::int32_t lngOutcome, std::int32_t lngMatch) const;
    static const char* MarkText(std::int32_t lngMark);
    // Grid columns "1", "0", "2" hold outcome codes 1, 0, 2.
    static std::int32_t ColumnOutcome(std::int32_t lngColumn);

private:
    void Notify(bool blnClick);

    ResultMarks m_value{};
    ResultMarks m_reported{};
    ResultRecord m_record{};
    std::int32_t m_lastMatch = -1;
};
