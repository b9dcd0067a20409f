#include "engines/clsTMsEngine2.h"

#include "engines/basEngineBall.h"
#include "lottery/clsTMultiPattern.h"

#include <algorithm>
#include <stdexcept>
#include <string>

using namespace basEngineBall;

namespace {
constexpr std::int32_t kBatchTries = 1000; // a batch ends when the counter passes this: 1001 tries
constexpr std::int32_t kPauseSleepMs = 500;

// The deadline in milliseconds: the clock's seconds plus the limit, rounded to a whole second.
std::int64_t Deadline(std::int64_t lngNowMs, std::int32_t lngSeconds)
{
    return (lngNowMs + 500) / 1000 * 1000 + static_cast<std::int64_t>(lngSeconds) * 1000;
}
} // namespace

clsTMsEngine2::clsTMsEngine2(clsIPump& objPump, clsIMessage& objMessage, clsTRandom& objRandom)
    : m_pump(objPump)
    , m_err(objMessage, "clsTMsEngine2")
    , m_msg(objPump, objMessage)
    , m_random(objRandom)
    , m_trial(objPump, objMessage, m_msg)
{}

void clsTMsEngine2::Initialize(clsTMsgLog& objLog)
{
    m_msg.Initialize(objLog);
    m_initialized = true;
}

std::vector<std::int32_t> clsTMsEngine2::SingleData() const
{
    std::vector<std::int32_t> v;
    v.reserve(m_best.size());
    for (const std::int32_t c : m_best) {
        v.push_back(m_trial.CandidateNo(c));
    }
    return v;
}

bool clsTMsEngine2::EngineStart(std::span<const std::int32_t> lngSingle,
                                std::int32_t lngSearchGrade,
                                const EngineSettingsRecord& udtSettings, const MarkArray& lngMulti)
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
        Search(lngSingle, lngSearchGrade, lngMulti);
        return true;
    } catch (const std::exception& e) {
        m_best.clear();
        m_lastError = clsErrorReporter::FromException(e);
        return false;
    }
}

std::vector<std::int32_t> clsTMsEngine2::ExtendedCandidates(std::span<const std::int32_t> lngTarget,
                                                            std::int32_t lngExGrade,
                                                            const MarkArray& lngMulti,
                                                            clsIMessage& objMessage)
{
    std::vector<std::uint8_t> reach(kSingleCount, 0);
    for (const std::int32_t t : lngTarget) {
        ForEachInBall(t, lngExGrade, [&](std::int32_t x) { reach[x] = 1; });
    }
    clsTMultiPattern pattern(objMessage);
    pattern.SetValue(lngMulti);
    std::int32_t count = 0;
    std::vector<std::int32_t> multi;
    pattern.GetMulti(count, multi);
    std::vector<std::int32_t> candidates;
    for (std::int32_t i = 0; i < count; ++i) {
        if (reach[multi[i]] != 0) {
            candidates.push_back(multi[i]);
        }
    }
    return candidates;
}

void clsTMsEngine2::Search(std::span<const std::int32_t> lngSingle, std::int32_t lngGrade,
                           const MarkArray& lngMulti)
{
    if (lngGrade != 2 && lngGrade != 3) {
        throw std::invalid_argument("保証等級は 2 か 3 です: " + std::to_string(lngGrade));
    }
    m_trial.SetTargets(lngSingle);
    if (m_trial.TargetCount() == 0) {
        return;
    }
    std::int32_t exGrade = 0;
    if (lngGrade == 3 && m_settings.ExGrade3) {
        exGrade = 3;
    } else if (m_settings.ExGrade2) {
        exGrade = 2;
    }
    std::vector<std::int32_t> candidates;
    if (exGrade > 0) {
        candidates = ExtendedCandidates(lngSingle, exGrade, lngMulti, m_err.Message());
    }
    if (candidates.empty()) {
        candidates.assign(lngSingle.begin(), lngSingle.end());
    }
    m_trial.SetCandidates(std::move(candidates));

    if (m_stop) {
        return;
    }
    if (!m_trial.BuildCache(lngGrade, m_stop)) {
        m_cacheFailed = !m_stop;
        return;
    }
    if (m_stop) {
        return;
    }

    for (std::int32_t d = m_settings.BeginCount; d >= 1; --d) {
        SearchStep(d);
        if (!m_stop && d <= m_settings.EndCount) {
            m_msg.Sp();
            m_msg.Msg("指定口数に達したので検索を終了します", true, true);
            m_stop = true;
        }
        WhilePaused();
        m_pump.DoEvents();
        if (m_stop) {
            break;
        }
    }
}

void clsTMsEngine2::WhilePaused()
{
    while (m_pause) {
        m_pump.SleepMs(kPauseSleepMs);
        m_pump.DoEvents();
        if (m_stop) {
            break;
        }
    }
}

void clsTMsEngine2::SearchStep(std::int32_t lngCount)
{
    const std::int32_t d = lngCount;
    const std::int32_t nc = m_trial.CandidateCount();
    m_trial.ResetSolution(d);
    // The cover just confirmed with one ticket more, minus its last ticket, is the best start.
    if (static_cast<std::int32_t>(m_best.size()) == d + 1) {
        for (std::int32_t i = 0; i < d; ++i) {
            m_trial.Fill(i, m_best[i]);
        }
    } else {
        for (std::int32_t i = 0; i < d; ++i) {
            m_trial.Fill(i, m_random.NextIndex(nc));
        }
    }

    m_msg.Msg(std::to_string(d) + "を検索中...", false, true);
    m_msg.Max(nc);
    m_msg.Value(0);
    const std::int32_t endTime = m_settings.EndTime;
    const std::int64_t deadline = Deadline(m_pump.TickMs(), endTime);

    const bool searched = m_trial.Uncovered() > 0;
    if (searched) {
        const std::int32_t batchLimit = std::max(d, 50);
        const std::int32_t perturbCount = std::max(d / 20, 1) + 1;
        std::int32_t slot = 0;
        std::int32_t tries = 0;
        std::int32_t batches = 0;
        while (m_trial.Uncovered() > 0) {
            m_trial.Try(slot, m_random.NextIndex(nc));
            ++m_tryCount;
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
                m_msg.Value(nc - m_trial.Uncovered());
                // Forced moves shake the search out of a plateau that sideways moves cannot leave.
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
    if (m_stop) {
        m_msg.Msg("中断", true, false);
    } else {
        m_msg.Msg("確定", true, false);
        m_best = m_trial.SlotData();
    }
    if (timedOut) {
        m_msg.Sp();
        m_msg.Msg("指定時間になったので検索を終了します", true, true);
        m_stop = true;
    }
}
