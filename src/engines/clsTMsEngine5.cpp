#include "engines/clsTMsEngine5.h"

#include "base/Currency.h"
#include "lottery/basBall.h"
#include "lottery/clsTValue.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <stdexcept>

using namespace basBall;

namespace {
// Moves between two looks at the window.
constexpr std::int64_t kBatchMoves = 500;
// The progress bar moves in tenths of a second.
constexpr std::int64_t kBarStepMs = 100;
// A new best is written to the log at most this often.
constexpr std::int64_t kSayEveryMs = 1000;

// Moves without a new best before the search goes back to it with a few tickets changed.
std::int64_t StallLimit(std::int32_t lngCount)
{
    return 5000 + 50 * static_cast<std::int64_t>(lngCount);
}

std::string Grouped(std::int64_t lngValue)
{
    return Currency::FromInt(lngValue).FormatNumber(0, true);
}

// The budget as the player thinks of it: "10口（1,000円）".
std::string Budget(std::int32_t lngTickets)
{
    return std::to_string(lngTickets) + "口（" +
           (Currency::FromInt(100) * lngTickets).FormatNumber(0, true) + "円）";
}

std::string Percent(double dblChance)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.4f%%", dblChance * 100.0);
    return buf;
}
} // namespace

clsTMsEngine5::clsTMsEngine5(clsIPump& objPump, clsIMessage& objMessage, clsTRandom& objRandom,
                             std::optional<ProbabilityRecord> prob)
    : clsTMsSearchEngine(objPump, objMessage, objRandom, "clsTMsEngine5")
    , m_budget(objRandom)
    , m_probability(std::move(prob))
{}

std::string clsTMsEngine5::ReachText(const Reach& udtReach)
{
    std::string s = std::to_string(udtReach.Grade) + "等以上 ";
    if (udtReach.Weighted) {
        return s + Percent(udtReach.Chance);
    }
    return s + Grouped(udtReach.Covered) + "/" + Grouped(udtReach.Targets) + "シングル";
}

std::string clsTMsEngine5::SummaryText(const Reach& udtReach)
{
    return Budget(udtReach.Tickets) + "で" + ReachText(udtReach);
}

void clsTMsEngine5::Setup(const std::vector<std::int32_t>& lngCandidate, std::int32_t lngGrade)
{
    m_budget.SetYield([this] { YieldToWindow(); });
    if (!m_probability) {
        // Equal weights: the singles of the set, as the optimisation engine counts them.
        const std::vector<double> ones(lngCandidate.size(), 1.0);
        m_budget.Setup(lngCandidate, lngCandidate, ones, lngGrade - 1);
        return;
    }
    clsTValue value(m_err.Message());
    if (!value.SetProbability(*m_probability)) {
        throw std::runtime_error("自分の確率を使えません");
    }
    // Every result a candidate could win the grade on, with its chance: the set's chance is
    // the sum over the results within reach of a ticket, wherever they lie.
    std::vector<std::uint8_t> seen(kSingleCount, 0);
    std::vector<std::int32_t> targets;
    for (std::size_t i = 0; i < lngCandidate.size(); ++i) {
        ForEachInBall(lngCandidate[i], lngGrade, [&](std::int32_t t) {
            if (seen[static_cast<std::size_t>(t)] == 0) {
                seen[static_cast<std::size_t>(t)] = 1;
                targets.push_back(t);
            }
        });
        if ((i & 1023) == 1023) {
            YieldToWindow();
        }
    }
    std::vector<double> weight(targets.size());
    if (!value.GetPList(targets, weight)) {
        throw std::runtime_error("確率を計算できません");
    }
    m_budget.Setup(lngCandidate, targets, weight, lngGrade - 1);
}

void clsTMsEngine5::Search(std::span<const std::int32_t> lngSingle, std::int32_t lngGrade,
                           const MarkArray&)
{
    CheckGrade(lngGrade);
    m_grade = lngGrade;
    const std::int32_t count = m_settings.SeBeginCount;
    if (lngSingle.empty() || count < 1 || m_stop) {
        return;
    }
    for (const std::int32_t s : lngSingle) {
        if (!IsValidNo(s)) {
            throw std::out_of_range("シングル番号が範囲外です: " + std::to_string(s));
        }
    }
    m_seconds = BudgetSeconds(m_settings);
    m_deadline = Deadline(m_seconds);
    // The set's singles once each, in its order.
    std::vector<std::int32_t> candidates;
    {
        std::vector<std::uint8_t> seen(kSingleCount, 0);
        for (const std::int32_t s : lngSingle) {
            if (seen[static_cast<std::size_t>(s)] == 0) {
                seen[static_cast<std::size_t>(s)] = 1;
                candidates.push_back(s);
            }
        }
    }
    const auto d = std::min<std::int32_t>(count, static_cast<std::int32_t>(candidates.size()));
    m_msg.Msg(Budget(d) + "で" + std::to_string(lngGrade) + "等以上の確率を最大化中...", true,
              true);
    m_barMax = -1;
    ShowTime();
    Setup(candidates, lngGrade);
    if (m_stop) {
        m_msg.Msg("中断", true, true);
        return;
    }
    m_budget.Greedy(d);
    SayBest();
    std::int64_t lastSaid = RunTickMs();
    double said = m_budget.BestCovered();
    const bool searched = !m_budget.Complete() && d < m_budget.CandidateCount();
    if (searched) {
        const std::int64_t stall = StallLimit(d);
        while (!m_budget.Complete()) {
            m_budget.Run(kBatchMoves);
            if (m_budget.SinceImprove() > stall) {
                m_budget.Restart(std::max(1, d / 10));
            }
            ShowTime();
            if (m_budget.BestCovered() > said && RunTickMs() - lastSaid >= kSayEveryMs) {
                SayBest();
                said = m_budget.BestCovered();
                lastSaid = RunTickMs();
            }
            StopAtDeadline(m_seconds, m_deadline);
            if (YieldToWindow()) {
                break;
            }
        }
    }
    const bool timedOut = searched && PastDeadline(m_seconds, m_deadline);
    // Whatever ended the search, the best set found is the budget's: there is no smaller size
    // to fall back on.
    m_msg.Value(0);
    Confirm(lngGrade);
    m_msg.Msg(std::string(m_stopAsked ? "中断" : "確定") + "　" + ReachText(*m_reach), true, true);
    if (timedOut) {
        StopForTime();
    }
}

void clsTMsEngine5::Confirm(std::int32_t lngGrade)
{
    m_best = m_budget.BestTickets();
    Reach r;
    r.Grade = lngGrade;
    r.Tickets = static_cast<std::int32_t>(m_best.size());
    r.Weighted = m_probability.has_value();
    r.Chance = m_budget.BestCovered();
    r.Covered = r.Weighted ? 0 : std::llround(m_budget.BestCovered());
    r.Targets = r.Weighted ? 0 : m_budget.TargetCount();
    m_reach = r;
}

void clsTMsEngine5::ShowTime()
{
    const std::int64_t limit = static_cast<std::int64_t>(m_seconds) * 1000;
    const std::int64_t left = std::clamp<std::int64_t>(m_deadline - RunTickMs(), 0, limit);
    const auto steps = static_cast<std::int32_t>(limit / kBarStepMs);
    const auto value = static_cast<std::int32_t>((limit - left) / kBarStepMs);
    if (steps != m_barMax) {
        m_barMax = steps;
        m_msg.Max(steps);
    }
    m_msg.Value(value);
}

void clsTMsEngine5::SayBest()
{
    Reach r;
    r.Grade = m_grade;
    r.Weighted = m_probability.has_value();
    r.Chance = m_budget.BestCovered();
    r.Covered = std::llround(m_budget.BestCovered());
    r.Targets = m_budget.TargetCount();
    const std::int64_t left = std::max<std::int64_t>(m_deadline - RunTickMs(), 0);
    m_msg.Msg("最良 " + ReachText(r) + "　残り " + std::to_string((left + 999) / 1000) + "秒", true,
              true);
}
