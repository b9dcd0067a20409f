#pragma once
// The engine frame: runs the compression engine the settings name, the random extraction after
// it and the winning-probability counts, and passes pause and stop to the running engine. The
// document (clsDocument) owns one for its lifetime, in the window and in kelvra-cli alike,
// together with the program's random generator.

#include "base/clsErrorReporter.h"
#include "base/clsIPump.h"
#include "conditions/clsTMsg.h"
#include "engines/EngineSettingsRecord.h"
#include "engines/clsIMsEngine.h"
#include "engines/clsTMsEngine1.h"
#include "engines/clsTMsEngine5.h"
#include "engines/clsTRandom.h"
#include "lottery/ProbabilityRecord.h"
#include "lottery/VoteRecord.h"

#include <array>
#include <cstdint>
#include <limits>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

class clsTMsEngine
{
public:
    using TousenArray = std::array<std::int32_t, 6>;
    enum class EngineKind
    {
        None,
        Fast,
        Trial,
        Optimisation,
        Tabu,
        Budget
    };

    // The random generator is seeded from the clock.
    clsTMsEngine(clsIPump& objPump, clsIMessage& objMessage);
    // A fixed seed, for reproducible runs.
    clsTMsEngine(clsIPump& objPump, clsIMessage& objMessage, std::uint64_t lngSeed);
    ~clsTMsEngine();

    void Initialize(clsTMsgLog& objLog);
    bool Run() const { return m_run; }
    EngineKind RunningEngine() const { return m_kind; }
    // The engines that wait in a pause: the trial, optimisation, minimum-count and budget
    // searches.
    static bool Pausable(std::int32_t lngMsEngine);
    // Held from the moment it is asked (even before the engine has started, during the
    // extraction) until the engine step of the run ends, so a pause never goes missing.
    void EnginePause(bool blnValue);
    bool PauseRequested() const { return m_pauseRequest; }
    void EngineStop();
    // Compresses the first lngSCount singles of lngSingle in place. False when the run failed
    // and was reported; the set then keeps what was written before the failure.
    bool EngineRun(std::int32_t& lngSCount, std::vector<std::int32_t>& lngSingle,
                   const EngineSettingsRecord& udtSettings, const MarkArray& lngMulti,
                   TousenArray& lngTousen);
    // The ticket count the last minimum-count run started from (the first cover it found),
    // 0 when the last run had no such start or has not reached it.
    std::int32_t LastStartCount() const { return m_startCount; }
    // What the last budget run reached, while the set is still the one it chose; none after
    // the other engines.
    const std::optional<clsTMsEngine5::Reach>& LastReach() const { return m_reach; }
    // Why the last run failed without a message box (its line in the run log), else empty.
    const std::string& LastFailure() const { return m_failure; }
    // The engine numbers the frame can run.
    static bool KnownEngine(std::int32_t lngMsEngine);

    clsTRandom& Random() { return m_random; }
    // The vote status in use, for the payout-ordered extraction types.
    void SetVoteRecord(const VoteRecord& udtVote) { m_vote = udtVote; }
    // The player's own probabilities, for the extraction weighted by them (type 4).
    void SetProbability(const std::optional<ProbabilityRecord>& prob) { m_probability = prob; }
    static constexpr std::int32_t kChushutsuByProbability = 4;
    // A memory budget for the trial engines' cache, in entries (tests, small machines).
    void SetCacheLimit(std::int64_t lngEntries) { m_cacheLimit = lngEntries; }

private:
    // Outcome of the engine step: the set was replaced, or the run must end here.
    bool RunEngine(std::int32_t& lngSCount, std::vector<std::int32_t>& lngSingle,
                   const EngineSettingsRecord& udtSettings, const MarkArray& lngMulti);
    void Extract(std::int32_t& lngSCount, std::vector<std::int32_t>& lngSingle,
                 const EngineSettingsRecord& udtSettings);
    void ReportFailure(const ErrorRecord& err);
    // The c singles of the list by their estimated 1st-grade payout (types 1 to 3); empty when
    // the vote status gives no estimate.
    // c singles of the list drawn without replacement with weight P(single), in the order
    // drawn (type 4).
    std::vector<std::int32_t> ByProbability(std::span<const std::int32_t> lngSingle,
                                            std::int32_t c);
    std::vector<std::int32_t> ByPayout(std::span<const std::int32_t> lngSingle, std::int32_t c,
                                       std::int32_t lngType) const;

    clsIPump& m_pump;
    clsIMessage& m_message;
    clsErrorReporter m_err;
    clsTMsg m_msg;
    clsTMsgLog* m_log = nullptr;
    clsTRandom m_random;
    VoteRecord m_vote;
    std::optional<ProbabilityRecord> m_probability;
    bool m_run = false;
    bool m_pauseRequest = false;
    // A stop was asked during the run in hand: an empty result is the user's, not the search's.
    bool m_stopRequest = false;
    std::string m_failure;
    std::int32_t m_startCount = 0;
    std::optional<clsTMsEngine5::Reach> m_reach;
    EngineKind m_kind = EngineKind::None;
    // The engine of the run in progress, null between runs.
    std::unique_ptr<clsIMsEngine> m_engine;
    // The fast search's tables, kept from run to run.
    clsTMsEngine1::Workspace m_fastWorkspace;
    std::int64_t m_cacheLimit = std::numeric_limits<std::int64_t>::max();
};
