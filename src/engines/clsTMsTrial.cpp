#include "engines/clsTMsTrial.h"

#include "lottery/basBall.h"

#include <limits>
#include <new>
#include <stdexcept>
#include <string>

using namespace basBall;

namespace {
constexpr std::int32_t kEmptySlot = -1;
} // namespace

clsTMsTrial::clsTMsTrial(clsIPump& objPump, clsIMessage& objMessage, clsTMsg& objMsg)
    : m_pump(objPump)
    , m_message(objMessage)
    , m_msg(objMsg)
{}

void clsTMsTrial::SetTargets(std::span<const std::int32_t> lngTarget)
{
    for (const std::int32_t s : lngTarget) {
        if (!IsValidNo(s)) {
            throw std::out_of_range("シングル番号が範囲外です: " + std::to_string(s));
        }
    }
    m_targetIndex.assign(kSingleCount, -1);
    m_targets.clear();
    m_targets.reserve(lngTarget.size());
    // Over the full multi this first touch of two large blocks takes tens of milliseconds:
    // the window gets its events on the way.
    constexpr std::size_t kPumpEvery = std::size_t{1} << 18;
    for (std::size_t i = 0; i < lngTarget.size(); ++i) {
        const std::int32_t s = lngTarget[i];
        if (m_targetIndex[s] < 0) {
            m_targetIndex[s] = static_cast<std::int32_t>(m_targets.size());
            m_targets.push_back(s);
        }
        if ((i + 1) % kPumpEvery == 0) {
            m_pump.DoEvents();
        }
    }
}

void clsTMsTrial::SetCandidates(std::vector<std::int32_t> lngCandidate)
{
    m_candidates = std::move(lngCandidate);
}

bool clsTMsTrial::BuildCache(std::int32_t lngGrade, const bool& blnStop)
{
    m_msg.Sp();
    m_msg.Msg("キャッシュ構築中...", true, true);
    const auto count = static_cast<std::int32_t>(m_candidates.size());
    // Two walks over the candidates: one to size the block, one to fill it, so the cache is a
    // single allocation of exactly the entries it holds. The bar runs across both.
    m_msg.Max(2 * count - 1);
    const std::int32_t step = (count - 1 + 50) / 100 + 1;
    const std::int32_t* index = m_targetIndex.data();
    try {
        m_cache.reset();
        m_cacheSize = 0;
        m_start.assign(static_cast<std::size_t>(count) + 1, 0);
        std::int64_t total = 0;
        for (std::int32_t j = 0; j < count; ++j) {
            m_start[j] = static_cast<std::uint32_t>(total);
            ForEachInBall(m_candidates[j], lngGrade,
                          [&](std::int32_t x) { total += index[x] >= 0; });
            if (total > m_cacheLimit || total > std::numeric_limits<std::uint32_t>::max()) {
                throw std::bad_alloc();
            }
            if ((j + 1) % step == 0) {
                m_msg.Value(j);
                m_pump.DoEvents();
                if (blnStop) {
                    m_msg.Value(0);
                    return false;
                }
            }
        }
        m_start[count] = static_cast<std::uint32_t>(total);
        m_cache = std::make_unique_for_overwrite<std::uint32_t[]>(static_cast<std::size_t>(total));
        m_cacheSize = total;
        std::uint32_t* out = m_cache.get();
        for (std::int32_t j = 0; j < count; ++j) {
            ForEachInBall(m_candidates[j], lngGrade, [&](std::int32_t x) {
                const std::int32_t t = index[x];
                if (t >= 0) {
                    *out++ = static_cast<std::uint32_t>(t);
                }
            });
            if ((j + 1) % step == 0) {
                m_msg.Value(count + j);
                m_pump.DoEvents();
                if (blnStop) {
                    m_msg.Value(0);
                    return false;
                }
            }
        }
        m_coverage.assign(m_targets.size(), 0);
    } catch (const std::exception& e) {
        m_cache.reset();
        m_cacheSize = 0;
        m_start.clear();
        m_msg.Value(0);
        const ErrorRecord err = clsErrorReporter::FromException(e);
        m_message.ShowMessage(MsgIcon::Error,
                              err.Description + " ( " + std::to_string(err.Number) + " )",
                              "Cache Initialize Err");
        return false;
    }
    m_msg.Value(0);
    return true;
}

void clsTMsTrial::ResetSolution(std::int32_t lngSlots)
{
    m_slot.assign(static_cast<std::size_t>(lngSlots), kEmptySlot);
    m_coverage.assign(m_targets.size(), 0);
    m_uncovered = static_cast<std::int32_t>(m_targets.size());
}

void clsTMsTrial::Add(std::int32_t lngCandidate)
{
    std::int32_t* cov = m_coverage.data();
    std::int32_t gained = 0;
    for (const std::uint32_t *p = Begin(lngCandidate), *e = End(lngCandidate); p != e; ++p) {
        gained += cov[*p]++ == 0;
    }
    m_uncovered -= gained;
}

void clsTMsTrial::Remove(std::int32_t lngCandidate)
{
    std::int32_t* cov = m_coverage.data();
    std::int32_t lost = 0;
    for (const std::uint32_t *p = Begin(lngCandidate), *e = End(lngCandidate); p != e; ++p) {
        lost += --cov[*p] == 0;
    }
    m_uncovered += lost;
}

void clsTMsTrial::Fill(std::int32_t lngSlot, std::int32_t lngCandidate)
{
    Replace(lngSlot, lngCandidate);
}

void clsTMsTrial::Replace(std::int32_t lngSlot, std::int32_t lngCandidate)
{
    if (m_slot[lngSlot] != kEmptySlot) {
        Remove(m_slot[lngSlot]);
    }
    m_slot[lngSlot] = lngCandidate;
    Add(lngCandidate);
}

bool clsTMsTrial::Try(std::int32_t lngSlot, std::int32_t lngCandidate)
{
    const std::int32_t old = m_slot[lngSlot];
    std::int32_t* cov = m_coverage.data();
    std::int32_t lost = 0;
    for (const std::uint32_t *p = Begin(old), *e = End(old); p != e; ++p) {
        lost += --cov[*p] == 0;
    }
    std::int32_t gained = 0;
    for (const std::uint32_t *p = Begin(lngCandidate), *e = End(lngCandidate); p != e; ++p) {
        gained += cov[*p] == 0;
    }
    if (lost - gained <= 0) {
        for (const std::uint32_t *p = Begin(lngCandidate), *e = End(lngCandidate); p != e; ++p) {
            ++cov[*p];
        }
        m_slot[lngSlot] = lngCandidate;
        m_uncovered += lost - gained;
        return true;
    }
    for (const std::uint32_t *p = Begin(old), *e = End(old); p != e; ++p) {
        ++cov[*p];
    }
    return false;
}

std::vector<std::int32_t> clsTMsTrial::Tickets(const std::vector<std::int32_t>& lngSlot) const
{
    std::vector<std::int32_t> v;
    v.reserve(lngSlot.size());
    for (const std::int32_t c : lngSlot) {
        v.push_back(m_candidates[c]);
    }
    return v;
}
