#include "engines/clsTMsEngine4.h"

#include "engines/clsTMsEngine2.h"

#include <algorithm>
#include <set>
#include <stdexcept>
#include <string>

namespace {
// Moves between two looks at the window; a move costs about a microsecond on small spaces.
constexpr std::int64_t kBatchMoves = 2000;
constexpr std::int32_t kPauseSleepMs = 500;

// The deadline in milliseconds: the clock's seconds plus the limit, rounded to a whole second.
std::int64_t Deadline(std::int64_t lngNowMs, std::int32_t lngSeconds)
{
    return (lngNowMs + 500) / 1000 * 1000 + static_cast<std::int64_t>(lngSeconds) * 1000;
}

// Moves without a new low before the search starts again from the last cover.
std::int64_t StallLimit(std::int32_t lngCount, std::int32_t lngTargets)
{
    return 20000 + 200 * static_cast<std::int64_t>(std::min(lngCount, lngTargets));
}
} // namespace

clsTMsEngine4::clsTMsEngine4(clsIPump& objPump, clsIMessage& objMessage, clsTRandom& objRandom)
    : m_pump(objPump)
    , m_err(objMessage, "clsTMsEngine4")
    , m_msg(objPump, objMessage)
    , m_random(objRandom)
    , m_tabu(objRandom)
{}

void clsTMsEngine4::Initialize(clsTMsgLog& objLog)
{
    m_msg.Initialize(objLog);
    m_initialized = true;
}

bool clsTMsEngine4::EngineStart(std::span<const std::int32_t> lngSingle,
                                std::int32_t lngSearchGrade,
                                const EngineSettingsRecord& udtSettings, const MarkArray& lngMulti)
{
    m_best.clear();
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

void clsTMsEngine4::Search(std::span<const std::int32_t> lngSingle, std::int32_t lngGrade,
                           const MarkArray& lngMulti)
{
    if (lngGrade != 2 && lngGrade != 3) {
        throw std::invalid_argument("保証等級は 2 か 3 です: " + std::to_string(lngGrade));
    }
    if (lngSingle.empty()) {
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
        candidates =
            clsTMsEngine2::ExtendedCandidates(lngSingle, exGrade, lngMulti, m_err.Message());
        // A set single outside the marks could otherwise never be covered.
        const std::set<std::int32_t> have(candidates.begin(), candidates.end());
        for (const std::int32_t s : lngSingle) {
            if (have.count(s) == 0) {
                candidates.push_back(s);
            }
        }
    } else {
        candidates.assign(lngSingle.begin(), lngSingle.end());
    }
    m_tabu.Setup(lngSingle, candidates, lngGrade - 1);
    if (m_stop) {
        return;
    }

    std::int32_t begin = m_settings.BeginCount;
    if (begin >= 1) {
        begin = StartFromKnownCode(begin);
    }
    const std::int32_t lowerBound = m_tabu.LowerBound();
    for (std::int32_t d = begin; d >= 1 && !m_stop; --d) {
        // Below the sphere bound no cover exists; searching on would only run out the time.
        if (d < lowerBound) {
            break;
        }
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

void clsTMsEngine4::WhilePaused()
{
    while (m_pause) {
        m_pump.SleepMs(kPauseSleepMs);
        m_pump.DoEvents();
        if (m_stop) {
            break;
        }
    }
}

std::int32_t clsTMsEngine4::StartFromKnownCode(std::int32_t lngBegin)
{
    std::vector<std::int32_t> start = m_tabu.KnownStart();
    if (start.empty()) {
        return lngBegin;
    }
    // Conditions may have removed part of the space: what the code misses is filled in before
    // the tickets that became redundant go.
    m_tabu.SetSlots(start);
    m_tabu.CompleteCover();
    m_tabu.DropRedundant();
    const auto k = static_cast<std::int32_t>(m_tabu.Slots().size());
    m_msg.Msg(std::to_string(k) + "を検索中...", false, true);
    m_msg.Msg("確定", true, false);
    m_best = m_tabu.Slots();
    if (k <= m_settings.EndCount) {
        m_msg.Sp();
        m_msg.Msg("指定口数に達したので検索を終了します", true, true);
        m_stop = true;
    }
    return k - 1;
}

void clsTMsEngine4::StartFromBest(std::int32_t lngCount, bool blnLeastUseful)
{
    if (static_cast<std::int32_t>(m_best.size()) != lngCount + 1) {
        m_tabu.SetRandom(lngCount);
        return;
    }
    m_tabu.SetSlots(m_best);
    m_tabu.DropSlot(blnLeastUseful ? m_tabu.LeastUseful() : m_random.NextIndex(lngCount + 1));
}

void clsTMsEngine4::SearchStep(std::int32_t lngCount)
{
    const std::int32_t d = lngCount;
    StartFromBest(d, true);

    const std::int32_t targets = m_tabu.TargetCount();
    m_msg.Msg(std::to_string(d) + "を検索中...", false, true);
    m_msg.Max(targets);
    m_msg.Value(0);
    const std::int32_t endTime = m_settings.EndTime;
    const std::int64_t deadline = Deadline(m_pump.TickMs(), endTime);

    const bool searched = m_tabu.Uncovered() > 0;
    if (searched) {
        const std::int64_t stall = StallLimit(d, targets);
        std::int32_t restarts = 0;
        while (m_tabu.Uncovered() > 0) {
            m_tabu.Run(kBatchMoves);
            if (m_tabu.Uncovered() == 0) {
                break;
            }
            if (m_tabu.SinceImprove() > stall) {
                // The last cover's shape is often a dead end (a descent from far above tends
                // to freeze one): only the first restart of a step goes back to it, the later
                // ones begin afresh, which on 7 matches reaches 186 where the other stays at 192.
                if (++restarts > m_fromBestRestarts) {
                    m_tabu.SetRandom(d);
                } else {
                    StartFromBest(d, false);
                }
            }
            m_msg.Value(targets - m_tabu.Uncovered());
            if (endTime > 0 && m_pump.TickMs() >= deadline) {
                m_stop = true;
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
        m_best = m_tabu.Slots();
    }
    if (timedOut) {
        m_msg.Sp();
        m_msg.Msg("指定時間になったので検索を終了します", true, true);
        m_stop = true;
    }
}
