#include "engines/clsTMsEngine3.h"

#include <algorithm>
#include <string>

namespace {
constexpr std::int32_t kBatchTries = 1000; // a batch ends when the counter passes this: 1001 tries
constexpr std::int32_t kPauseSleepMs = 500;
constexpr std::int32_t kActivityMax = 100;

std::int64_t Deadline(std::int64_t lngNowMs, std::int32_t lngSeconds)
{
    return (lngNowMs + 500) / 1000 * 1000 + static_cast<std::int64_t>(lngSeconds) * 1000;
}
} // namespace

clsTMsEngine3::clsTMsEngine3(clsIPump& objPump, clsIMessage& objMessage, clsTRandom& objRandom)
    : m_pump(objPump)
    , m_err(objMessage, "clsTMsEngine3")
    , m_msg(objPump, objMessage)
    , m_random(objRandom)
    , m_trial(objPump, objMessage, m_msg)
{}

void clsTMsEngine3::Initialize(clsTMsgLog& objLog)
{
    m_msg.Initialize(objLog);
    m_initialized = true;
}

std::vector<std::int32_t> clsTMsEngine3::SingleData() const
{
    std::vector<std::int32_t> v;
    v.reserve(m_best.size());
    for (const std::int32_t c : m_best) {
        v.push_back(m_trial.CandidateNo(c));
    }
    return v;
}

bool clsTMsEngine3::EngineStart(std::span<const std::int32_t> lngSingle,
                                const EngineSettingsRecord& udtSettings)
{
    m_best.clear();
    m_cacheFailed = false;
    m_lastError = ErrorRecord{};
    if (!m_initialized) {
        m_err.InitializeErr("EngineStart");
        return false;
    }
    m_settings = udtSettings;
    try {
        if (m_stop) {
            return true;
        }
        m_trial.SetTargets(lngSingle);
        // Nothing to draw from, or no ticket to place: there is nothing to optimise.
        if (m_trial.TargetCount() == 0 || m_settings.SeBeginCount < 1) {
            return true;
        }
        m_trial.SetCandidates(std::vector<std::int32_t>(lngSingle.begin(), lngSingle.end()));
        if (!m_trial.BuildCache(2, m_stop)) {
            m_cacheFailed = !m_stop;
            return true;
        }
        if (m_stop) {
            return true;
        }
        Optimise(m_settings.SeBeginCount);
        return true;
    } catch (const std::exception& e) {
        m_best.clear();
        m_lastError = clsErrorReporter::FromException(e);
        return false;
    }
}

void clsTMsEngine3::SetActivity(std::int32_t lngValue)
{
    m_activity = lngValue;
    m_msg.Value(lngValue);
    if (ActivityChanged) {
        ActivityChanged(lngValue);
    }
}

void clsTMsEngine3::WhilePaused()
{
    while (m_pause) {
        m_pump.SleepMs(kPauseSleepMs);
        m_pump.DoEvents();
        if (m_stop) {
            break;
        }
    }
}

void clsTMsEngine3::Optimise(std::int32_t lngCount)
{
    const std::int32_t d = lngCount;
    const std::int32_t nc = m_trial.CandidateCount();
    m_trial.ResetSolution(d);
    for (std::int32_t i = 0; i < d; ++i) {
        m_trial.Fill(i, m_random.NextIndex(nc));
    }
    bool recorded = false;
    m_bestUncovered = nc;

    m_msg.Msg(std::to_string(d) + "口を最適化中...", false, true);
    m_msg.Max(kActivityMax);
    m_activity = 0;
    m_msg.Value(0);
    const std::int32_t endTime = m_settings.SeEndTime;
    const std::int64_t deadline = Deadline(m_pump.TickMs(), endTime);

    const bool searched = m_trial.Uncovered() > 0;
    if (searched) {
        const std::int32_t batchLimit = std::max(d, 50);
        const std::int32_t perturbCount = std::max(d / 20, 1) + 1;
        std::int32_t slot = 0;
        std::int32_t tries = 0;
        std::int32_t batches = 0;
        std::int32_t lastUncovered = m_trial.Uncovered();
        while (m_trial.Uncovered() > 0) {
            if (m_trial.Try(slot, m_random.NextIndex(nc)) &&
                m_trial.Uncovered() < m_bestUncovered) {
                m_best = m_trial.SlotData();
                m_bestUncovered = m_trial.Uncovered();
                recorded = true;
            }
            if (++slot == d) {
                slot = 0;
            }
            if (m_trial.Uncovered() == 0) {
                break;
            }
            if (++tries <= kBatchTries) {
                continue;
            }
            tries = 0;
            if (++batches > batchLimit) {
                batches = 0;
                if (m_trial.Uncovered() != lastUncovered) {
                    SetActivity(m_activity >= kActivityMax ? 0 : m_activity + 1);
                }
                lastUncovered = m_trial.Uncovered();
                // Forced moves never count as a best: they may well make the solution worse.
                for (std::int32_t i = 0; i < perturbCount; ++i) {
                    const std::int32_t s = m_random.NextIndex(nc);
                    const std::int32_t p = m_random.NextIndex(d);
                    m_trial.Replace(p, s);
                }
                if (endTime > 0 && m_pump.TickMs() >= deadline) {
                    m_stop = true;
                }
            }
            WhilePaused();
            m_pump.DoEvents();
            if (m_stop) {
                break;
            }
        }
    }
    const bool timedOut = searched && endTime > 0 && m_pump.TickMs() >= deadline;

    m_msg.Value(0);
    m_msg.Msg("確定", true, false);
    // A perturbation that happens to leave fewer targets uncovered than the best recorded
    // solution must not be thrown away for a worse one.
    if (!recorded || m_trial.Uncovered() < m_bestUncovered) {
        m_best = m_trial.SlotData();
        m_bestUncovered = m_trial.Uncovered();
    }
    if (timedOut) {
        m_msg.Sp();
        m_msg.Msg("指定時間になったので検索を終了します", true, true);
        m_stop = true;
    }
}
