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

    bool SetSingles(std::vector<std::int32_t> lngSingle);
    bool CsvOpen(const std::string& strFileName);
    bool CsvReplace(const std::string& strFileName);
    bool CsvSave(const std::string& strFileName);
    bool CsvAdd(const std::string& strFileName);
    bool CsvDel(const std::string& strFileName);
    std::int32_t ClipImport();
    bool SortSingles(SortKind kind);
    bool SortAscending() const;
    void SetSortAscending(bool blnValue);
    bool SortByWinnings();
    bool RemoveDuplicateSingles();
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
    bool SinglePercent() const;
    void SetSinglePercent(bool blnValue);
    std::int32_t SingleCount() const;
    const ::SingleFrame& SingleFrame() const;
    const std::vector<std::int32_t>& Singles() const;
    const CellFlags& Covered() const;
};
