#include "engines/clsTMsEngine2.h"

#include <string>

clsTMsEngine2::clsTMsEngine2(clsIPump& objPump, clsIMessage& objMessage, clsTRandom& objRandom)
    : clsTMsSearchEngine(objPump, objMessage, objRandom, "clsTMsEngine2")
    , m_trial(objPump, objMessage, m_msg)
{}

void clsTMsEngine2::Search(std::span<const std::int32_t> lngSingle, std::int32_t lngGrade,
                           const MarkArray& lngMulti)
{
    CheckGrade(lngGrade);
    m_trial.SetTargets(lngSingle);
    if (m_trial.TargetCount() == 0) {
        return;
    }
    const std::int32_t exGrade = ExtensionGrade(lngGrade);
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
    Descend(m_settings.BeginCount, 1, [this](std::int32_t d) { SearchStep(d); });
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
    const std::int64_t deadline = Deadline(endTime);

    const bool searched = m_trial.Uncovered() > 0;
    if (searched) {
        m_trial.Walk(
            m_random, [this](bool) { ++m_tryCount; },
            [this, nc] { m_msg.Value(nc - m_trial.Uncovered()); },
            [&] { StopAtDeadline(endTime, deadline); }, [this] { return YieldToWindow(); });
    }
    EndSize(searched && PastDeadline(endTime, deadline), [this] { m_best = m_trial.SlotData(); });
}
