#include "results/clsTResultBalance.h"

#include "results/clsTResultKakutei.h"

namespace {
std::string Yen(Currency c)
{
    return c.FormatNumber(0, true) + "円";
}

// A decided round whose official columns are all zero has not had its prizes published yet:
// even a round nobody won carries its pool over.
bool PrizesPublished(const clsTResultKakutei& prize)
{
    if (prize.Empty()) {
        return false;
    }
    for (std::int32_t r = 0; r < clsTResultKakutei::kRows - 1; ++r) {
        for (std::int32_t c = 0; c < 3; ++c) {
            if (prize.Amount(r, c) > Currency()) {
                return true;
            }
        }
    }
    return false;
}
} // namespace

clsTResultBalance::clsTResultBalance(std::int32_t lngSingles, const clsTResultKakutei& prize)
    : m_cost(Currency::FromInt(kTicketPrice) * (lngSingles > 0 ? lngSingles : 0))
    // An empty table is a round not yet decided.
    , m_known(PrizesPublished(prize))
{
    if (m_known) {
        m_winnings = prize.Amount(clsTResultKakutei::kRows - 1, clsTResultKakutei::kColumns - 1);
    }
}

std::int64_t clsTResultBalance::ReturnPermille() const
{
    return m_known ? ReturnPermille(m_winnings, m_cost) : -1;
}

std::int64_t clsTResultBalance::ReturnPermille(Currency curWinnings, Currency curCost)
{
    const std::int64_t c = curCost.Raw();
    const std::int64_t w = curWinnings.Raw();
    if (c <= 0 || w < 0) {
        return -1;
    }
    // Split so that no product leaves 64 bits: the remainder is below the cost.
    const std::int64_t q = w / c;
    const std::int64_t r = w % c;
    return q * 1000 + (r * 2000 + c) / (2 * c);
}

std::string clsTResultBalance::CostText() const
{
    return Yen(m_cost);
}

std::string clsTResultBalance::WinningsText() const
{
    return m_known ? Yen(m_winnings) : kUnknown;
}

std::string clsTResultBalance::BalanceText() const
{
    if (!m_known) {
        return kUnknown;
    }
    const Currency b = Balance();
    return (b > Currency() ? "+" : "") + Yen(b);
}

std::string clsTResultBalance::ReturnText() const
{
    return PermilleText(ReturnPermille());
}

std::string clsTResultBalance::PermilleText(std::int64_t p)
{
    if (p < 0) {
        return kUnknown;
    }
    return Currency::FromInt(p / 10).FormatNumber(0, true) + "." + std::to_string(p % 10) + "%";
}
