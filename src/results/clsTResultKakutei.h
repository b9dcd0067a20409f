#pragma once
// The confirmed-prize table's model: official prize, winners and carry-over of grades 1 to 3
// beside the set's own winning singles and winnings, and their totals. Owned by clsTResult.

#include "base/Currency.h"
#include "lottery/ResultRecord.h"
#include "results/ResultTypes.h"

#include <array>
#include <cstdint>
#include <string>

class clsTResultKakutei
{
public:
    // Rows 0..2 = grades 1..3, row 3 = "合計".
    static constexpr std::int32_t kRows = 4;
    // Columns: 0 当せん金, 1 当せん口数 (official), 2 繰越金, 3 当せん口数 (the set), 4 当せん金額.
    static constexpr std::int32_t kColumns = 5;

    void Initialize() { m_initialized = true; }
    bool Initialized() const { return m_initialized; }
    // Empties every value cell.
    void Clear();
    // The set's tally; the table shows values only after SetRecord and SetValue. A cell or
    // total beyond Currency throws std::overflow_error naming it, and the table stays empty.
    void SetValue(const GradeTally& lngValue);
    void SetRecord(const ResultRecord& record, std::int32_t lngMaxGrade);

    bool Empty() const { return m_empty; }
    // The amounts behind the cells (also for the command-line report).
    Currency Amount(std::int32_t lngRow, std::int32_t lngColumn) const;
    // "0 " for 0 or less, else "#,##0" and a blank; empty cells when every value is 0.
    std::string CellText(std::int32_t lngRow, std::int32_t lngColumn) const;
    static std::string RowLabel(std::int32_t lngRow);
    static const char* Heading(std::int32_t lngColumn);
    // The group a column belongs to, "公式" (the operator's figures) or "この組" (the set's):
    // two columns share the heading 当せん口数.
    static const char* Group(std::int32_t lngColumn);
    // The set's two columns are blue for prize grades.
    bool Highlighted(std::int32_t lngRow, std::int32_t lngColumn) const;

private:
    void Rebuild();

    std::array<std::array<Currency, kColumns>, kRows> m_amount{};
    GradeTally m_tally{};
    ResultRecord m_record{};
    std::int32_t m_maxGrade = 3;
    bool m_hasRecord = false;
    bool m_hasTally = false;
    bool m_empty = true;
    bool m_initialized = false;
};
