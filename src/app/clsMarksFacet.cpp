#include "app/clsMarksFacet.h"

#include "app/clsDocument.h"

const clsTMulti& clsMarksFacet::Multi() const
{
    return m_doc.Multi();
}

bool clsMarksFacet::SetMarks(const MarkArray& lngValue)
{
    return MayEdit() && m_doc.SetMarks(lngValue);
}

bool clsMarksFacet::MultiMouseDown(clsTMulti::Button button, std::int32_t lngRow,
                                   std::int32_t lngCol)
{
    return MayEdit() && m_doc.MultiMouseDown(button, lngRow, lngCol);
}

bool clsMarksFacet::MultiMarkAll(std::int32_t lngMark)
{
    return MayEdit() && m_doc.MultiMarkAll(lngMark);
}

bool clsMarksFacet::MultiMarkByVoteOrder()
{
    return MayEdit() && m_doc.MultiMarkByVoteOrder();
}

bool clsMarksFacet::SetLeftClickMark(std::int32_t lngMark)
{
    return MayEdit() && m_doc.SetLeftClickMark(lngMark);
}

std::int32_t clsMarksFacet::MultiCount() const
{
    return m_doc.MultiCount();
}

bool clsMarksFacet::KouseiBunseki(JoukenKind kind, std::int32_t lngTab, std::int32_t lngRow,
                                  clsTKouseiBunseki::Analysis& result) const
{
    return m_doc.KouseiBunseki(kind, lngTab, lngRow, result);
}
