#pragma once
// The filter worker of the extraction run: keeps the marks and the vote status, expands the
// multi and runs each single pass over the ticket list. Owned by the run controller clsTX for
// the document's lifetime; the marks and vote status stay until replaced.

#include "base/clsErrorReporter.h"
#include "conditions/ConditionTableEntry.h"
#include "conditions/clsTDeme.h"
#include "lottery/ProbabilityRecord.h"
#include "lottery/VoteRecord.h"
#include "lottery/clsTMoney.h"
#include "lottery/clsTValue.h"
#include "lottery/clsToto.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <vector>

class clsTX1
{
public:
    using MarkArray = clsTDeme::MarkArray;
    // Error and tolerated counts of the correction. A byte would wrap after 255 errors and
    // turn a single with many errors into one with few; 32 bits cannot be reached by any
    // number of rows a table can hold.
    using MachigaiCounter = std::uint32_t;

    explicit clsTX1(clsIMessage& objMessage);

    void Cancel(bool blnValue) { m_cancel = blnValue; }
    bool Cancel() const { return m_cancel; }

    void SetValue(const MarkArray& lngValue) { m_marks = lngValue; }
    const MarkArray& Value() const { return m_marks; }
    void SetVoteRecord(const VoteRecord& vote);
    const VoteRecord& GetVoteRecord() const { return m_vote; }
    // Events processed while the value passes build their tables (the run's pump).
    void SetPump(clsIPump* pump) { m_value.SetPump(pump); }
    // The player's own probabilities for the value passes; none switches those passes off.
    void SetProbability(const std::optional<ProbabilityRecord>& prob);
    bool HasProbability() const { return m_hasProbability; }

    // The singles of the kept marks in ascending order; an empty list when a match is unmarked.
    void GetMulti(std::int32_t& lngSCount, std::vector<std::int32_t>& lngSingle);

    // Payout pass for grade index lngGrade (0..2). In correction mode the list stays and each
    // single outside the range gets one more error.
    void MoneySakugen(std::int32_t& lngSCount, std::vector<std::int32_t>& lngSingle,
                      std::int32_t lngGrade, Currency curMin, Currency curMax, bool blnMachigai,
                      std::vector<MachigaiCounter>& bytMachigai);

    // What a value pass measures: a single's expected value as a ticket in yen, or its chance
    // to be the result (the chance of 1st grade).
    enum class ValueKind
    {
        EV,
        P
    };
    // Value pass: keeps the singles whose value lies in dblMin..dblMax, both ends included.
    // In correction mode the list stays and each single outside the range gets one more error.
    void ValueSakugen(ValueKind kind, std::int32_t& lngSCount, std::vector<std::int32_t>& lngSingle,
                      double dblMin, double dblMax, bool blnMachigai,
                      std::vector<MachigaiCounter>& bytMachigai);

    // Condition pass for one row of one tab.
    void JoukenSakugen(JoukenKind kind, std::int32_t& lngSCount,
                       std::vector<std::int32_t>& lngSingle, std::int32_t lngRow,
                       const ConditionTableEntry& entry, bool blnMachigai,
                       std::vector<MachigaiCounter>& bytMachigai,
                       std::vector<MachigaiCounter>& bytKyoyou);

    // The grades whose payout passes are coming: their estimates are made together with the
    // first pass's. All three unless told otherwise.
    void PlanPayoutPasses(const std::array<bool, 3>& blnGrades) { m_plan = blnGrades; }
    // The run drops the estimates it kept for its payout passes.
    void ReleasePayoutCache();

    std::int32_t CountRowMarks(std::int32_t lngRow, const ConditionTableEntry& entry) const;
    // Adds every single of the expansion to the histogram at its count for the row.
    void CountDistribution(JoukenKind kind,
                           std::array<std::int32_t, clsToto::kMatchCount + 1>& lngHist,
                           std::int32_t lngRow, const ConditionTableEntry& entry);
    // The same over singles already expanded, so several rows share one expansion.
    void CountDistribution(JoukenKind kind,
                           std::array<std::int32_t, clsToto::kMatchCount + 1>& lngHist,
                           std::int32_t lngRow, const ConditionTableEntry& entry,
                           std::span<const std::int32_t> lngSingle);

    // The counter a condition pass uses, set up for a row of a tab.
    clsTDeme MakeDeme(const ConditionTableEntry& entry, std::int32_t lngRow) const;
    // Popularity ranks of the kept vote status (all 0 without a round).
    const MarkArray& NinkiRanks() const { return m_ranks; }

    std::function<void()> ProgressBegin;
    std::function<void(std::int32_t)> Progress;
    std::function<void()> ProgressEnd;

private:
    // Runs fnChunk(from, to) over 0..N-1 in about a hundred steps, raising Progress between
    // them; false when Cancel stopped it, with lngDone the singles handled.
    template <class Fn> bool Steps(std::int32_t lngCount, std::int32_t& lngDone, Fn&& fnChunk);
    bool PayoutCacheHolds(std::span<const std::int32_t> lngList) const;
    void FillPayoutCache(std::span<const std::int32_t> lngList, std::int32_t lngGrade);
    void RaiseBegin() const;
    void RaiseEnd() const;

    clsErrorReporter m_err;
    MarkArray m_marks{};
    MarkArray m_ranks{};
    VoteRecord m_vote;
    clsTMoney m_money;
    clsTValue m_value;
    bool m_hasProbability = false;
    // The value tables take the vote status only when a value pass needs them, so that a
    // faulty vote status is reported once, by the payout estimator.
    bool m_valueVoteStale = true;
    // Estimates of all three grades for m_payoutList, position by position: the three payout
    // passes of a run follow each other, so the list is estimated once.
    std::vector<std::int32_t> m_payoutList;
    std::array<std::vector<Currency>, 3> m_payout;
    std::array<bool, 3> m_payoutValid{};
    std::array<bool, 3> m_plan{true, true, true};
    bool m_cancel = false;
};
