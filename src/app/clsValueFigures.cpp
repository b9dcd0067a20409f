#include "app/clsValueFigures.h"

#include "app/basValueReport.h"
#include "app/clsDocument.h"

#include <stdexcept>

clsValueFigures::clsValueFigures(clsIMessage& message)
    : m_value(message)
{}

void clsValueFigures::Update(const clsDocument& doc)
{
    m_text = {};
    if (!doc.Probability()) {
        m_prob.reset();
        return;
    }
    if (m_prob != doc.Probability()) {
        m_prob = m_value.SetProbability(*doc.Probability()) ? doc.Probability() : std::nullopt;
        if (!m_prob) {
            return;
        }
    }
    const VoteRecord vote = basValueReport::VoteFor(doc);
    if (m_vote != vote) {
        m_value.SetVote(vote);
        m_vote = vote;
    }
    const clsTSingle& sheet = doc.Sheet();
    const std::vector<std::int32_t>& singles = sheet.Singles();
    for (std::int32_t slot = 0; slot < kSlots; ++slot) {
        const std::int64_t index =
            static_cast<std::int64_t>(sheet.Page()) * clsTSingle::kPageSize + slot;
        if (index < 0 || index >= static_cast<std::int64_t>(singles.size())) {
            continue;
        }
        const std::int32_t no = singles[static_cast<std::size_t>(index)];
        const auto s = static_cast<std::size_t>(slot);
        m_text[0][s] = basValueReport::EVText(m_value.GetEV(no));
        m_text[1][s] = basValueReport::PText(m_value.GetP(no));
    }
}

std::string clsValueFigures::Text(std::int32_t lngRow, std::int32_t lngSlot) const
{
    if (lngRow < 0 || lngRow >= kRows || lngSlot < 0 || lngSlot >= kSlots) {
        throw std::out_of_range("clsValueFigures: cell");
    }
    return m_text[static_cast<std::size_t>(lngRow)][static_cast<std::size_t>(lngSlot)];
}

const char* clsValueFigures::RowHeading(std::int32_t lngRow)
{
    static constexpr const char* kHead[kRows] = {"期待値", "的中確率"};
    if (lngRow < 0 || lngRow >= kRows) {
        throw std::out_of_range("clsValueFigures: row");
    }
    return kHead[lngRow];
}
