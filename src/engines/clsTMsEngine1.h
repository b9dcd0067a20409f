#pragma once
// The fast search engine: a deterministic greedy cover of a ticket set under a 2nd- or 3rd-grade
// guarantee. The engine frame creates one for a run and drops it once the result is read.

#include "base/clsErrorReporter.h"
#include "base/clsIPump.h"
#include "conditions/clsTMsg.h"
#include "engines/clsIMsEngine.h"

#include <cstdint>
#include <span>
#include <vector>

class clsTMsEngine1 final : public clsIMsEngine
{
public:
    // The tables of a run, indexed by ticket number or by candidate.
    struct Workspace
    {
        // Score and flags packed (see the .cpp). A score is kept for every number, in or out
        // of the set, and only ever falls, which is what lets it be maintained instead of
        // recounted.
        std::vector<std::uint16_t> State;
        // The uncovered singles in input order, in blocks with an upper bound of their scores.
        std::vector<std::int32_t> Candidates;
    };

    clsTMsEngine1(clsIPump& objPump, clsIMessage& objMessage);
    // With tables kept by the caller across runs, so a batch does not reallocate them for
    // every file.
    clsTMsEngine1(clsIPump& objPump, clsIMessage& objMessage, Workspace& objWorkspace);

    void Initialize(clsTMsgLog& objLog) override;
    // Covers the singles at grade 2 or 3. False when the run failed (LastError tells why); a
    // stopped run returns true with an empty result.
    bool EngineStart(std::span<const std::int32_t> lngSingle, std::int32_t lngSearchGrade);
    // The settings and the multi play no part in the fast search.
    bool EngineStart(std::span<const std::int32_t> lngSingle, std::int32_t lngSearchGrade,
                     const EngineSettingsRecord&, const MarkArray&) override
    {
        return EngineStart(lngSingle, lngSearchGrade);
    }
    std::int32_t SingleCount() const override { return static_cast<std::int32_t>(m_result.size()); }
    std::vector<std::int32_t> SingleData() const override { return m_result; }
    void EngineStop() override { m_stop = true; }
    const ErrorRecord& LastError() const override { return m_lastError; }

private:
    void Search(std::span<const std::int32_t> lngSingle, std::int32_t lngGrade);
    // The singles whose whole ball is uncovered, in input order; false when that covered the
    // set or the run was stopped.
    bool TakeFullBalls(std::span<const std::int32_t> lngSingle);
    // Then the highest scores, pass by pass.
    void TakeBestScores(std::span<const std::int32_t> lngSingle);
    void Choose(std::int32_t lngNo);
    bool ProcessEvents();

    clsIPump& m_pump;
    clsErrorReporter m_err;
    clsTMsg m_msg;
    bool m_initialized = false;
    bool m_stop = false;
    std::int32_t m_grade = 2;
    Workspace m_own;
    Workspace& m_ws;
    std::int32_t m_uncovered = 0;
    std::vector<std::int32_t> m_result;
    ErrorRecord m_lastError;
};
