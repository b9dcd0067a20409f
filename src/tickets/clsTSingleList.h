#pragma once
// The figure list beside the ticket sheet: per single of the page its estimated payouts, its
// 1-0-2 counts and its popularity counts, as texts. Owned by clsTSingle.

#include "base/Currency.h"
#include "base/clsErrorReporter.h"
#include "lottery/VoteRecord.h"
#include "lottery/clsTMoney.h"
#include "lottery/clsTNumber.h"
#include "lottery/clsToto.h"

#include <array>
#include <cstdint>
#include <string>

class clsTSingleList
{
public:
    static constexpr std::int32_t kColumns = 11;
    static constexpr std::int32_t kRows = 5;
    using Ranks =
        std::array<std::array<std::uint8_t, 3>, clsToto::kMatchCount>; // (match, outcome code)

    explicit clsTSingleList(clsIMessage& message);

    void Initialize() { m_initialized = true; }
    // Gives the vote status to the payout estimator and ranks the outcomes by votes.
    void SetVoteRecord(const VoteRecord& vote);
    // Shows single lngValue in column Index + 2 (Index 0..9); a negative value blanks it.
    void SetData(std::int32_t Index, std::int32_t lngValue);

    // Row 0..4, column 0..10 (column 0 holds the row headings).
    std::string CellText(std::int32_t lngRow, std::int32_t lngColumn) const;
    static const char* RowHeading(std::int32_t lngRow);
    // Rows 2 and 4 (1-based) are shaded.
    static bool RowShaded(std::int32_t lngRow) { return lngRow == 1 || lngRow == 3; }

    bool HasRanks() const { return m_hasRanks; }
    const Ranks& GetRanks() const { return m_rank; }

    // The payout as the list shows it: "9999円", "1.23万", "123万", "1.23億", "50億",
    // "1234億", "1.23兆", "922兆".
    static std::string MoneyText(Currency curValue);
    // Home wins, draws and away wins of a single: "5-4-4".
    static std::string MarkText(const clsTNumber::LongKousei& lngKousei);
    // Matches backing the most, second and third most popular outcome: "7-4-2".
    static std::string NinkiText(const clsTNumber::LongKousei& lngKousei, const Ranks& bytRank);
    // Rank 0 (most bets) .. 2 of each outcome; three equal counts rank away, draw, home.
    static bool ComputeRanks(clsIMessage& message, const VoteRecord& vote, Ranks& bytRank);

private:
    clsErrorReporter m_err;
    clsTMoney m_money;
    Ranks m_rank{};
    bool m_hasRanks = false;
    bool m_initialized = false;
    std::array<std::array<std::string, kRows>, kColumns - 1> m_text{};
};
