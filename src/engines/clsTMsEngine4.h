#pragma once
// The minimum-count engine: a tabu search for ever smaller ticket sets that keep a 2nd- or
// 3rd-grade guarantee, run with the trial search's counts, limits and messages. The engine
// frame creates one for a run and drops it once the result is read.

#include "base/clsErrorReporter.h"
#include "base/clsIPump.h"
#include "conditions/clsTMsg.h"
#include "engines/EngineSettingsRecord.h"
#include "engines/clsTMsTabu.h"
#include "engines/clsTRandom.h"
#include "lottery/MarkArray.h"

#include <cstdint>
#include <span>
#include <vector>

class clsTMsEngine4
{
public:
    clsTMsEngine4(clsIPump& objPump, clsIMessage& objMessage, clsTRandom& objRandom);

    void Initialize(clsTMsgLog& objLog);
    // Searches from BeginCount tickets down. False when the run failed (LastError tells why).
    // A stop or a time-out return true with the last confirmed solution.
    bool EngineStart(std::span<const std::int32_t> lngSingle, std::int32_t lngSearchGrade,
                     const EngineSettingsRecord& udtSettings, const MarkArray& lngMulti);
    std::int32_t SingleCount() const { return static_cast<std::int32_t>(m_best.size()); }
    std::vector<std::int32_t> SingleData() const { return m_tabu.Tickets(m_best); }
    void EnginePause(bool blnValue) { m_pause = blnValue; }
    void EngineStop() { m_stop = true; }
    const ErrorRecord& LastError() const { return m_lastError; }
    std::int32_t CandidateCount() const { return m_tabu.CandidateCount(); }
    // Moves made by the run so far, for the speed figures.
    std::int64_t MoveCount() const { return m_tabu.Iterations(); }
    // Tuning for the benchmarks.
    clsTMsTabu& Tabu() { return m_tabu; }
    // Restarts of a step that go back to the last cover before the others start afresh.
    void SetFromBestRestarts(std::int32_t lngCount) { m_fromBestRestarts = lngCount; }

private:
    void Search(std::span<const std::int32_t> lngSingle, std::int32_t lngGrade,
                const MarkArray& lngMulti);
    void SearchStep(std::int32_t lngCount);
    // The last confirmed cover less one ticket, or d random candidates before any success.
    void StartFromBest(std::int32_t lngCount, bool blnLeastUseful);
    // Confirms the known construction for the space, completed to a cover of the set and
    // without redundant tickets. Returns the count the search goes on with.
    std::int32_t StartFromKnownCode(std::int32_t lngBegin);
    void WhilePaused();

    clsIPump& m_pump;
    clsErrorReporter m_err;
    clsTMsg m_msg;
    clsTRandom& m_random;
    clsTMsTabu m_tabu;
    bool m_initialized = false;
    bool m_pause = false;
    bool m_stop = false;
    EngineSettingsRecord m_settings;
    // Local indices of the last confirmed cover.
    std::vector<std::int32_t> m_best;
    ErrorRecord m_lastError;
    std::int32_t m_fromBestRestarts = 1;
};
