#pragma once
// The minimum-count engine: a tabu search for ever smaller ticket sets that keep a 2nd- or
// 3rd-grade guarantee, from the cover a construction gives down to the sphere bound, within one
// time limit for the whole run. The engine frame creates one for a run and drops it once the
// result is read.

#include "engines/clsTMsSearchEngine.h"
#include "engines/clsTMsTabu.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

class clsTMsEngine4 final : public clsTMsSearchEngine
{
public:
    clsTMsEngine4(clsIPump& objPump, clsIMessage& objMessage, clsTRandom& objRandom);

    // Searches down from the first cover; BeginCount plays no part (see
    // clsTMsSearchEngine::EngineStart).
    using clsTMsSearchEngine::EngineStart;
    // The size of the cover the run started from, 0 before one is confirmed.
    std::int32_t StartCount() const override { return m_startCount; }
    std::int32_t SingleCount() const override { return static_cast<std::int32_t>(m_best.size()); }
    std::vector<std::int32_t> SingleData() const override { return m_tabu.Tickets(m_best); }
    std::int32_t CandidateCount() const { return m_tabu.CandidateCount(); }
    // Moves made by the run so far, for the speed figures.
    std::int64_t MoveCount() const { return m_tabu.Iterations(); }
    // Tuning for the benchmarks.
    clsTMsTabu& Tabu() { return m_tabu; }
    // Restarts of a step that go back to the last cover before the others start afresh.
    void SetFromBestRestarts(std::int32_t lngCount) { m_fromBestRestarts = lngCount; }
    // Off for the benchmarks that measure the search alone, from the fast search's size.
    void SetKnownCodes(bool blnValue) { m_knownCodes = blnValue; }

private:
    void Search(std::span<const std::int32_t> lngSingle, std::int32_t lngGrade,
                const MarkArray& lngMulti) override;
    void ClearResult() override { m_best.clear(); }
    void SearchStep(std::int32_t lngCount);
    // The last confirmed cover less one ticket, or d random candidates before any success.
    void StartFromBest(std::int32_t lngCount, bool blnLeastUseful);
    // Confirms the known construction for the space, completed to a cover of the set and
    // without redundant tickets. Returns the count the search goes on with (0 without one).
    std::int32_t StartFromKnownCode();
    // Confirms the fast search's cover of the set. Returns the count the search goes on with
    // (0 when stopped).
    std::int32_t StartFromFastSearch(std::span<const std::int32_t> lngSingle,
                                     std::int32_t lngGrade);
    // Confirms the tabu search's slots as the first cover. Returns the count the search goes on
    // with.
    std::int32_t ConfirmStart();
    // The progress bar: the time used of the run's limit.
    void ShowTime();
    // The log line with the smallest cover so far and the seconds left.
    void SayBest();

    clsTMsTabu m_tabu;
    // Local indices of the last confirmed cover.
    std::vector<std::int32_t> m_best;
    std::int32_t m_fromBestRestarts = 1;
    bool m_knownCodes = true;
    std::int32_t m_startCount = 0;
    std::int32_t m_seconds = 0;
    // On the run clock, which stands still during a pause.
    std::int64_t m_deadline = 0;
    std::int32_t m_barMax = -1;
};
