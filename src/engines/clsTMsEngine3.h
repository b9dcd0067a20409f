#pragma once
// The ticket-count optimisation engine: the best 2nd-grade coverage of a ticket set with a
// fixed number of tickets, no guarantee. The engine frame creates one for a run and drops it
// once the result is read.

#include "engines/clsTMsSearchEngine.h"
#include "engines/clsTMsTrial.h"

#include <cstdint>
#include <functional>
#include <span>
#include <vector>

class clsTMsEngine3 final : public clsTMsSearchEngine
{
public:
    clsTMsEngine3(clsIPump& objPump, clsIMessage& objMessage, clsTRandom& objRandom);

    // Optimises SeBeginCount tickets within SeEndTime seconds; the grade and the multi play no
    // part. False when the run failed (LastError tells why).
    using clsTMsSearchEngine::EngineStart;
    bool EngineStart(std::span<const std::int32_t> lngSingle,
                     const EngineSettingsRecord& udtSettings)
    {
        return EngineStart(lngSingle, 2, udtSettings, MarkArray{});
    }
    std::int32_t SingleCount() const override { return static_cast<std::int32_t>(m_best.size()); }
    std::vector<std::int32_t> SingleData() const override { return m_trial.Tickets(m_best); }
    void SetCacheLimit(std::int64_t lngEntries) override { m_trial.SetCacheLimit(lngEntries); }

    // The activity bar: 0 to 100, one step each time the search has moved since the last
    // perturbation. It is also the log's bar value while the search runs.
    std::int32_t Activity() const { return m_activity; }
    std::function<void(std::int32_t)> ActivityChanged;
    // Targets left uncovered by the result.
    std::int32_t BestUncovered() const { return m_bestUncovered; }

private:
    void Search(std::span<const std::int32_t> lngSingle, std::int32_t lngGrade,
                const MarkArray& lngMulti) override;
    void ClearResult() override { m_best.clear(); }
    void Optimise(std::int32_t lngCount);
    void SetActivity(std::int32_t lngValue);

    clsTMsTrial m_trial;
    std::vector<std::int32_t> m_best;
    std::int32_t m_bestUncovered = 0;
    std::int32_t m_activity = 0;
};
