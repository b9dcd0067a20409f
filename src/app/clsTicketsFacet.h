#pragma once
// The ticket set and its sheet: the set's commands (CSV, clipboard, sorts, sheet edits), each of
// which replaces the set as a whole, and read access to the set, its frame and the sheet.
// Handed out by the document, which owns it.

#include "app/clsDocumentFacet.h"
#include "app/clsTicketSet.h"
#include "lottery/MarkArray.h"
#include "tickets/clsTSingle.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class clsTicketsFacet final : public clsDocumentFacet
{
public:
    explicit clsTicketsFacet(clsDocument& doc)
        : clsDocumentFacet(doc)
    {}

    using SortKind = clsTicketSet::SortKind;

    // Each command below replaces the set as a whole under the work lock, recounts its frame
    // and hands both to the sheet and the checker in the same step (PartSingles); refused
    // (false, nothing changed) while the work is busy.
    bool SetSingles(std::vector<std::int32_t> lngSingle);
    // The CSV file's tickets as a new work (and its round, when the file name tells one), only
    // once the whole file has been read: a bad file loses nothing.
    bool CsvOpen(const std::string& strFileName);
    // The CSV file's tickets in place of the set; the rest of the work stays.
    bool CsvReplace(const std::string& strFileName);
    bool CsvSave(const std::string& strFileName);
    bool CsvAdd(const std::string& strFileName);
    bool CsvDel(const std::string& strFileName);
    // The clipboard's ticket lines in place of the set: their count, told to the user; 0 (no
    // change, no message) when the clipboard holds none.
    std::int32_t ClipImport();
    // Needs at least one single, and for the payout and popularity kinds a vote with a round;
    // the expected-value and chance kinds need the player's own probabilities.
    bool SortSingles(SortKind kind);
    bool SortAscending() const;
    void SetSortAscending(bool blnValue);
    // By the checker's grades (most hits first when ascending).
    bool SortByWinnings();
    bool RemoveDuplicateSingles();
    // The sheet: edits come back to the document through the sheet's events; paging and
    // selection change no work and are told to the sheet's sink.
    const clsTSingle& Sheet() const;
    void SetSheetSink(clsTSingleSink* pSink);
    bool SheetCellClick(std::int32_t lngSlot, std::int32_t lngCode, std::int32_t lngMatch);
    bool SheetAdd();
    bool SheetSelectDelete();
    void SheetNoClick(std::int32_t lngSlot);
    void SheetMovePage(std::int32_t lngPage);
    void SheetSelectAll(bool blnValue);
    bool EditLock() const;
    void SetEditLock(bool blnValue);
    // シングル構成を％で表示: the count grids show row percentages instead of counts. A way of
    // showing the work, kept across New and loads, and no unsaved change (PartView).
    bool SinglePercent() const;
    void SetSinglePercent(bool blnValue);
    std::int32_t SingleCount() const;
    const ::SingleFrame& SingleFrame() const;
    const std::vector<std::int32_t>& Singles() const;
    const CellFlags& Covered() const;
};
