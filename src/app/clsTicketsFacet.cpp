#include "app/clsTicketsFacet.h"

#include "app/clsDocument.h"

#include <utility>

bool clsTicketsFacet::SetSingles(std::vector<std::int32_t> lngSingle)
{
    return MayEdit() && m_doc.SetSingles(std::move(lngSingle));
}

bool clsTicketsFacet::CsvOpen(const std::string& strFileName)
{
    return MayEdit() && m_doc.CsvOpen(strFileName);
}

bool clsTicketsFacet::CsvReplace(const std::string& strFileName)
{
    return MayEdit() && m_doc.CsvReplace(strFileName);
}

bool clsTicketsFacet::CsvSave(const std::string& strFileName)
{
    return MayEdit() && m_doc.CsvSave(strFileName);
}

bool clsTicketsFacet::CsvAdd(const std::string& strFileName)
{
    return MayEdit() && m_doc.CsvAdd(strFileName);
}

bool clsTicketsFacet::CsvDel(const std::string& strFileName)
{
    return MayEdit() && m_doc.CsvDel(strFileName);
}

std::int32_t clsTicketsFacet::ClipImport()
{
    return MayEdit() ? m_doc.ClipImport() : 0;
}

bool clsTicketsFacet::SortSingles(SortKind kind)
{
    return MayEdit() && m_doc.SortSingles(kind);
}

bool clsTicketsFacet::SortAscending() const
{
    return m_doc.SortAscending();
}

void clsTicketsFacet::SetSortAscending(bool blnValue)
{
    m_doc.SetSortAscending(blnValue);
}

bool clsTicketsFacet::SortByWinnings()
{
    return MayEdit() && m_doc.SortByWinnings();
}

bool clsTicketsFacet::RemoveDuplicateSingles()
{
    return MayEdit() && m_doc.RemoveDuplicateSingles();
}

const clsTSingle& clsTicketsFacet::Sheet() const
{
    return m_doc.Sheet();
}

void clsTicketsFacet::SetSheetSink(clsTSingleSink* pSink)
{
    m_doc.SetSheetSink(pSink);
}

bool clsTicketsFacet::SheetCellClick(std::int32_t lngSlot, std::int32_t lngCode,
                                     std::int32_t lngMatch)
{
    return MayEdit() && m_doc.SheetCellClick(lngSlot, lngCode, lngMatch);
}

bool clsTicketsFacet::SheetAdd()
{
    return MayEdit() && m_doc.SheetAdd();
}

bool clsTicketsFacet::SheetSelectDelete()
{
    return MayEdit() && m_doc.SheetSelectDelete();
}

void clsTicketsFacet::SheetNoClick(std::int32_t lngSlot)
{
    m_doc.SheetNoClick(lngSlot);
}

void clsTicketsFacet::SheetMovePage(std::int32_t lngPage)
{
    m_doc.SheetMovePage(lngPage);
}

void clsTicketsFacet::SheetSelectAll(bool blnValue)
{
    m_doc.SheetSelectAll(blnValue);
}

bool clsTicketsFacet::EditLock() const
{
    return m_doc.EditLock();
}

void clsTicketsFacet::SetEditLock(bool blnValue)
{
    m_doc.SetEditLock(blnValue);
}

bool clsTicketsFacet::SinglePercent() const
{
    return m_doc.SinglePercent();
}

void clsTicketsFacet::SetSinglePercent(bool blnValue)
{
    m_doc.SetSinglePercent(blnValue);
}

std::int32_t clsTicketsFacet::SingleCount() const
{
    return m_doc.SingleCount();
}

const ::SingleFrame& clsTicketsFacet::SingleFrame() const
{
    return m_doc.SingleFrame();
}

const std::vector<std::int32_t>& clsTicketsFacet::Singles() const
{
    return m_doc.Singles();
}

const CellFlags& clsTicketsFacet::Covered() const
{
    return m_doc.Covered();
}
