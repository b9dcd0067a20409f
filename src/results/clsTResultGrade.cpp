#include "results/clsTResultGrade.h"

#include "base/Currency.h"

#include <stdexcept>

namespace {
std::size_t Row(std::int32_t lngRow)
{
    if (lngRow < 0 || lngRow >= clsTResultGrade::kRows) {
        throw std::out_of_range("clsTResultGrade: row");
    }
    return static_cast<std::size_t>(lngRow);
}
} // namespace

void clsTResultGrade::Clear(std::int32_t lngMaxGrade)
{
    SetValue(GradeTally{}, lngMaxGrade);
}

void clsTResultGrade::SetValue(const GradeTally& lngValue, std::int32_t lngMaxGrade,
                               bool blnDecided)
{
    m_value = lngValue;
    m_maxGrade = lngMaxGrade;
    m_decided = blnDecided;
}

std::int32_t clsTResultGrade::Total() const
{
    std::int64_t n = 0;
    for (const auto v : m_value) {
        n += v;
    }
    return static_cast<std::int32_t>(n);
}

std::string clsTResultGrade::Label(std::int32_t lngRow) const
{
    return std::to_string(Row(lngRow) + 1) + "等";
}

std::string clsTResultGrade::CountText(std::int32_t lngRow) const
{
    return Currency::FromInt(m_value[Row(lngRow)]).FormatNumber(0, true);
}

std::string clsTResultGrade::RatioText(std::int32_t lngRow) const
{
    const std::int64_t n = Total();
    const std::int64_t c = m_value[Row(lngRow)];
    if (n <= 0) {
        return "0%";
    }
    // Whole percent, halves away from zero as the display format rounds.
    const std::int64_t pct = (c * 200 + n) / (2 * n);
    return std::to_string(pct) + "%";
}

std::string clsTResultGrade::ValueText(std::int32_t lngRow, std::int32_t lngColumn) const
{
    if (!m_decided) {
        static_cast<void>(Row(lngRow));
        return "－";
    }
    return lngColumn == 0 ? CountText(lngRow) : RatioText(lngRow);
}

bool clsTResultGrade::Highlighted(std::int32_t lngRow) const
{
    return static_cast<std::int32_t>(Row(lngRow)) + 1 <= m_maxGrade;
}

std::uint32_t clsTResultGrade::TextColor(std::int32_t lngRow) const
{
    return Highlighted(lngRow) ? ResultColor::Highlight : ResultColor::Black;
}

const char* clsTResultGrade::Heading(std::int32_t lngColumn)
{
    return lngColumn == 0 ? "口数" : "比率";
}
