#include "app/clsCheckFacet.h"

#include "app/clsDocument.h"

const clsTResult& clsCheckFacet::Checker() const
{
    return m_doc.Checker();
}

bool clsCheckFacet::ShowAllResults() const
{
    return m_doc.ShowAllResults();
}

void clsCheckFacet::SetShowAllResults(bool blnValue)
{
    m_doc.ChangeShowAllResults(blnValue);
}

bool clsCheckFacet::ResultEntryClick(std::int32_t lngOutcome, std::int32_t lngMatch)
{
    return MayEdit() && m_doc.ResultEntryClick(lngOutcome, lngMatch);
}

bool clsCheckFacet::ResultEntryMenu(std::int32_t lngMatch)
{
    return MayEdit() && m_doc.ResultEntryMenu(lngMatch);
}

bool clsCheckFacet::ResultViewEnabled() const
{
    return m_doc.ResultViewEnabled();
}

bool clsCheckFacet::ResultViewAll()
{
    return MayEdit() && m_doc.ResultViewAll();
}

bool clsCheckFacet::ResultViewNext()
{
    return MayEdit() && m_doc.ResultViewNext();
}

void clsCheckFacet::ResultMovePage(std::int32_t lngPage)
{
    m_doc.ResultMovePage(lngPage);
}

void clsCheckFacet::ResultCountClick()
{
    m_doc.ResultCountClick();
}

void clsCheckFacet::SetResultCountVisible(bool blnValue)
{
    m_doc.SetResultCountVisible(blnValue);
}
