#pragma once
// What the graded set cost and brought back: the player's question after a round. Winnings are
// known only once the prize table holds the round's confirmed prizes; until then the figures
// that depend on them read "－" rather than a loss that has not happened.

#include "base/Currency.h"

#include <cstdint>
#include <string>

class clsTResultKakutei;

class clsTResultBalance
{
public:
    // One single is one bet of 100 yen.
    static constexpr std::int64_t kTicketPrice = 100;
    static constexpr const char* kUnknown = "－";

    clsTResultBalance(std::int32_t lngSingles, const clsTResultKakutei& prize);

    Currency Cost() const { return m_cost; }
    bool WinningsKnown() const { return m_known; }
    // Zero while unknown.
    Currency Winnings() const { return m_winnings; }
    Currency Balance() const { return m_winnings - m_cost; }
    // Winnings per cost in tenths of a percent, halves rounded up; -1 while unknown or when
    // nothing was bought.
    std::int64_t ReturnPermille() const;
    // The same for any winnings and a cost above zero (the ledger's totals).
    static std::int64_t ReturnPermille(Currency curWinnings, Currency curCost);
    // "105.8%" for 1058, kUnknown below zero.
    static std::string PermilleText(std::int64_t lngPermille);

    // "20,800円"
    std::string CostText() const;
    std::string WinningsText() const;
    // "+1,200円", "-20,800円", "0円"
    std::string BalanceText() const;
    // "105.8%"
    std::string ReturnText() const;

private:
    Currency m_cost;
    Currency m_winnings;
    bool m_known = false;
};
