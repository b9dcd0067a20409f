#pragma once
// The result checker: grades the ticket set against the round's result (official, revealed match
// by match, or entered by hand), keeps the tally, the prize table and the page of ten singles the
// views show. The document's ticket set (clsTicketSet) owns one for the document's lifetime and
// hands it every new set; kelvra-cli's grade command makes one for its call.

#include "base/clsErrorReporter.h"
#include "base/clsFileStream.h"
#include "lottery/ResultRecord.h"
#include "lottery/clsToto.h"
#include "results/ResultTypes.h"
#include "results/clsTMultiResult.h"
#include "results/clsTResultGrade.h"
#include "results/clsTResultGrid.h"
#include "results/clsTResultKakutei.h"

#include <array>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

class clsIBusy;
class clsIMessage;
class clsIPump;
class clsIWait;

class clsTResult
{
public:
    static constexpr std::int32_t kPageSize = 10;

    // strProgramFolder holds SysData/, where the hand-entry files live under SysData/Temp/.
    clsTResult(clsIMessage& message, clsIBusy& busy, clsIWait& wait, clsIPump& pump,
               std::string strProgramFolder);

    // Raised after anything the views show has changed (grids, tables, labels, buttons).
    std::function<void()> Refreshed;

    void Initialize();

    // Takes a new result; reveals all 13 matches when blnShowAll, none otherwise.
    void SetResultData(std::int32_t lngKaisaikai, const std::string& strKumi,
                       const ResultRecord& record, bool blnShowAll);
    void SetNextData();
    void SetAlltData();
    bool FullResult() const { return m_revealed >= clsToto::kMatchCount; }
    std::int32_t Revealed() const { return m_revealed; }
    bool HasOfficial() const { return m_record.Kaisaikai > 0; }
    // Matches whose result is official or cancelled; hand entries decide nothing.
    std::int32_t DecidedCount() const;

    // Takes a new ticket set, grades it and shows its first page. False when the set was refused.
    bool SetSingle(std::span<const std::int32_t> lngSingle);
    // One single of the graded set changed (an edit on the sheet): regraded without opening
    // the whole set again; the page stays. False, reported, for a bad index or number.
    bool SetValue(std::int32_t lngIndex, std::int32_t lngValue);
    // Reorders the given list by grade value (ascending: most hits first). The list must be the
    // graded set (same size); the caller then hands it back through SetSingle.
    bool GradeSort(std::vector<std::int32_t>& lngSingle, bool blnAscending);
    void Clear();

    // The result entry grid: the views forward clicks to it; every change regrades.
    clsTMultiResult& Entry() { return m_entry; }
    const clsTMultiResult& Entry() const { return m_entry; }
    void SetPopup(std::int32_t lngIndex) { m_entry.SetPopup(lngIndex); }

    // The graded set.
    std::int32_t SingleCount() const { return m_count; }
    std::uint8_t GradeValue(std::int32_t lngIndex) const;
    const GradeTally& Tally() const { return m_tally; }
    // Hit-table value of outcome lngOutcome in match lngMatch: 4 while the match is open,
    // else its mark (0 wrong, 1 official, 2 hand-entered, 3 cancelled).
    std::uint8_t HitValue(std::int32_t lngOutcome, std::int32_t lngMatch) const;
    // The 13 outcome digits of single lngIndex.
    std::array<std::uint8_t, clsToto::kMatchCount> Composition(std::int32_t lngIndex) const;
    std::int32_t MaxGrade() const;

    // Paging (a double click is two clicks: the view calls twice).
    void MovePrevious();
    void MoveNext();
    void MovePage(std::int32_t lngPage);
    std::int32_t Page() const { return m_page; }
    std::int32_t PageCount() const { return (m_count - 1) / kPageSize + 1; }
    std::string PageLabel() const;
    const std::string& SingleCountLabel() const { return m_countLabel; }
    bool PreviousEnabled() const { return m_page > 0; }
    bool NextEnabled() const { return m_page < PageCount() - 1; }

    const clsTResultGrid& Grid() const { return m_grid; }
    const clsTResultGrade& GradeTable() const { return m_grade; }
    const clsTResultKakutei& Kakutei() const { return m_kakutei; }

    // The match-count grid beside the page: the set's frame, the multi's cells, and the result's
    // cells in blue.
    void SetSingleFrame(const SingleFrame& lngValue, const ResultFlags& blnVisible);
    const SingleFrame& CountFrame() const { return m_frame; }
    const ResultFlags& CountCells() const { return m_frameVisible; }
    const ResultFlags& CountColor() const { return m_countColor; }
    bool Percent() const { return m_percent; }
    void SetPercent(bool blnValue) { m_percent = blnValue; }
    bool CountVisible() const { return m_countVisible; }
    void SetCountVisible(bool blnValue) { m_countVisible = blnValue; }
    // A click on the count grid hides it unless it shows percentages.
    void CountClick();

    // SysData/Temp/Kelvra_Result_NNN[_group].dat below the program folder.
    std::string TempFileName(std::int32_t lngKaisaikai, const std::string& strKumi) const;

private:
    void BuildMarks(std::int32_t lngMode);
    void LoadResultTemp(ResultMarks& marks);
    void SaveResultTemp();
    void OnChange(bool blnClick);
    void Grade(bool blnPrizes);
    void ShowPage();
    void RaiseRefreshed();

    clsErrorReporter m_err;
    clsIBusy& m_busy;
    clsIWait& m_wait;
    clsIPump& m_pump;
    clsFileStream m_file;
    bool m_initialized = false;

    clsTMultiResult m_entry;
    clsTResultGrade m_grade;
    clsTResultKakutei m_kakutei;
    clsTResultGrid m_grid;

    std::int32_t m_kaisaikai = 0;
    std::string m_kumi;
    ResultRecord m_record{};
    std::int32_t m_revealed = 0;
    // A new result is graded once, with its prizes, after its marks are built.
    bool m_takingResult = false;

    // Each single kept as its two half-compositions (matches 1-7 and 8-13 as base-3 indices),
    // so a regrade is two table lookups per single and never converts a number again.
    std::int32_t m_count = 0;
    std::vector<std::uint16_t> m_low;
    std::vector<std::uint16_t> m_high;
    std::vector<std::uint8_t> m_gradeValue;
    GradeTally m_tally{};
    OutcomeTable<std::uint8_t> m_hit{};

    std::int32_t m_page = 0;
    std::string m_countLabel = "0";

    SingleFrame m_frame{};
    ResultFlags m_frameVisible{};
    ResultFlags m_countColor{};
    bool m_percent = false;
    bool m_countVisible = true;
};
