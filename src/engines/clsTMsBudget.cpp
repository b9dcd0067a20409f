#include "engines/clsTMsBudget.h"

#include "lottery/basBall.h"

#include <queue>

#include <algorithm>
#include <stdexcept>
#include <string>
#include <utility>

using namespace basBall;

namespace {
// Uncovered targets drawn per move; the heaviest of them is the one the move covers, so moves
// lean toward the likely results without ignoring the rest.
constexpr std::int32_t kTournament = 3;

void RequireValid(std::int32_t lngNo)
{
    if (!IsValidNo(lngNo)) {
        throw std::out_of_range("シングル番号が範囲外です: " + std::to_string(lngNo));
    }
}
} // namespace

clsTMsBudget::clsTMsBudget(clsTRandom& objRandom)
    : m_random(objRandom)
{}

void clsTMsBudget::Setup(std::span<const std::int32_t> lngCandidate,
                         std::span<const std::int32_t> lngTarget, std::span<const double> dblWeight,
                         std::int32_t lngRadius)
{
    if (lngRadius != 1 && lngRadius != 2) {
        throw std::invalid_argument("半径は 1 か 2 です: " + std::to_string(lngRadius));
    }
    if (lngTarget.size() != dblWeight.size()) {
        throw std::invalid_argument("重みの数が対象の数と合いません");
    }
    m_grade = lngRadius + 1;
    m_weight.assign(kSingleCount, 0.0);
    m_cov.assign(kSingleCount, 0);
    m_owner.assign(kSingleCount, 0);
    m_uncoveredPos.assign(kSingleCount, -1);
    m_candOf.assign(kSingleCount, -1);
    m_target.clear();
    m_uncovered.clear();
    m_cand.clear();
    m_total = 0.0;
    for (std::size_t i = 0; i < lngTarget.size(); ++i) {
        const std::int32_t t = lngTarget[i];
        RequireValid(t);
        const double w = dblWeight[i];
        if (!(w > 0.0) || m_weight[static_cast<std::size_t>(t)] > 0.0) {
            continue;
        }
        m_weight[static_cast<std::size_t>(t)] = w;
        m_uncoveredPos[static_cast<std::size_t>(t)] = static_cast<std::int32_t>(m_target.size());
        m_target.push_back(t);
        m_total += w;
        YieldEvery(i);
    }
    m_uncovered = m_target;
    m_uncoveredCount = static_cast<std::int32_t>(m_target.size());
    for (std::size_t i = 0; i < lngCandidate.size(); ++i) {
        const std::int32_t c = lngCandidate[i];
        RequireValid(c);
        if (m_candOf[static_cast<std::size_t>(c)] < 0) {
            m_candOf[static_cast<std::size_t>(c)] = static_cast<std::int32_t>(m_cand.size());
            m_cand.push_back(c);
        }
        YieldEvery(i);
    }
    m_candSlot.assign(m_cand.size(), -1);
    m_candTabu.assign(m_cand.size(), 0);
    m_slot.clear();
    m_loss.clear();
    m_slotTabu.clear();
    m_best.clear();
    m_covered = 0.0;
    m_bestCovered = 0.0;
    // Far below the smallest weight a sum of a million of them could lose to rounding.
    m_epsilon = m_total * 1e-12;
    m_iteration = 0;
    m_improvedAt = 0;
}

void clsTMsBudget::Add(std::int32_t lngSlot, std::int32_t lngCand)
{
    const auto s = static_cast<std::size_t>(lngSlot);
    m_slot[s] = lngCand;
    m_candSlot[static_cast<std::size_t>(lngCand)] = lngSlot;
    double loss = 0.0;
    ForEachInBall(m_cand[static_cast<std::size_t>(lngCand)], m_grade, [&](std::int32_t t) {
        const auto k = static_cast<std::size_t>(t);
        const double w = m_weight[k];
        if (w == 0.0) {
            return;
        }
        const std::int32_t cov = m_cov[k];
        if (cov == 0) {
            m_covered += w;
            loss += w;
            // Out of the uncovered list: the last one takes its place.
            const std::int32_t pos = m_uncoveredPos[k];
            const std::int32_t last = m_uncovered[static_cast<std::size_t>(--m_uncoveredCount)];
            m_uncovered[static_cast<std::size_t>(pos)] = last;
            m_uncoveredPos[static_cast<std::size_t>(last)] = pos;
            m_uncoveredPos[k] = -1;
        } else if (cov == 1) {
            m_loss[static_cast<std::size_t>(m_owner[k])] -= w;
        }
        m_cov[k] = cov + 1;
        m_owner[k] += lngSlot;
    });
    m_loss[s] = loss;
}

void clsTMsBudget::Remove(std::int32_t lngSlot)
{
    const auto s = static_cast<std::size_t>(lngSlot);
    const std::int32_t cand = m_slot[s];
    ForEachInBall(m_cand[static_cast<std::size_t>(cand)], m_grade, [&](std::int32_t t) {
        const auto k = static_cast<std::size_t>(t);
        const double w = m_weight[k];
        if (w == 0.0) {
            return;
        }
        const std::int32_t cov = --m_cov[k];
        m_owner[k] -= lngSlot;
        if (cov == 0) {
            m_covered -= w;
            m_uncoveredPos[k] = m_uncoveredCount;
            m_uncovered[static_cast<std::size_t>(m_uncoveredCount++)] = t;
        } else if (cov == 1) {
            m_loss[static_cast<std::size_t>(m_owner[k])] += w;
        }
    });
    m_loss[s] = 0.0;
    m_candSlot[static_cast<std::size_t>(cand)] = -1;
    m_slot[s] = -1;
}

double clsTMsBudget::Evaluate(std::int32_t lngCand)
{
    double gain = 0.0;
    ForEachInBall(m_cand[static_cast<std::size_t>(lngCand)], m_grade, [&](std::int32_t t) {
        const auto k = static_cast<std::size_t>(t);
        const double w = m_weight[k];
        if (w == 0.0) {
            return;
        }
        const std::int32_t cov = m_cov[k];
        if (cov == 0) {
            gain += w;
        } else if (cov == 1) {
            const auto o = static_cast<std::size_t>(m_owner[k]);
            if (m_isTouched[o] == 0) {
                m_isTouched[o] = 1;
                m_touched.push_back(m_owner[k]);
            }
            m_overlap[o] += w;
        }
    });
    return gain;
}

void clsTMsBudget::ClearTouched()
{
    for (const std::int32_t o : m_touched) {
        m_isTouched[static_cast<std::size_t>(o)] = 0;
        m_overlap[static_cast<std::size_t>(o)] = 0.0;
    }
    m_touched.clear();
}

void clsTMsBudget::Greedy(std::int32_t lngCount)
{
    const std::int32_t n = std::min(std::max(lngCount, 0), CandidateCount());
    m_slot.assign(static_cast<std::size_t>(n), -1);
    m_loss.assign(static_cast<std::size_t>(n), 0.0);
    m_slotTabu.assign(static_cast<std::size_t>(n), 0);
    m_overlap.assign(static_cast<std::size_t>(n), 0.0);
    m_isTouched.assign(static_cast<std::size_t>(n), 0);
    // Gains only fall as tickets are taken, so a candidate whose recomputed gain still heads
    // the queue is the best one (lazy greedy). Among equal gains the earlier candidate first.
    using Entry = std::pair<double, std::int32_t>;
    auto later = [](const Entry& a, const Entry& b) {
        return a.first != b.first ? a.first < b.first : a.second > b.second;
    };
    std::priority_queue<Entry, std::vector<Entry>, decltype(later)> queue(later);
    for (std::int32_t c = 0; c < CandidateCount(); ++c) {
        queue.emplace(Evaluate(c), c);
        ClearTouched();
        YieldEvery(static_cast<std::size_t>(c));
    }
    std::int32_t filled = 0;
    while (filled < n && !queue.empty()) {
        const Entry top = queue.top();
        queue.pop();
        const double gain = Evaluate(top.second);
        ClearTouched();
        const Entry now{gain, top.second};
        if (queue.empty() || !later(now, queue.top())) {
            Add(filled++, top.second);
        } else {
            queue.push(now);
        }
        YieldEvery(static_cast<std::size_t>(filled));
    }
    Recount();
    m_best = m_slot;
    m_bestCovered = m_covered;
    m_improvedAt = m_iteration;
}

void clsTMsBudget::Recount()
{
    // The running sum drifts by rounding over millions of moves; the sum of the uncovered is
    // the shorter walk when most are covered, but both are exact enough from a fresh start.
    double covered = 0.0;
    for (const std::int32_t t : m_target) {
        if (m_cov[static_cast<std::size_t>(t)] > 0) {
            covered += m_weight[static_cast<std::size_t>(t)];
        }
    }
    m_covered = covered;
}

void clsTMsBudget::RecordBest()
{
    if (m_covered > m_bestCovered + m_epsilon) {
        m_best = m_slot;
        m_bestCovered = m_covered;
        m_improvedAt = m_iteration;
    }
}

void clsTMsBudget::Step()
{
    ++m_iteration;
    const auto slots = static_cast<std::int32_t>(m_slot.size());
    // The target to cover: the heaviest of a few drawn.
    std::int32_t x = m_uncovered[static_cast<std::size_t>(m_random.NextIndex(m_uncoveredCount))];
    for (std::int32_t i = 1; i < kTournament; ++i) {
        const std::int32_t y =
            m_uncovered[static_cast<std::size_t>(m_random.NextIndex(m_uncoveredCount))];
        if (m_weight[static_cast<std::size_t>(y)] > m_weight[static_cast<std::size_t>(x)]) {
            x = y;
        }
    }
    // The slot that loses least, of those free to move (random among equals).
    std::int32_t cheapest = -1;
    std::int32_t ties = 0;
    for (std::int32_t s = 0; s < slots; ++s) {
        if (m_slotTabu[static_cast<std::size_t>(s)] > m_iteration) {
            continue;
        }
        const double loss = m_loss[static_cast<std::size_t>(s)];
        if (cheapest < 0 || loss < m_loss[static_cast<std::size_t>(cheapest)] - m_epsilon) {
            cheapest = s;
            ties = 1;
        } else if (loss <= m_loss[static_cast<std::size_t>(cheapest)] + m_epsilon &&
                   m_random.NextIndex(++ties) == 0) {
            cheapest = s;
        }
    }
    double bestDelta = 0.0;
    std::int32_t bestCand = -1;
    std::int32_t bestSlot = -1;
    std::int32_t bestTies = 0;
    const auto consider = [&](std::int32_t c, std::int32_t s, double delta, bool tabu) {
        if (tabu && !(m_covered + delta > m_bestCovered + m_epsilon)) {
            return; // a tabu move only for a new best
        }
        if (bestCand < 0 || delta > bestDelta + m_epsilon) {
            bestDelta = delta;
            bestCand = c;
            bestSlot = s;
            bestTies = 1;
        } else if (delta >= bestDelta - m_epsilon && m_random.NextIndex(++bestTies) == 0) {
            bestCand = c;
            bestSlot = s;
        }
    };
    ForEachInBall(x, m_grade, [&](std::int32_t no) {
        const std::int32_t c = m_candOf[static_cast<std::size_t>(no)];
        if (c < 0 || m_candSlot[static_cast<std::size_t>(c)] >= 0) {
            return;
        }
        const bool candTabu = m_candTabu[static_cast<std::size_t>(c)] > m_iteration;
        const double gain = Evaluate(c);
        if (cheapest >= 0) {
            const auto k = static_cast<std::size_t>(cheapest);
            consider(c, cheapest, gain - m_loss[k] + m_overlap[k], candTabu);
        }
        for (const std::int32_t s : m_touched) {
            const auto k = static_cast<std::size_t>(s);
            consider(c, s, gain - m_loss[k] + m_overlap[k],
                     candTabu || m_slotTabu[k] > m_iteration);
        }
        ClearTouched();
    });
    if (bestCand < 0) {
        return;
    }
    const std::int32_t old = m_slot[static_cast<std::size_t>(bestSlot)];
    Remove(bestSlot);
    Add(bestSlot, bestCand);
    // The ticket that left stays out for a while, the one that came stays in for a little.
    m_candTabu[static_cast<std::size_t>(old)] = m_iteration + 7 + m_random.NextIndex(5);
    m_slotTabu[static_cast<std::size_t>(bestSlot)] = m_iteration + std::min(2, slots - 1);
    RecordBest();
}

void clsTMsBudget::Run(std::int64_t lngMoves)
{
    if (m_slot.empty()) {
        return;
    }
    for (std::int64_t i = 0; i < lngMoves && m_uncoveredCount > 0; ++i) {
        Step();
    }
}

void clsTMsBudget::Restart(std::int32_t lngKicks)
{
    if (m_slot.empty()) {
        return;
    }
    const auto slots = static_cast<std::int32_t>(m_slot.size());
    for (std::int32_t s = 0; s < slots; ++s) {
        Remove(s);
    }
    for (std::int32_t s = 0; s < slots; ++s) {
        Add(s, m_best[static_cast<std::size_t>(s)]);
    }
    const std::int32_t free = CandidateCount() - slots;
    for (std::int32_t k = 0; k < lngKicks && free > 0; ++k) {
        std::int32_t c = m_random.NextIndex(CandidateCount());
        while (m_candSlot[static_cast<std::size_t>(c)] >= 0) {
            c = c + 1 == CandidateCount() ? 0 : c + 1;
        }
        const std::int32_t s = m_random.NextIndex(slots);
        Remove(s);
        Add(s, c);
    }
    std::fill(m_slotTabu.begin(), m_slotTabu.end(), 0);
    std::fill(m_candTabu.begin(), m_candTabu.end(), 0);
    Recount();
    m_improvedAt = m_iteration;
}

std::vector<std::int32_t> clsTMsBudget::BestTickets() const
{
    std::vector<std::int32_t> out;
    out.reserve(m_best.size());
    for (const std::int32_t c : m_best) {
        out.push_back(m_cand[static_cast<std::size_t>(c)]);
    }
    return out;
}
