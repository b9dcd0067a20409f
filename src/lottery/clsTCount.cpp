#include "lottery/clsTCount.h"

#include "lottery/clsToto.h"

#include <cmath>

namespace {

bool ValidCell(std::int32_t lngOutcome, std::int32_t lngMatch)
{
    return lngOutcome >= 0 && lngOutcome < 3 && lngMatch >= 0 && lngMatch < clsToto::kMatchCount;
}

} // namespace

void clsTCount::RaiseRedraw() const
{
    if (Redraw) {
        Redraw();
    }
}

void clsTCount::SetGridVisible(bool blnVisible)
{
    m_visible = blnVisible;
    RaiseRedraw();
}

void clsTCount::SetPercent(bool blnPercent)
{
    m_percent = blnPercent;
    RaiseRedraw();
}

void clsTCount::Clear()
{
    m_count = {};
    RaiseRedraw();
}

void clsTCount::SetValue(const SingleFrame& lngValue)
{
    m_count = lngValue;
    RaiseRedraw();
}

void clsTCount::SetVisible(const CellFlags& blnVisible)
{
    m_cellVisible = blnVisible;
}

void clsTCount::SetColor(const CellFlags& blnColor)
{
    m_color = blnColor;
}

std::int32_t clsTCount::OutcomeOfColumn(std::int32_t lngCol)
{
    static constexpr std::int32_t kOutcome[3] = {1, 0, 2};
    return lngCol >= 0 && lngCol < 3 ? kOutcome[lngCol] : -1;
}

clsTCount::Shade clsTCount::RowShade(std::int32_t lngMatch)
{
    return lngMatch % 2 == 0 ? Shade::White : Shade::LightYellow;
}

bool clsTCount::CellBlue(std::int32_t lngOutcome, std::int32_t lngMatch) const
{
    return ValidCell(lngOutcome, lngMatch) && m_color[lngOutcome][lngMatch];
}

std::string clsTCount::CellText(std::int32_t lngOutcome, std::int32_t lngMatch) const
{
    if (!ValidCell(lngOutcome, lngMatch)) {
        return {};
    }
    const std::int32_t n = m_count[lngOutcome][lngMatch];
    if (!m_cellVisible[lngOutcome][lngMatch] && n == 0) {
        return {};
    }
    std::string s;
    if (!m_percent) {
        s = std::to_string(n);
    } else {
        // 64 bits: a row total of three large counts must not overflow.
        const std::int64_t total = static_cast<std::int64_t>(m_count[0][lngMatch]) +
                                   m_count[1][lngMatch] + m_count[2][lngMatch];
        // Whole percent, halves away from zero as a "0" display format rounds.
        const long long pct =
            total == 0 ? 0
                       : std::llround(static_cast<double>(n) / static_cast<double>(total) * 100.0);
        s = " " + std::to_string(pct) + "%";
    }
    if (s.size() < CellWidth) {
        s.insert(0, CellWidth - s.size(), ' ');
    }
    return s;
}

void clsTCount::MouseDown(Button button, std::int32_t lngShift, double dblX, double dblY,
                          std::int32_t lngRow)
{
    if (lngRow < 1 || lngRow > clsToto::kMatchCount) {
        return;
    }
    if (button == Button::Left) {
        m_percent = !m_percent;
        RaiseRedraw();
    }
    if (Click) {
        Click(button, lngShift, dblX, dblY);
    }
}
