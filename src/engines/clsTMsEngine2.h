#pragma once
// The trial search engine: a randomised local search for ever smaller ticket sets that keep a
// 2nd- or 3rd-grade guarantee. The engine frame creates one for a run and drops it once the
// result is read.

#include "engines/clsTMsSearchEngine.h"
#include "engines/clsTMsTrial.h"

#include <cstdint>
#include <span>
#include <vector>

class clsTMsEngine2 final : public clsTMsSearchEngine
{
public:
    clsTMsEngine2(clsIPump& objPump, clsIMessage& objMessage, clsTRandom& objRandom);

    // Searches from BeginCount tickets down (see clsTMsSearchEngine::EngineStart).
    using clsTMsSearchEngine::EngineStart;
    std::int32_t SingleCount() const override { return static_cast<std::int32_t>(m_best.size()); }
    std::vector<std::int32_t> SingleData() const override { return m_trial.Tickets(m_best); }
    void SetCacheLimit(std::int64_t lngEntries) override { m_trial.SetCacheLimit(lngEntries); }
    std::int64_t CacheSize() const { return m_trial.CacheSize(); }
    std::int32_t CandidateCount() const { return m_trial.CandidateCount(); }
    // Tries made by the run so far, for the speed figures.
    std::int64_t TryCount() const { return m_tryCount; }

private:
    void Search(std::span<const std::int32_t> lngSingle, std::int32_t lngGrade,
                const MarkArray& lngMulti) override;
    void ClearResult() override { m_best.clear(); }
    void SearchStep(std::int32_t lngCount);

    clsTMsTrial m_trial;
    // Candidate indices of the last confirmed cover.
    std::vector<std::int32_t> m_best;
    std::int64_t m_tryCount = 0;
};
