#include "results/clsTMultiResult.h"

#include "lottery/clsToto.h"

#include <stdexcept>

namespace {
void CheckCell(std::int32_t lngOutcome, std::int32_t lngMatch)
{
    if (lngOutcome < 0 || lngOutcome > 2 || lngMatch < 0 || lngMatch >= clsToto::kMatchCount) {
        throw std::out_of_range("clsTMultiResult: outcome or match");
    }
}
} // namespace

clsTMultiResult::clsTMultiResult() = default;

void clsTMultiResult::Clear()
{
    m_value = ResultMarks{};
    m_reported = m_value;
    m_lastMatch = -1;
}

std::int32_t clsTMultiResult::Value(std::int32_t lngOutcome, std::int32_t lngMatch) const
{
    CheckCell(lngOutcome, lngMatch);
    return m_value[lngOutcome][lngMatch];
}

void clsTMultiResult::SetValue(const ResultMarks& lngValue)
{
    m_value = lngValue;
    Notify(false);
}

ResultFlags clsTMultiResult::GetVisible() const
{
    ResultFlags f{};
    for (std::size_t k = 0; k < 3; ++k) {
        for (std::size_t m = 0; m < clsToto::kMatchCount; ++m) {
            f[k][m] = m_value[k][m] > 0;
        }
    }
    return f;
}

void clsTMultiResult::SetRecord(const ResultRecord& record)
{
    m_record = record;
}

void clsTMultiResult::LeftClick(std::int32_t lngOutcome, std::int32_t lngMatch)
{
    CheckCell(lngOutcome, lngMatch);
    m_lastMatch = lngMatch;
    const bool wasMarked = m_value[lngOutcome][lngMatch] != 0;
    for (auto& row : m_value) {
        row[lngMatch] = 0;
    }
    if (!wasMarked) {
        const bool official =
            HasOfficial() && m_record.Match[lngMatch].Outcome == static_cast<unsigned>(lngOutcome);
        m_value[lngOutcome][lngMatch] = official ? 1 : 2;
    }
    Notify(true);
}

void clsTMultiResult::RightClick(std::int32_t lngMatch)
{
    CheckCell(0, lngMatch);
    m_lastMatch = lngMatch;
}

void clsTMultiResult::SetPopup(std::int32_t lngIndex)
{
    if (lngIndex != 0 || m_lastMatch < 0) {
        return;
    }
    for (auto& row : m_value) {
        row[m_lastMatch] = 3;
    }
    Notify(true);
}

const char* clsTMultiResult::MarkText(std::int32_t lngMark)
{
    switch (lngMark) {
    case 1:
        return "◎";
    case 2:
        return "○";
    case 3:
        return "－";
    default:
        return "";
    }
}

std::string clsTMultiResult::CellText(std::int32_t lngOutcome, std::int32_t lngMatch) const
{
    return MarkText(Value(lngOutcome, lngMatch));
}

std::int32_t clsTMultiResult::ColumnOutcome(std::int32_t lngColumn)
{
    static constexpr std::int32_t kCode[3] = {1, 0, 2};
    if (lngColumn < 0 || lngColumn > 2) {
        throw std::out_of_range("clsTMultiResult: column");
    }
    return kCode[lngColumn];
}

void clsTMultiResult::Notify(bool blnClick)
{
    if (m_value == m_reported) {
        return;
    }
    m_reported = m_value;
    if (Change) {
        Change(blnClick);
    }
}
