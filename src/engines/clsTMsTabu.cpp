#include "engines/clsTMsTabu.h"

#include "engines/clsTKnownCode.h"
#include "lottery/basBall.h"
#include "lottery/clsToto.h"

#include <limits>
#include <stdexcept>
#include <string>

namespace {
// Far above any count a real target can reach (at most one per slot, and slots are few).
constexpr std::int32_t kNotTarget = 1 << 30;
} // namespace

// Calls f for every number of the ball of radius m_radius around x (digits d).
template <class F> void clsTMsTabu::ForBall(std::int32_t x, const Digits& d, F&& f) const
{
    f(x);
    for (std::int32_t k = 0; k < m_n; ++k) {
        for (std::int32_t v = 0; v < m_width[k]; ++v) {
            if (v != d[k]) {
                f(x + (v - d[k]) * m_stride[k]);
            }
        }
    }
    if (m_radius < 2) {
        return;
    }
    for (std::int32_t p = 0; p + 1 < m_n; ++p) {
        for (std::int32_t a = 0; a < m_width[p]; ++a) {
            if (a == d[p]) {
                continue;
            }
            const std::int32_t xp = x + (a - d[p]) * m_stride[p];
            for (std::int32_t q = p + 1; q < m_n; ++q) {
                for (std::int32_t b = 0; b < m_width[q]; ++b) {
                    if (b != d[q]) {
                        f(xp + (b - d[q]) * m_stride[q]);
                    }
                }
            }
        }
    }
}

void clsTMsTabu::ReadSpace(std::span<const std::int32_t> lngTarget,
                           std::span<const std::int32_t> lngCandidate)
{
    // The outcomes used per match; matches with one of them fold into m_base.
    std::array<std::uint32_t, clsToto::kMatchCount> mask{};
    auto mark = [&](std::int32_t s) {
        if (!basBall::IsValidNo(s)) {
            throw std::out_of_range("シングル番号が範囲外です: " + std::to_string(s));
        }
        for (std::int32_t m = 0; m < clsToto::kMatchCount; ++m) {
            mask[m] |= 1u << (s % 3);
            s /= 3;
        }
    };
    std::size_t step = 0;
    for (const std::int32_t s : lngTarget) {
        mark(s);
        YieldEvery(++step);
    }
    for (const std::int32_t s : lngCandidate) {
        mark(s);
        YieldEvery(++step);
    }
    m_n = 0;
    m_base = 0;
    std::int32_t stride = 1;
    for (std::int32_t m = 0; m < clsToto::kMatchCount; ++m) {
        std::array<std::int32_t, 3> codes{};
        std::int32_t w = 0;
        for (std::int32_t c = 0; c < 3; ++c) {
            if ((mask[m] >> c) & 1u) {
                codes[w++] = c;
            }
        }
        if (w < 2) {
            m_base += codes[0] * basBall::kPow[m];
            continue;
        }
        const std::int32_t k = m_n++;
        m_match[k] = m;
        m_width[k] = w;
        m_stride[k] = stride;
        m_code[k] = codes;
        m_digitOf[k] = {-1, -1, -1};
        for (std::int32_t v = 0; v < w; ++v) {
            m_digitOf[k][codes[v]] = v;
        }
        stride *= w;
    }
    m_size = stride;
}

clsTMsTabu::clsTMsTabu(clsTRandom& objRandom)
    : m_random(objRandom)
{}

void clsTMsTabu::Setup(std::span<const std::int32_t> lngTarget,
                       std::span<const std::int32_t> lngCandidate, std::int32_t lngRadius)
{
    if (lngRadius != 1 && lngRadius != 2) {
        throw std::invalid_argument("保証の距離は 1 か 2 です: " + std::to_string(lngRadius));
    }
    if (lngTarget.empty() || lngCandidate.empty()) {
        throw std::invalid_argument("対象と候補が必要です");
    }
    m_radius = lngRadius;
    ReadSpace(lngTarget, lngCandidate);
    m_cov.assign(static_cast<std::size_t>(m_size), kNotTarget);
    m_targetCount = 0;
    std::size_t step = 0;
    for (const std::int32_t s : lngTarget) {
        const std::int32_t x = ToLocal(s);
        if (m_cov[x] == kNotTarget) {
            m_cov[x] = 0;
            ++m_targetCount;
        }
        YieldEvery(++step);
    }
    m_uncovered.assign(static_cast<std::size_t>(m_targetCount), 0);
    m_uncoveredPos.assign(static_cast<std::size_t>(m_size), -1);
    m_uncoveredCount = 0;
    for (std::int32_t x = 0; x < m_size; ++x) {
        if (m_cov[x] == 0) {
            m_uncoveredPos[x] = m_uncoveredCount;
            m_uncovered[m_uncoveredCount++] = x;
        }
    }
    m_isCandidate.assign(static_cast<std::size_t>(m_size), 0);
    m_candidates.clear();
    for (const std::int32_t s : lngCandidate) {
        const std::int32_t x = ToLocal(s);
        if (m_isCandidate[x] == 0) {
            m_isCandidate[x] = 1;
            m_candidates.push_back(x);
        }
        YieldEvery(++step);
    }
    m_head.assign(static_cast<std::size_t>(m_size), -1);
    m_weight.assign(static_cast<std::size_t>(m_size), 1);
    m_slot.clear();
    m_next.clear();
    m_tabuUntil.clear();
    m_iteration = 0;
    BeginPhase();
}

std::int32_t clsTMsTabu::BallSize() const
{
    std::int32_t one = 0;
    std::int32_t two = 0;
    for (std::int32_t p = 0; p < m_n; ++p) {
        for (std::int32_t q = p + 1; q < m_n; ++q) {
            two += (m_width[p] - 1) * (m_width[q] - 1);
        }
        one += m_width[p] - 1;
    }
    return 1 + one + (m_radius >= 2 ? two : 0);
}

std::int32_t clsTMsTabu::LowerBound() const
{
    const std::int32_t ball = BallSize();
    return (m_targetCount + ball - 1) / ball;
}

std::vector<std::int32_t> clsTMsTabu::KnownStart() const
{
    if (m_n == 0 || 2 * static_cast<std::int64_t>(m_targetCount) < m_size) {
        return {};
    }
    const std::vector<std::int32_t> widths(m_width.begin(), m_width.begin() + m_n);
    std::vector<std::int32_t> out;
    const std::vector<std::int32_t> code = clsTKnownCode::Build(widths, m_radius);
    if (m_yield) {
        m_yield();
    }
    std::size_t step = 0;
    for (const std::int32_t x : code) {
        YieldEvery(++step);
        if (m_isCandidate[x] == 0) {
            continue;
        }
        Digits d;
        Decode(x, d);
        bool any = false;
        ForBall(x, d, [&](std::int32_t t) { any = any || m_cov[t] < kNotTarget; });
        if (any) {
            out.push_back(x);
        }
    }
    return out;
}

std::int32_t clsTMsTabu::ToLocal(std::int32_t lngNo) const
{
    std::int32_t local = 0;
    std::int32_t rest = lngNo;
    for (std::int32_t k = 0; k < m_n; ++k) {
        const std::int32_t p = basBall::kPow[m_match[k]];
        const std::int32_t code = lngNo / p % 3;
        const std::int32_t digit = m_digitOf[k][code];
        if (digit < 0) {
            return -1;
        }
        local += digit * m_stride[k];
        rest -= code * p;
    }
    return rest == m_base ? local : -1;
}

std::int32_t clsTMsTabu::ToTicket(std::int32_t lngLocal) const
{
    std::int32_t no = m_base;
    for (std::int32_t k = 0; k < m_n; ++k) {
        const std::int32_t digit = lngLocal / m_stride[k] % m_width[k];
        no += m_code[k][digit] * basBall::kPow[m_match[k]];
    }
    return no;
}

std::vector<std::int32_t> clsTMsTabu::Tickets(const std::vector<std::int32_t>& lngSlot) const
{
    std::vector<std::int32_t> v;
    v.reserve(lngSlot.size());
    for (const std::int32_t x : lngSlot) {
        v.push_back(ToTicket(x));
    }
    return v;
}

void clsTMsTabu::Decode(std::int32_t lngLocal, Digits& d) const
{
    for (std::int32_t k = 0; k < m_n; ++k) {
        d[k] = static_cast<std::uint8_t>(lngLocal / m_stride[k] % m_width[k]);
    }
}

void clsTMsTabu::Add(std::int32_t lngSlot, std::int32_t lngLocal)
{
    m_slot[lngSlot] = lngLocal;
    m_next[lngSlot] = m_head[lngLocal];
    m_head[lngLocal] = lngSlot;
    Digits d;
    Decode(lngLocal, d);
    std::int32_t* cov = m_cov.data();
    ForBall(lngLocal, d, [&](std::int32_t t) {
        if (cov[t]++ == 0) {
            const std::int32_t p = m_uncoveredPos[t];
            const std::int32_t last = m_uncovered[--m_uncoveredCount];
            m_uncovered[p] = last;
            m_uncoveredPos[last] = p;
        }
    });
}

void clsTMsTabu::Remove(std::int32_t lngSlot)
{
    const std::int32_t c = m_slot[lngSlot];
    if (c < 0) {
        return;
    }
    std::int32_t* link = &m_head[c];
    while (*link != lngSlot) {
        link = &m_next[*link];
    }
    *link = m_next[lngSlot];
    m_slot[lngSlot] = -1;
    Digits d;
    Decode(c, d);
    std::int32_t* cov = m_cov.data();
    ForBall(c, d, [&](std::int32_t t) {
        if (--cov[t] == 0) {
            m_uncoveredPos[t] = m_uncoveredCount;
            m_uncovered[m_uncoveredCount++] = t;
        }
    });
}

std::int32_t clsTMsTabu::CountCovered(std::int32_t lngLocal, const Digits& d,
                                      std::int32_t lngCov) const
{
    const std::int32_t* cov = m_cov.data();
    std::int32_t n = 0;
    ForBall(lngLocal, d, [&](std::int32_t t) { n += cov[t] == lngCov; });
    return n;
}

std::int64_t clsTMsTabu::WeightCovered(std::int32_t lngLocal, const Digits& d,
                                       std::int32_t lngCov) const
{
    const std::int32_t* cov = m_cov.data();
    const std::int32_t* w = m_weight.data();
    std::int64_t n = 0;
    ForBall(lngLocal, d, [&](std::int32_t t) { n += cov[t] == lngCov ? w[t] : 0; });
    return n;
}

// Targets that only c covers and that c shifted in match lngSkip no longer reaches: those at
// the full radius from c that agree with c in that match.
std::int64_t clsTMsTabu::LossOfShift(std::int32_t lngLocal, const Digits& d,
                                     std::int32_t lngSkip) const
{
    const std::int32_t* cov = m_cov.data();
    const std::int32_t* w = m_weight.data();
    std::int64_t n = 0;
    if (m_radius == 1) {
        for (std::int32_t k = 0; k < m_n; ++k) {
            if (k == lngSkip) {
                continue;
            }
            for (std::int32_t v = 0; v < m_width[k]; ++v) {
                if (v != d[k]) {
                    const std::int32_t t = lngLocal + (v - d[k]) * m_stride[k];
                    n += cov[t] == 1 ? w[t] : 0;
                }
            }
        }
        return n;
    }
    for (std::int32_t p = 0; p + 1 < m_n; ++p) {
        if (p == lngSkip) {
            continue;
        }
        for (std::int32_t a = 0; a < m_width[p]; ++a) {
            if (a == d[p]) {
                continue;
            }
            const std::int32_t xp = lngLocal + (a - d[p]) * m_stride[p];
            for (std::int32_t q = p + 1; q < m_n; ++q) {
                if (q == lngSkip) {
                    continue;
                }
                for (std::int32_t b = 0; b < m_width[q]; ++b) {
                    if (b != d[q]) {
                        const std::int32_t t = xp + (b - d[q]) * m_stride[q];
                        n += cov[t] == 1 ? w[t] : 0;
                    }
                }
            }
        }
    }
    return n;
}

void clsTMsTabu::SetSlots(const std::vector<std::int32_t>& lngSlot)
{
    for (std::int32_t j = static_cast<std::int32_t>(m_slot.size()) - 1; j >= 0; --j) {
        Remove(j);
    }
    const std::size_t n = lngSlot.size();
    m_slot.assign(n, -1);
    m_next.assign(n, -1);
    m_tabuUntil.assign(n, 0);
    for (std::size_t j = 0; j < n; ++j) {
        Add(static_cast<std::int32_t>(j), lngSlot[j]);
        YieldEvery(j + 1);
    }
    BeginPhase();
}

void clsTMsTabu::SetRandom(std::int32_t lngSlots)
{
    std::vector<std::int32_t> v(static_cast<std::size_t>(lngSlots));
    const auto nc = static_cast<std::int32_t>(m_candidates.size());
    for (auto& x : v) {
        x = m_candidates[m_random.NextIndex(nc)];
    }
    SetSlots(v);
}

std::int32_t clsTMsTabu::LeastUseful()
{
    std::int32_t best = -1;
    std::int32_t bestCount = std::numeric_limits<std::int32_t>::max();
    std::int32_t ties = 0;
    for (std::int32_t j = 0; j < static_cast<std::int32_t>(m_slot.size()); ++j) {
        Digits d;
        Decode(m_slot[j], d);
        const std::int32_t unique = CountCovered(m_slot[j], d, 1);
        if (unique < bestCount) {
            bestCount = unique;
            best = j;
            ties = 1;
        } else if (unique == bestCount && m_random.NextIndex(++ties) == 0) {
            best = j;
        }
    }
    return best;
}

void clsTMsTabu::DropSlot(std::int32_t lngSlot)
{
    const std::int32_t last = static_cast<std::int32_t>(m_slot.size()) - 1;
    Remove(lngSlot);
    if (lngSlot != last) {
        const std::int32_t moved = m_slot[last];
        Remove(last);
        Add(lngSlot, moved);
        m_tabuUntil[lngSlot] = m_tabuUntil[last];
    }
    m_slot.pop_back();
    m_next.pop_back();
    m_tabuUntil.pop_back();
    BeginPhase();
}

void clsTMsTabu::CompleteCover()
{
    for (std::size_t step = 1; m_uncoveredCount > 0; ++step) {
        YieldEvery(step);
        const std::int32_t x = m_uncovered[0];
        Digits dx;
        Decode(x, dx);
        std::int32_t best = -1;
        std::int32_t bestGain = -1;
        ForBall(x, dx, [&](std::int32_t c) {
            if (m_isCandidate[c] == 0) {
                return;
            }
            Digits dc;
            Decode(c, dc);
            const std::int32_t gain = CountCovered(c, dc, 0);
            if (gain > bestGain) {
                bestGain = gain;
                best = c;
            }
        });
        if (best < 0) {
            throw std::logic_error("対象を覆う候補がありません");
        }
        const auto j = static_cast<std::int32_t>(m_slot.size());
        m_slot.push_back(-1);
        m_next.push_back(-1);
        m_tabuUntil.push_back(0);
        Add(j, best);
    }
}

void clsTMsTabu::DropRedundant()
{
    for (std::int32_t j = static_cast<std::int32_t>(m_slot.size()) - 1; j >= 0; --j) {
        YieldEvery(static_cast<std::size_t>(j) + 1);
        Digits d;
        Decode(m_slot[j], d);
        // Removing slots only makes the others more needed, so one pass from the end is enough;
        // the slot moved into j was already looked at.
        if (CountCovered(m_slot[j], d, 1) == 0) {
            DropSlot(j);
        }
    }
}

void clsTMsTabu::BeginPhase()
{
    m_phaseBest = m_uncoveredCount;
    m_improvedAt = m_iteration;
}

void clsTMsTabu::Run(std::int64_t lngIterations)
{
    for (std::int64_t i = 0; i < lngIterations && m_uncoveredCount > 0; ++i) {
        Step();
    }
}

// The best move found so far for the uncovered target of a step.
struct clsTMsTabu::Move
{
    std::int64_t BestDelta = std::numeric_limits<std::int64_t>::max();
    std::int32_t Ties = 0;
    std::int32_t Slot = -1;
    std::int32_t To = -1;
    bool Noisy = false;
};

void clsTMsTabu::ConsiderShifts(std::int32_t cp, const Digits& dcp, Move& move)
{
    // Every slot one match away from candidate cp, which would cover the step's target.
    if (m_isCandidate[cp] == 0) {
        return;
    }
    const std::int32_t* head = m_head.data();
    std::int64_t gain = -1;
    for (std::int32_t k = 0; k < m_n; ++k) {
        for (std::int32_t v = 0; v < m_width[k]; ++v) {
            if (v == dcp[k]) {
                continue;
            }
            const std::int32_t c = cp + (v - dcp[k]) * m_stride[k];
            std::int32_t j = head[c];
            if (j < 0) {
                continue;
            }
            // Of several slots on one ticket, any free one will do.
            for (std::int32_t i = j; i >= 0; i = m_next[i]) {
                if (m_tabuUntil[i] <= m_iteration) {
                    j = i;
                    break;
                }
            }
            if (gain < 0) {
                gain = WeightCovered(cp, dcp, 0);
            }
            Digits dc = dcp;
            dc[k] = static_cast<std::uint8_t>(v);
            const std::int64_t delta = LossOfShift(c, dc, k) - gain;
            // Unweighted, a tabu move that reaches a new low is taken all the same.
            const bool tabu = m_tabuUntil[j] > m_iteration;
            if (tabu && (m_weighted || m_uncoveredCount + delta >= m_phaseBest)) {
                continue;
            }
            const std::int64_t key = move.Noisy ? 0 : delta;
            if (key < move.BestDelta) {
                move.BestDelta = key;
                move.Ties = 1;
                move.Slot = j;
                move.To = cp;
            } else if (key == move.BestDelta && m_random.NextIndex(++move.Ties) == 0) {
                move.Slot = j;
                move.To = cp;
            }
        }
    }
}

void clsTMsTabu::ConsiderBall(std::int32_t x, const Digits& dx, Move& move)
{
    ConsiderShifts(x, dx, move);
    for (std::int32_t k = 0; k < m_n; ++k) {
        for (std::int32_t v = 0; v < m_width[k]; ++v) {
            if (v == dx[k]) {
                continue;
            }
            Digits d = dx;
            d[k] = static_cast<std::uint8_t>(v);
            ConsiderShifts(x + (v - dx[k]) * m_stride[k], d, move);
        }
    }
    if (m_radius < 2) {
        return;
    }
    for (std::int32_t p = 0; p + 1 < m_n; ++p) {
        for (std::int32_t a = 0; a < m_width[p]; ++a) {
            if (a == dx[p]) {
                continue;
            }
            for (std::int32_t q = p + 1; q < m_n; ++q) {
                for (std::int32_t b = 0; b < m_width[q]; ++b) {
                    if (b == dx[q]) {
                        continue;
                    }
                    Digits d = dx;
                    d[p] = static_cast<std::uint8_t>(a);
                    d[q] = static_cast<std::uint8_t>(b);
                    ConsiderShifts(x + (a - dx[p]) * m_stride[p] + (b - dx[q]) * m_stride[q], d,
                                   move);
                }
            }
        }
    }
}

void clsTMsTabu::Reweight()
{
    // Targets that stay uncovered weigh more and more, which pulls the search out of the
    // plateaus where every move keeps the count.
    std::int32_t* w = m_weight.data();
    bool rescale = false;
    for (std::int32_t i = 0; i < m_uncoveredCount; ++i) {
        rescale = ++w[m_uncovered[i]] > (1 << 28) || rescale;
    }
    if (rescale) {
        for (auto& v : m_weight) {
            v = (v + 1) / 2;
        }
    }
}

void clsTMsTabu::Step()
{
    ++m_iteration;
    const std::int32_t x = m_uncovered[m_random.NextIndex(m_uncoveredCount)];
    Digits dx;
    Decode(x, dx);
    Move move;
    move.Noisy = m_noise > 0.0 && m_random.Next() < m_noise;
    ConsiderBall(x, dx, move);

    if (move.Slot < 0) {
        // No ticket lies one match away (sparse candidates, or all such moves tabu): put a
        // random slot onto a random candidate that covers x.
        std::int32_t n = 0;
        ForBall(x, dx, [&](std::int32_t t) {
            if (m_isCandidate[t] != 0 && m_random.NextIndex(++n) == 0) {
                move.To = t;
            }
        });
        if (move.To < 0) {
            return;
        }
        move.Slot = m_random.NextIndex(static_cast<std::int32_t>(m_slot.size()));
    }
    Remove(move.Slot);
    Add(move.Slot, move.To);
    m_tabuUntil[move.Slot] = m_iteration + m_tenure + 1;
    if (m_weighted) {
        Reweight();
    }
    if (m_uncoveredCount < m_phaseBest) {
        m_phaseBest = m_uncoveredCount;
        m_improvedAt = m_iteration;
    }
}
