#pragma once
// The randomised local search shared by the trial search and the optimisation engine: the
// targets, the candidates, the cache of each candidate's targets and the slots of the current
// solution. Owned by one engine for one run.

#include "base/clsErrorReporter.h"
#include "base/clsIPump.h"
#include "conditions/clsTMsg.h"
#include "engines/clsTRandom.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <memory>
#include <span>
#include <vector>

class clsTMsTrial
{
public:
    // A batch ends when its counter passes this: 1001 tries.
    static constexpr std::int32_t kBatchTries = 1000;

    clsTMsTrial(clsIPump& objPump, clsIMessage& objMessage, clsTMsg& objMsg);

    // Distinct targets get dense indices; a repeated target is one target.
    void SetTargets(std::span<const std::int32_t> lngTarget);
    void SetCandidates(std::vector<std::int32_t> lngCandidate);
    std::int32_t TargetCount() const { return static_cast<std::int32_t>(m_targets.size()); }
    std::int32_t CandidateCount() const { return static_cast<std::int32_t>(m_candidates.size()); }
    std::int32_t TargetNo(std::int32_t lngIndex) const { return m_targets[lngIndex]; }
    std::int32_t CandidateNo(std::int32_t lngIndex) const { return m_candidates[lngIndex]; }
    bool IsTarget(std::int32_t lngNo) const { return m_targetIndex[lngNo] >= 0; }

    // Caps the cache; a build that needs more fails as if memory had run out.
    void SetCacheLimit(std::int64_t lngEntries) { m_cacheLimit = lngEntries; }
    std::int64_t CacheSize() const { return m_cacheSize; }
    // Builds every candidate's target list for the grade. False when stopped (blnStop turned
    // true during event processing) or when the cache could not be built, which has already
    // been reported in a "Cache Initialize Err" box.
    bool BuildCache(std::int32_t lngGrade, const bool& blnStop);

    // The current solution.
    void ResetSolution(std::int32_t lngSlots);
    std::int32_t Slots() const { return static_cast<std::int32_t>(m_slot.size()); }
    std::int32_t Slot(std::int32_t lngSlot) const { return m_slot[lngSlot]; }
    const std::vector<std::int32_t>& SlotData() const { return m_slot; }
    std::int32_t Uncovered() const { return m_uncovered; }
    // Puts a candidate into an empty slot, or replaces one without comparison.
    void Fill(std::int32_t lngSlot, std::int32_t lngCandidate);
    void Replace(std::int32_t lngSlot, std::int32_t lngCandidate);
    // Replaces when the uncovered count does not grow (equal counts move sideways); true if
    // the candidate was taken.
    bool Try(std::int32_t lngSlot, std::int32_t lngCandidate);
    // The ticket numbers of solution slots (candidate indices).
    std::vector<std::int32_t> Tickets(const std::vector<std::int32_t>& lngSlot) const;

    // The moves of one size until nothing is uncovered: a random candidate tried at each slot
    // in turn; after every batch fnStopped may end the walk, and after max(d, 50) batches
    // forced moves shake the search out of a plateau that sideways moves cannot leave, between
    // fnPlateau and fnShaken. fnTried hears whether each try was taken.
    template <class Tried, class Plateau, class Shaken, class Stopped>
    void Walk(clsTRandom& objRandom, Tried&& fnTried, Plateau&& fnPlateau, Shaken&& fnShaken,
              Stopped&& fnStopped)
    {
        const std::int32_t d = Slots();
        const std::int32_t nc = CandidateCount();
        const std::int32_t batchLimit = std::max(d, 50);
        const std::int32_t perturbCount = std::max(d / 20, 1) + 1;
        std::int32_t slot = 0;
        std::int32_t tries = 0;
        std::int32_t batches = 0;
        while (m_uncovered > 0) {
            fnTried(Try(slot, objRandom.NextIndex(nc)));
            if (++slot == d) {
                slot = 0;
            }
            if (m_uncovered == 0) {
                break;
            }
            if (++tries <= kBatchTries) {
                continue;
            }
            tries = 0;
            if (++batches > batchLimit) {
                batches = 0;
                fnPlateau();
                for (std::int32_t i = 0; i < perturbCount; ++i) {
                    const std::int32_t s = objRandom.NextIndex(nc);
                    const std::int32_t p = objRandom.NextIndex(d);
                    Replace(p, s);
                }
                fnShaken();
            }
            if (fnStopped()) {
                break;
            }
        }
    }

private:
    const std::uint32_t* Begin(std::int32_t lngCandidate) const
    {
        return m_cache.get() + m_start[lngCandidate];
    }
    const std::uint32_t* End(std::int32_t lngCandidate) const
    {
        return m_cache.get() + m_start[lngCandidate + 1];
    }
    void Add(std::int32_t lngCandidate);
    void Remove(std::int32_t lngCandidate);

    clsIPump& m_pump;
    clsIMessage& m_message;
    clsTMsg& m_msg;
    // Target index of each ticket number, -1 for numbers that are not targets.
    std::vector<std::int32_t> m_targetIndex;
    std::vector<std::int32_t> m_targets;
    std::vector<std::int32_t> m_candidates;
    // The cache: candidate j's targets (as target indices) are m_cache[m_start[j] .. m_start[j+1]),
    // all in one block so a try walks two short contiguous runs.
    std::unique_ptr<std::uint32_t[]> m_cache;
    std::vector<std::uint32_t> m_start;
    std::int64_t m_cacheSize = 0;
    std::int64_t m_cacheLimit = std::numeric_limits<std::int64_t>::max();
    std::vector<std::int32_t> m_coverage;
    std::vector<std::int32_t> m_slot;
    std::int32_t m_uncovered = 0;
};
