#include "lottery/clsTMulti.h"

#include "base/clsQuickSort.h"
#include "lottery/clsToto.h"

#include <array>

namespace {

constexpr std::array<std::string_view, 7> kSymbols = {"", "◎", "○", "▲", "△", "×", "☆"};

bool ValidCell(std::int32_t lngOutcome, std::int32_t lngMatch)
{
    return lngOutcome >= 0 && lngOutcome < 3 && lngMatch >= 0 && lngMatch < clsToto::kMatchCount;
}

} // namespace

clsTMulti::clsTMulti(clsIMessage& message)
    : m_err(message, "clsTMulti")
{
    // Until a condition table says otherwise every cell is shaded like a plain grid.
    for (auto& row : m_taishou) {
        row.fill(true);
    }
}

void clsTMulti::Initialize()
{
    RaiseRedraw();
}

void clsTMulti::Clear()
{
    m_value = {};
    RaiseRedraw();
}

void clsTMulti::SetValue(const MarkArray& lngValue)
{
    m_value = lngValue;
    RaiseRedraw();
}

void clsTMulti::GetVisible(CellFlags& blnVisible) const
{
    for (int k = 0; k < 3; ++k) {
        for (int m = 0; m < clsToto::kMatchCount; ++m) {
            blnVisible[k][m] = m_value[k][m] > 0;
        }
    }
}

void clsTMulti::SetTaishou(const CellFlags& blnValue)
{
    m_taishou = blnValue;
    RaiseRedraw();
}

void clsTMulti::Refresh() const
{
    RaiseRedraw();
}

void clsTMulti::RaiseRedraw() const
{
    if (Redraw) {
        Redraw();
    }
}

std::int32_t clsTMulti::OutcomeOfColumn(std::int32_t lngCol)
{
    static constexpr std::array<std::int32_t, 3> kOutcome = {1, 0, 2};
    return lngCol >= 0 && lngCol < 3 ? kOutcome[static_cast<std::size_t>(lngCol)] : -1;
}

std::string_view clsTMulti::MarkSymbol(std::int32_t lngMark)
{
    return lngMark >= 0 && lngMark < 7 ? kSymbols[static_cast<std::size_t>(lngMark)] : "";
}

std::string_view clsTMulti::CellText(std::int32_t lngOutcome, std::int32_t lngMatch) const
{
    return ValidCell(lngOutcome, lngMatch) ? MarkSymbol(m_value[lngOutcome][lngMatch]) : "";
}

clsTMulti::Shade clsTMulti::CellShade(std::int32_t lngOutcome, std::int32_t lngMatch) const
{
    if (!ValidCell(lngOutcome, lngMatch) || !m_taishou[lngOutcome][lngMatch]) {
        return Shade::Control;
    }
    // Matches 1, 3, 5, ... white; 2, 4, ... light yellow.
    return lngMatch % 2 == 0 ? Shade::White : Shade::LightYellow;
}

std::int32_t clsTMulti::Choose(MenuKind kind, std::int32_t lngCurrent) const
{
    return ShowMenu ? ShowMenu(kind, lngCurrent) : 0;
}

std::int32_t clsTMulti::MarkOfCode(std::int32_t lngCode)
{
    if (lngCode == MarkAuto) {
        return MarkAuto;
    }
    return lngCode >= 1 && lngCode <= 7 ? lngCode - 1 : -1;
}

void clsTMulti::MouseDown(Button button, std::int32_t lngRow, std::int32_t lngCol)
{
    try {
        if (lngRow == 0) {
            if (button == Button::Left) {
                const std::int32_t chosen =
                    MarkOfCode(Choose(MenuKind::LeftClick, m_leftClickMark));
                if (chosen >= 0) {
                    m_leftClickMark = chosen;
                }
            } else {
                switch (Choose(MenuKind::Whole, 0)) {
                case 1:
                    MarkAll(0);
                    break;
                case 2:
                    MarkAll(1);
                    break;
                case 3:
                    MarkAll(2);
                    break;
                case 4:
                    MarkByVoteOrder();
                    break;
                default:
                    break;
                }
            }
            RaiseRedraw();
            return;
        }
        const std::int32_t k = OutcomeOfColumn(lngCol);
        const std::int32_t m = lngRow - 1;
        if (!ValidCell(k, m)) {
            return;
        }
        std::int32_t& mark = m_value[k][m];
        if (button == Button::Left) {
            if (m_leftClickMark == MarkAuto) {
                mark = (mark + 1) % 7;
            } else {
                mark = mark == m_leftClickMark ? 0 : m_leftClickMark;
            }
        } else {
            const std::int32_t chosen = MarkOfCode(Choose(MenuKind::Mark, mark));
            // One cell takes a mark, never 自動.
            if (chosen >= 0 && chosen != MarkAuto) {
                mark = chosen;
            }
        }
        RaiseRedraw();
    } catch (const std::exception& e) {
        m_err.ReportException("MouseDown", e);
    }
}

void clsTMulti::MarkAll(std::int32_t lngMark)
{
    for (auto& row : m_value) {
        row.fill(lngMark);
    }
    RaiseRedraw();
}

void clsTMulti::MarkByVoteOrder()
{
    if (m_vote.Kaisaikai == 0) {
        return;
    }
    clsQuickSort sorter(m_err.Message());
    std::vector<std::int32_t> idx;
    for (int m = 0; m < clsToto::kMatchCount; ++m) {
        std::array<Currency, 3> votes = m_vote.Match[m].Votes;
        if (!sorter.CurrencyIndexSort(votes, idx, true)) {
            return;
        }
        // Fewest votes ▲, then ○, most ◎; ties as the sort leaves them.
        m_value[idx[2]][m] = 1;
        m_value[idx[1]][m] = 2;
        m_value[idx[0]][m] = 3;
    }
    RaiseRedraw();
}
