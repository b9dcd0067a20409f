#include "engines/clsTMsEngine3.h"

#include <string>

namespace {
constexpr std::int32_t kActivityMax = 100;
} // namespace

clsTMsEngine3::clsTMsEngine3(clsIPump& objPump, clsIMessage& objMessage, clsTRandom& objRandom)
    : clsTMsSearchEngine(objPump, objMessage, objRandom, "clsTMsEngine3")
    , m_trial(objPump, objMessage, m_msg)
{}

void clsTMsEngine3::Search(std::span<const std::int32_t> lngSingle, std::int32_t, const MarkArray&)
{
    if (m_stop) {
        return;
    }
    m_trial.SetTargets(lngSingle);
    // Nothing to draw from, or no ticket to place: there is nothing to optimise.
    if (m_trial.TargetCount() == 0 || m_settings.SeBeginCount < 1) {
        return;
    }
    m_trial.SetCandidates(std::vector<std::int32_t>(lngSingle.begin(), lngSingle.end()));
    if (!m_trial.BuildCache(2, m_stop)) {
        m_cacheFailed = !m_stop;
        return;
    }
    if (m_stop) {
        return;
    }
    Optimise(m_settings.SeBeginCount);
}

void clsTMsEngine3::SetActivity(std::int32_t lngValue)
{
    m_activity = lngValue;
    m_msg.Value(lngValue);
    if (ActivityChanged) {
        ActivityChanged(lngValue);
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
    const std::int64_t deadline = Deadline(endTime);

    const bool searched = m_trial.Uncovered() > 0;
    if (searched) {
        std::int32_t lastUncovered = m_trial.Uncovered();
        m_trial.Walk(
            m_random,
            [&](bool blnTaken) {
                if (blnTaken && m_trial.Uncovered() < m_bestUncovered) {
                    m_best = m_trial.SlotData();
                    m_bestUncovered = m_trial.Uncovered();
                    recorded = true;
                }
            },
            // Forced moves that follow never count as a best: they may well make it worse.
            [&] {
                if (m_trial.Uncovered() != lastUncovered) {
                    SetActivity(m_activity >= kActivityMax ? 0 : m_activity + 1);
                }
                lastUncovered = m_trial.Uncovered();
            },
            [&] { StopAtDeadline(endTime, deadline); }, [this] { return YieldToWindow(); });
    }
    const bool timedOut = searched && PastDeadline(endTime, deadline);

    m_msg.Value(0);
    m_msg.Msg("確定", true, false);
    // A perturbation that happens to leave fewer targets uncovered than the best recorded
    // solution must not be thrown away for a worse one.
    if (!recorded || m_trial.Uncovered() < m_bestUncovered) {
        m_best = m_trial.SlotData();
        m_bestUncovered = m_trial.Uncovered();
    }
    if (timedOut) {
        StopForTime();
    }
}
