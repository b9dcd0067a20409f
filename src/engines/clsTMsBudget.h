#pragma once
// The weighted coverage search behind the budget engine: a fixed number of distinct tickets from
// a candidate list, chosen so that the weight of the targets within the radius of some ticket is
// as large as it can be. A greedy start, then tabu moves that swap one ticket for a candidate
// near an uncovered target, each judged by its exact gain from tables kept up to date move by
// move. Tables are indexed by ticket number. Owned by one engine for one run.

#include "engines/clsTRandom.h"

#include <cstdint>
#include <functional>
#include <span>
#include <vector>

class clsTMsBudget
{
public:
    explicit clsTMsBudget(clsTRandom& objRandom);

    // lngRadius 1 counts the targets a ticket wins 2nd grade on, 2 those it wins 3rd grade on.
    // Targets of weight 0 or less are left out; a repeated candidate or target counts once.
    // Ticket numbers outside the numbering throw.
    void Setup(std::span<const std::int32_t> lngCandidate, std::span<const std::int32_t> lngTarget,
               std::span<const double> dblWeight, std::int32_t lngRadius);
    std::int32_t CandidateCount() const { return static_cast<std::int32_t>(m_cand.size()); }
    std::int32_t TargetCount() const { return static_cast<std::int32_t>(m_target.size()); }
    // The weight of every target: what a set covering all of them would reach.
    double TotalWeight() const { return m_total; }

    // Takes lngCount tickets one at a time, each time the candidate that adds the most (the
    // earliest in the list among equals); all candidates when there are no more than that.
    void Greedy(std::int32_t lngCount);
    // Up to lngMoves moves; none when every target is covered.
    void Run(std::int64_t lngMoves);
    // Back to the best set with lngKicks tickets swapped for random candidates: a stalled
    // search leaves the corner it is stuck in.
    void Restart(std::int32_t lngKicks);

    double Covered() const { return m_covered; }
    double BestCovered() const { return m_bestCovered; }
    // Every target is covered: no set does better.
    bool Complete() const { return m_uncoveredCount == 0; }
    std::vector<std::int32_t> BestTickets() const;
    std::int64_t Iterations() const { return m_iteration; }
    std::int64_t SinceImprove() const { return m_iteration - m_improvedAt; }

    // Called every few thousand steps of the set-up over a large space, so that a window can
    // pass its events there.
    void SetYield(std::function<void()> fnYield) { m_yield = std::move(fnYield); }

private:
    void YieldEvery(std::size_t lngStep) const
    {
        if ((lngStep & kYieldMask) == kYieldMask && m_yield) {
            m_yield();
        }
    }
    static constexpr std::size_t kYieldMask = (1u << 12) - 1;
    void Add(std::int32_t lngSlot, std::int32_t lngCand);
    void Remove(std::int32_t lngSlot);
    // What adding the candidate would gain now, and per slot the weight only that slot covers
    // within its ball (m_overlap, the slots in m_touched).
    double Evaluate(std::int32_t lngCand);
    void ClearTouched();
    void Step();
    void RecordBest();
    void Recount();

    clsTRandom& m_random;
    std::function<void()> m_yield;
    std::int32_t m_grade = 2;
    // By ticket number: the target's weight (0 for no target), how many slots cover it, the
    // sum of their slot numbers (the one slot when it is covered once), its place in the
    // uncovered list and its candidate index (-1 for none).
    std::vector<double> m_weight;
    std::vector<std::int32_t> m_cov;
    std::vector<std::int32_t> m_owner;
    std::vector<std::int32_t> m_uncoveredPos;
    std::vector<std::int32_t> m_candOf;
    std::vector<std::int32_t> m_target;
    std::vector<std::int32_t> m_uncovered;
    std::int32_t m_uncoveredCount = 0;
    // By candidate: its ticket, the slot holding it (-1) and the move until which it may not
    // come back.
    std::vector<std::int32_t> m_cand;
    std::vector<std::int32_t> m_candSlot;
    std::vector<std::int64_t> m_candTabu;
    // By slot: its candidate, the weight only it covers, the move until which it stays.
    std::vector<std::int32_t> m_slot;
    std::vector<double> m_loss;
    std::vector<std::int64_t> m_slotTabu;
    std::vector<double> m_overlap;
    std::vector<std::uint8_t> m_isTouched;
    std::vector<std::int32_t> m_touched;
    std::vector<std::int32_t> m_best;
    double m_total = 0.0;
    double m_covered = 0.0;
    double m_bestCovered = 0.0;
    // Below this a change of the covered weight is rounding, not a gain.
    double m_epsilon = 0.0;
    std::int64_t m_iteration = 0;
    std::int64_t m_improvedAt = 0;
};
