#pragma once
// What the trial search, the optimisation and the minimum-count engine share around their own
// search: the start with its checks and error capture, the pause loop, the per-size deadline,
// the descent through the ticket counts and the log lines that end each size.

#include "base/clsErrorReporter.h"
#include "base/clsIPump.h"
#include "conditions/clsTMsg.h"
#include "engines/EngineSettingsRecord.h"
#include "engines/clsIMsEngine.h"
#include "engines/clsTRandom.h"
#include "lottery/MarkArray.h"

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

class clsTMsSearchEngine : public clsIMsEngine
{
public:
    clsTMsSearchEngine(clsIPump& objPump, clsIMessage& objMessage, clsTRandom& objRandom,
                       std::string strClass);

    void Initialize(clsTMsgLog& objLog) final;
    // A stop, a time-out or a cache failure return true with what the search confirmed.
    bool EngineStart(std::span<const std::int32_t> lngSingle, std::int32_t lngSearchGrade,
                     const EngineSettingsRecord& udtSettings, const MarkArray& lngMulti) final;
    void EnginePause(bool blnValue) final { m_pause = blnValue; }
    void EngineStop() final
    {
        m_stop = true;
        m_stopAsked = true;
    }
    const ErrorRecord& LastError() const final { return m_lastError; }
    bool CacheFailed() const final { return m_cacheFailed; }

    // The singles of the multi within lngExGrade of a target, in ascending order; the
    // candidates of a search whose result may leave the set.
    static std::vector<std::int32_t> ExtendedCandidates(std::span<const std::int32_t> lngTarget,
                                                        std::int32_t lngExGrade,
                                                        const MarkArray& lngMulti,
                                                        clsIMessage& objMessage);

protected:
    // The longest a paused search waits for the window before it looks at its flags again.
    static constexpr std::int32_t kPauseWaitMs = 500;

    // The engine's own run, called with the settings in place; it may throw.
    virtual void Search(std::span<const std::int32_t> lngSingle, std::int32_t lngGrade,
                        const MarkArray& lngMulti) = 0;
    // Forgets the result, before a run and after a failed one.
    virtual void ClearResult() = 0;

    // 2 or 3 when the settings let the result leave the set for the grade, else 0.
    std::int32_t ExtensionGrade(std::int32_t lngGrade) const;
    static void CheckGrade(std::int32_t lngGrade);
    void WhilePaused();
    // Waits out a pause and lets the window run; true when the search has been stopped.
    bool YieldToWindow();
    // The clock's milliseconds less the time spent paused: a pause does not use up a limit.
    std::int64_t RunTickMs() const { return m_pump.TickMs() - m_pausedMs; }
    // Stops the search once a size with a time limit has passed its deadline.
    void StopAtDeadline(std::int32_t lngSeconds, std::int64_t lngDeadline)
    {
        if (PastDeadline(lngSeconds, lngDeadline)) {
            m_stop = true;
        }
    }
    // The deadline of a size that starts now, in the clock's milliseconds: the clock's seconds
    // plus the limit, rounded to a whole second.
    std::int64_t Deadline(std::int32_t lngSeconds) const;
    bool PastDeadline(std::int32_t lngSeconds, std::int64_t lngDeadline) const
    {
        return lngSeconds > 0 && RunTickMs() >= lngDeadline;
    }
    // Runs fnStep from lngFrom tickets down to lngLowest while nothing stops the search, and
    // stops it once a size at or below EndCount has been searched.
    void Descend(std::int32_t lngFrom, std::int32_t lngLowest,
                 const std::function<void(std::int32_t)>& fnStep);
    // The log lines that end a size: "中断" when stopped, else "確定" and fnConfirm runs; then
    // the time-out's line, which stops the search.
    void EndSize(bool blnTimedOut, const std::function<void()>& fnConfirm);
    void StopForCount();
    void StopForTime();

    clsIPump& m_pump;
    clsErrorReporter m_err;
    clsTMsg m_msg;
    clsTRandom& m_random;
    bool m_pause = false;
    bool m_stop = false;
    // Set by EngineStop alone: a time limit or EndCount stops the search too, the user only so.
    bool m_stopAsked = false;
    bool m_cacheFailed = false;
    std::int64_t m_pausedMs = 0;
    // The log the engine writes to, for a search it runs inside its own.
    clsTMsgLog* m_log = nullptr;
    EngineSettingsRecord m_settings;

private:
    bool m_initialized = false;
    ErrorRecord m_lastError;
};
