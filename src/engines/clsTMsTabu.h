#pragma once
// The tabu search behind the minimum-count engine: a fixed number of tickets, each move shifts
// one ticket by one match toward a single that is not yet covered. It works in the product
// space of the outcomes the targets and candidates actually use, so matches with a single
// outcome vanish and every table is as small as the multi. Owned by one engine for one run.

#include "engines/clsTRandom.h"
#include "lottery/clsToto.h"

#include <array>
#include <cstdint>
#include <functional>
#include <span>
#include <vector>

class clsTMsTabu
{
public:
    explicit clsTMsTabu(clsTRandom& objRandom);

    // lngRadius 1 keeps a 2nd-grade guarantee, 2 a 3rd-grade one. Repeated targets count once;
    // candidates must not be empty.
    void Setup(std::span<const std::int32_t> lngTarget, std::span<const std::int32_t> lngCandidate,
               std::int32_t lngRadius);
    std::int32_t TargetCount() const { return m_targetCount; }
    std::int32_t CandidateCount() const { return static_cast<std::int32_t>(m_candidates.size()); }
    // Product of the used outcome counts per match: the size of the working space.
    std::int32_t SpaceSize() const { return m_size; }
    std::int32_t BallSize() const;

    // Fewest tickets any cover can have: each covers at most a ball of targets.
    std::int32_t LowerBound() const;
    // The known construction for the working space, restricted to candidates that cover a
    // target; empty when the targets fill less than half of the space.
    std::vector<std::int32_t> KnownStart() const;

    // The current solution: local indices, one per slot.
    void SetSlots(const std::vector<std::int32_t>& lngSlot);
    void SetRandom(std::int32_t lngSlots);
    const std::vector<std::int32_t>& Slots() const { return m_slot; }
    std::int32_t Uncovered() const { return m_uncoveredCount; }
    // The slot whose removal uncovers the fewest targets (random among equals).
    std::int32_t LeastUseful();
    void DropSlot(std::int32_t lngSlot);
    // Adds, for each target left uncovered, the candidate of its ball that covers the most.
    void CompleteCover();
    // Drops slots that cover no target alone, until none is left.
    void DropRedundant();

    // Starts the count of iterations without a new low of uncovered targets.
    void BeginPhase();
    // Moves until no target is uncovered or lngIterations moves are spent.
    void Run(std::int64_t lngIterations);
    std::int64_t SinceImprove() const { return m_iteration - m_improvedAt; }
    std::int64_t Iterations() const { return m_iteration; }

    // Tuning: moves that keep a moved slot still, and the share of moves chosen at random.
    void SetTenure(std::int32_t lngTenure) { m_tenure = lngTenure; }
    void SetNoise(double dblNoise) { m_noise = dblNoise; }
    // Weights on long uncovered targets (off: they slowed every test instance down).
    void SetWeighted(bool blnValue) { m_weighted = blnValue; }
    // Called every few thousand steps of the set-up over a large space (reading the targets,
    // the known code, placing a whole cover), so that a window can pass its events there.
    void SetYield(std::function<void()> fnYield) { m_yield = std::move(fnYield); }

    std::int32_t ToLocal(std::int32_t lngNo) const;
    std::int32_t ToTicket(std::int32_t lngLocal) const;
    std::vector<std::int32_t> Tickets(const std::vector<std::int32_t>& lngSlot) const;

private:
    void YieldEvery(std::size_t lngStep) const
    {
        if ((lngStep & kYieldMask) == kYieldMask && m_yield) {
            m_yield();
        }
    }
    // The heaviest steps (a ticket placed over a million singles) take some microseconds:
    // 4,096 of them stay well inside a frame on a loaded machine.
    static constexpr std::size_t kYieldMask = (1u << 12) - 1;
    using Digits = std::array<std::uint8_t, clsToto::kMatchCount>;
    void ReadSpace(std::span<const std::int32_t> lngTarget,
                   std::span<const std::int32_t> lngCandidate);
    void Decode(std::int32_t lngLocal, Digits& d) const;
    template <class F> void ForBall(std::int32_t x, const Digits& d, F&& f) const;
    void Add(std::int32_t lngSlot, std::int32_t lngLocal);
    void Remove(std::int32_t lngSlot);
    std::int32_t CountCovered(std::int32_t lngLocal, const Digits& d, std::int32_t lngCov) const;
    std::int64_t WeightCovered(std::int32_t lngLocal, const Digits& d, std::int32_t lngCov) const;
    std::int64_t LossOfShift(std::int32_t lngLocal, const Digits& d, std::int32_t lngSkip) const;
    struct Move;
    // One move: the best shift of a slot onto a candidate that covers a random uncovered
    // target, found among the candidates of the target's ball.
    void Step();
    void ConsiderBall(std::int32_t x, const Digits& dx, Move& move);
    void ConsiderShifts(std::int32_t cp, const Digits& dcp, Move& move);
    void Reweight();

    clsTRandom& m_random;
    std::function<void()> m_yield;
    std::int32_t m_radius = 1;
    // Active matches: those with two or three used outcomes.
    std::int32_t m_n = 0;
    std::array<std::int32_t, clsToto::kMatchCount> m_match{};
    std::array<std::int32_t, clsToto::kMatchCount> m_width{};
    std::array<std::int32_t, clsToto::kMatchCount> m_stride{};
    std::array<std::array<std::int32_t, 3>, clsToto::kMatchCount> m_code{};
    std::array<std::array<std::int32_t, 3>, clsToto::kMatchCount> m_digitOf{};
    std::int32_t m_base = 0;
    std::int32_t m_size = 0;
    std::int32_t m_targetCount = 0;
    std::vector<std::int32_t> m_candidates;
    std::vector<std::uint8_t> m_isCandidate;
    // Coverage per local number; numbers that are not targets start far above any real count,
    // so "== 0" and "== 1" mean an uncovered or a singly covered target without a second table.
    std::vector<std::int32_t> m_cov;
    std::vector<std::int32_t> m_uncovered;
    std::vector<std::int32_t> m_uncoveredPos;
    std::int32_t m_uncoveredCount = 0;
    // Slots holding each local number: a singly linked list through m_next.
    std::vector<std::int32_t> m_head;
    // Weight of each target in the move choice; all 1 unless weighting is on.
    std::vector<std::int32_t> m_weight;
    std::vector<std::int32_t> m_next;
    std::vector<std::int32_t> m_slot;
    std::vector<std::int64_t> m_tabuUntil;
    std::int64_t m_iteration = 0;
    std::int64_t m_improvedAt = 0;
    std::int32_t m_phaseBest = 0;
    std::int32_t m_tenure = 2;
    double m_noise = 0.0;
    bool m_weighted = false;
};
