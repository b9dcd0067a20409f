#pragma once
// The ticket-count optimisation engine: the best 2nd-grade coverage of a ticket set with a
// fixed number of tickets, no guarantee. The engine frame creates one for a run and drops it
// once the result is read.

#include "base/clsErrorReporter.h"
#include "base/clsIPump.h"
#include "conditions/clsTMsg.h"
#include "engines/EngineSettingsRecord.h"
#include "engines/clsTMsTrial.h"
#include "engines/clsTRandom.h"

#include <cstdint>
#include <functional>
#include <span>
#include <vector>

class clsTMsEngine3
{
public:
    clsTMsEngine3(clsIPump& objPump, clsIMessage& objMessage, clsTRandom& objRandom);

    void Initialize(clsTMsgLog& objLog);
    // Optimises SeBeginCount tickets within SeEndTime seconds. False when the run failed
    // (LastError tells why).
    bool EngineStart(std::span<const std::int32_t> lngSingle,
                     const EngineSettingsRecord& udtSettings);
    std::int32_t SingleCount() const { return static_cast<std::int32_t>(m_best.size()); }
    std::vector<std::int32_t> SingleData() const;
    void EnginePause(bool blnValue) { m_pause = blnValue; }
    void EngineStop() { m_stop = true; }
    const ErrorRecord& LastError() const { return m_lastError; }
    bool CacheFailed() const { return m_cacheFailed; }
    void SetCacheLimit(std::int64_t lngEntries) { m_trial.SetCacheLimit(lngEntries); }

    // The activity bar: 0 to 100, one step each time the search has moved since the last
    // perturbation. It is also the log's bar value while the search runs.
    std::int32_t Activity() const { return m_activity; }
    std::function<void(std::int32_t)> ActivityChanged;
    // Targets left uncovered by the result.
    std::int32_t BestUncovered() const { return m_bestUncovered; }

private:
    void Optimise(std::int32_t lngCount);
    void WhilePaused();
    void SetActivity(std::int32_t lngValue);

    clsIPump& m_pump;
    clsErrorReporter m_err;
    clsTMsg m_msg;
    clsTRandom& m_random;
    clsTMsTrial m_trial;
    bool m_initialized = false;
    bool m_pause = false;
    bool m_stop = false;
    bool m_cacheFailed = false;
    EngineSettingsRecord m_settings;
    std::vector<std::int32_t> m_best;
    std::int32_t m_bestUncovered = 0;
    std::int32_t m_activity = 0;
    ErrorRecord m_lastError;
};
