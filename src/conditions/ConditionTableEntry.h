#pragma once
// One tab of a condition table (本命, 人気 or 勝敗): target matches and outcomes, the rows and the
// count marks that delete singles. A plain value copied whole between the panels, the run and
// the files; the editing rules of the count table are operations on it.

#include "lottery/clsToto.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

enum class JoukenKind : std::int32_t
{
    Honmei = 1,
    Ninki = 2,
    Mark = 3
};

// Cell values of the count table.
inline constexpr std::uint8_t kCountBlank = 0;
inline constexpr std::uint8_t kCountDelete = 1;   // ×
inline constexpr std::uint8_t kCountTolerate = 2; // △
inline constexpr std::int32_t kJoukenTabs = 29;
inline constexpr std::int32_t kCountColumns = clsToto::kMatchCount + 1; // counts 0..13

namespace basJouken {
std::int32_t CategoryCount(JoukenKind kind);
// "◎", "1番", "[0]", ...; empty outside the kind's categories.
std::string ShortTitle(JoukenKind kind, std::int32_t lngCategory);
std::string LongTitle(JoukenKind kind, std::int32_t lngCategory);
// "全て", "J1", "J2", "A".."Z".
std::string TabName(std::int32_t lngTab);
// "本命", "人気", "勝敗".
std::string KindName(JoukenKind kind);
} // namespace basJouken

struct ConditionTableEntry
{
    bool Enabled = true;
    bool Applied = true;
    std::int32_t RowCount = 0;      // n
    std::int32_t CategoryCount = 0; // m
    std::array<bool, clsToto::kMatchCount> MatchFlags{};
    std::array<bool, 3> ResultFlags{};                               // by outcome code
    std::vector<std::vector<bool>> RowCategories;                    // [row][category]
    std::array<std::vector<std::uint8_t>, kCountColumns> CountMarks; // [count t][row]
    std::vector<std::string> RowCaptions;
    // Row titles as the panel shows them; filled by GetEntry, never stored in files.
    std::vector<std::string> RowTitles;

    // The tab as Clear leaves it; tabs 1 and 2 wait for a schedule to get their matches.
    static ConditionTableEntry Cleared(JoukenKind kind, std::int32_t lngTab);

    // Reshapes to n rows of m categories; everything row-shaped is emptied.
    void Resize(std::int32_t lngRows, std::int32_t lngCategories);

    std::uint8_t Mark(std::int32_t lngCount, std::int32_t lngRow) const;
    void SetMark(std::int32_t lngCount, std::int32_t lngRow, std::uint8_t bytMark);

    // Cells of the row that are not blank; a row without any is never applied.
    std::int32_t CountRowMarks(std::int32_t lngRow) const;
    std::int32_t TargetMatchCount() const;
    // Counts above the number of target matches cannot occur and are drawn red; so is every
    // count of a tab without target matches.
    bool IsRedColumn(std::int32_t lngCount) const;

    // Long title for a row of one category, else the short titles joined by "+".
    std::string BuildRowTitle(JoukenKind kind, std::int32_t lngRow) const;
    // The stored title when there is one (the panel wrote it), else the built one.
    std::string RowTitleFor(JoukenKind kind, std::int32_t lngRow) const;

    // Count-table editing. Left click: blank becomes ×, anything else blank.
    void ToggleCell(std::int32_t lngCount, std::int32_t lngRow);
    // The cell and every cell left of it (blnLeft) or right of it take bytMark.
    void MarkRange(std::int32_t lngCount, std::int32_t lngRow, bool blnLeft, std::uint8_t bytMark);
    void SetRow(std::int32_t lngRow, std::uint8_t bytMark);
    void SetAll(std::uint8_t bytMark);

    bool IsValidCell(std::int32_t lngCount, std::int32_t lngRow) const;

    friend bool operator==(const ConditionTableEntry&, const ConditionTableEntry&) = default;
};
