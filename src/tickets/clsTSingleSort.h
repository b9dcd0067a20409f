#pragma once
// Reorders a ticket set by a per-single key: an estimated payout, an outcome count, a
// popularity count, or a worth under the player's own probabilities. The document's ticket set
// (clsTicketSet::Sort) makes a new one for every sort.

#include "base/clsErrorReporter.h"
#include "base/clsIPump.h"
#include "base/clsQuickSort.h"
#include "lottery/ProbabilityRecord.h"
#include "lottery/VoteRecord.h"
#include "lottery/clsTMoney.h"
#include "lottery/clsTValue.h"
#include "lottery/clsToto.h"

#include <array>
#include <cstdint>
#include <vector>

class clsIBusy;

class clsTSingleSort
{
public:
    clsTSingleSort(clsIMessage& message, clsIBusy& busy);

    // With a pump, events are processed during long sorts (the caller keeps the list and this
    // object from being used by them); the order is the same.
    void SetPump(clsIPump* pump);

    // The estimator's votes and the popularity ranks; a record without a round leaves the ranks.
    void SetVoteRecord(const VoteRecord& vote);

    // SortType 0, 1, 2: the estimated payout of grade 1, 2, 3.
    bool MoneySort(std::vector<std::int32_t>& lngSingle, std::int32_t SortType, bool Sorted);
    // SortType 0, 1, 2: the number of home wins, draws, away wins.
    bool MarkSort(std::vector<std::int32_t>& lngSingle, std::int32_t SortType, bool Sorted);
    // SortType 0, 1, 2: the number of most, middle, least voted outcomes backed.
    bool NinkiSort(std::vector<std::int32_t>& lngSingle, std::int32_t SortType, bool Sorted);

    // SortType 0: the expected value as a ticket under prob (payouts estimated from the vote
    // given to SetVoteRecord); 1: the chance to be the result. Equal keys keep their order.
    bool ValueSort(std::vector<std::int32_t>& lngSingle, const ProbabilityRecord& prob,
                   std::int32_t SortType, bool Sorted);
    // The same with a value object already given its probabilities and vote status.
    bool ValueSort(std::vector<std::int32_t>& lngSingle, clsTValue& value, std::int32_t SortType,
                   bool Sorted);

    // (match, outcome code) -> rank 0 (most bets) .. 2.
    const std::array<std::array<std::uint8_t, 3>, clsToto::kMatchCount>& Ranks() const
    {
        return m_rank;
    }

private:
    bool CheckSortType(const char* strOperation, std::int32_t SortType) const;
    bool CountSort(const char* strOperation, std::vector<std::int32_t>& lngSingle,
                   std::int32_t SortType, bool Sorted, bool blnByRank);
    static void Reorder(std::vector<std::int32_t>& lngSingle,
                        const std::vector<std::int32_t>& lngIndex);

    clsErrorReporter m_err;
    clsIBusy& m_busy;
    clsIPump* m_pump = nullptr;
    clsTMoney m_money;
    VoteRecord m_vote;
    clsQuickSort m_sort;
    std::array<std::array<std::uint8_t, 3>, clsToto::kMatchCount> m_rank{};
};
