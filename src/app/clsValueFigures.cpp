#include "app/clsValueFigures.h"

#include "app/basValueReport.h"
#include "app/clsRoundFacet.h"
#include "app/clsTicketsFacet.h"

#include <stdexcept>

void clsValueFigures::Update(clsRoundFacet& round, const clsTicketsFacet& tickets)
{
    m_text = {};
    m_shown = round.Probability().has_value();
    clsTValue* value = round.PreparedValue();
    if (value == nullptr) {
        return;
    }
    const clsTSingle& sheet = tickets.Sheet();
    const std::vector<std::int32_t>& singles = sheet.Singles();
    for (std::int32_t slot = 0; slot < kSlots; ++slot) {
        const std::int64_t index =
            static_cast<std::int64_t>(sheet.Page()) * clsTSingle::kPageSize + slot;
        if (index < 0 || index >= static_cast<std::int64_t>(singles.size())) {
            continue;
        }
        const std::int32_t no = singles[static_cast<std::size_t>(index)];
        const auto s = static_cast<std::size_t>(slot);
        m_text[0][s] = basValueReport::EVText(value->GetEV(no));
        m_text[1][s] = basValueReport::PText(value->GetP(no));
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
