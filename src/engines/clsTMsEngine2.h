#pragma once
// The trial search engine: a randomised local search for ever smaller ticket sets that keep a
// 2nd- or 3rd-grade guarantee. The engine frame creates one for a run and drops it once the
// result is read.

#include "base/clsErrorReporter.h"
#include "base/clsIPump.h"
#include "conditions/clsTMsg.h"
#include "engines/EngineSettingsRecord.h"
#include "engines/clsTMsTrial.h"
#include "engines/clsTRandom.h"
#include "lottery/MarkArray.h"

#include <cstdint>
#include <span>
#include <vector>

class clsTMsEngine2
{
public:
    clsTMsEngine2(clsIPump& objPump, clsIMessage& objMessage, clsTRandom& objRandom);

    void Initialize(clsTMsgLog& objLog);
    // Searches from BeginCount tickets down. False when the run failed (LastError tells why).
    // A stop, a time-out or a cache failure return true with the last confirmed solution.
    bool EngineStart(std::span<const std::int32_t> lngSingle, std::int32_t lngSearchGrade,
                     const EngineSettingsRecord& udtSettings, const MarkArray& lngMulti);
    std::int32_t SingleCount() const { return static_cast<std::int32_t>(m_best.size()); }
    std::vector<std::int32_t> SingleData() const;
    void EnginePause(bool blnValue) { m_pause = blnValue; }
    void EngineStop() { m_stop = true; }
    const ErrorRecord& LastError() const { return m_lastError; }
    // The cache could not be built (reported in its own box): nothing was searched.
    bool CacheFailed() const { return m_cacheFailed; }
    void SetCacheLimit(std::int64_t lngEntries) { m_trial.SetCacheLimit(lngEntries); }
    std::int64_t CacheSize() const { return m_trial.CacheSize(); }
    std::int32_t CandidateCount() const { return m_trial.CandidateCount(); }
    // The singles of the multi within lngExGrade of a target, in ascending order; the
    // candidates of a search whose result may leave the set.
    static std::vector<std::int32_t> ExtendedCandidates(std::span<const std::int32_t> lngTarget,
                                                        std::int32_t lngExGrade,
                                                        const MarkArray& lngMulti,
                                                        clsIMessage& objMessage);
    // Tries made by the run so far, for the speed figures.
    std::int64_t TryCount() const { return m_tryCount; }

private:
    void Search(std::span<const std::int32_t> lngSingle, std::int32_t lngGrade,
                const MarkArray& lngMulti);
    void SearchStep(std::int32_t lngCount);
    void WhilePaused();

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
    // Candidate indices of the last confirmed cover.
    std::vector<std::int32_t> m_best;
    std::int64_t m_tryCount = 0;
    ErrorRecord m_lastError;
};
