#include "engines/clsTMsEngine4.h"

#include "engines/clsTMsEngine1.h"

#include <algorithm>
#include <functional>
#include <set>
#include <stdexcept>
#include <string>

namespace {
// The window's events for a fast search run inside this engine, with this engine's pause and
// stop: fnYield lets the window run and answers whether the search was stopped.
class StopRelay final : public clsIPump
{
public:
    StopRelay(clsIPump& objPump, std::function<bool()> fnYield)
        : m_pump(objPump)
        , m_yield(std::move(fnYield))
    {}
    void DoEvents() override
    {
        if (m_yield() && Engine != nullptr) {
            Engine->EngineStop();
        }
    }
    std::int64_t TickMs() const override { return m_pump.TickMs(); }
    void SleepMs(std::int32_t lngMs) override { m_pump.SleepMs(lngMs); }
    void WaitForEvents(std::int32_t lngMs) override
    {
        m_pump.WaitForEvents(lngMs);
        DoEvents();
    }
    clsTMsEngine1* Engine = nullptr;

private:
    clsIPump& m_pump;
    std::function<bool()> m_yield;
};

// Moves between two looks at the window; a move costs about a microsecond on small spaces.
constexpr std::int64_t kBatchMoves = 2000;

// Moves without a new low before the search starts again from the last cover.
std::int64_t StallLimit(std::int32_t lngCount, std::int32_t lngTargets)
{
    return 20000 + 200 * static_cast<std::int64_t>(std::min(lngCount, lngTargets));
}
} // namespace

clsTMsEngine4::clsTMsEngine4(clsIPump& objPump, clsIMessage& objMessage, clsTRandom& objRandom)
    : clsTMsSearchEngine(objPump, objMessage, objRandom, "clsTMsEngine4")
    , m_tabu(objRandom)
{}

void clsTMsEngine4::Search(std::span<const std::int32_t> lngSingle, std::int32_t lngGrade,
                           const MarkArray& lngMulti)
{
    CheckGrade(lngGrade);
    if (lngSingle.empty()) {
        return;
    }
    const std::int32_t exGrade = ExtensionGrade(lngGrade);
    std::vector<std::int32_t> candidates;
    if (exGrade > 0) {
        candidates = ExtendedCandidates(lngSingle, exGrade, lngMulti, m_err.Message());
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
    if (begin >= 1 && m_knownCodes) {
        begin = StartFromKnownCode(begin);
    }
    // Below the sphere bound no cover exists; searching on would only run out the time.
    const std::int32_t lowest = std::max(m_tabu.LowerBound(), 1);
    const auto step = [this](std::int32_t d) { SearchStep(d); };
    if (m_best.empty() && begin < lowest) {
        SayFastStart("口で保証を満たす組み合わせは存在しないため");
        begin = StartFromFastSearch(lngSingle, lngGrade);
    }
    Descend(begin, lowest, step);
    // Nothing confirmed and no stop asked: the first size ran out of time. A run that ends
    // with no cover keeps nothing of the set, so the search goes on from one that exists.
    if (m_best.empty() && !m_stopAsked) {
        SayFastStart("口では保証を満たす組み合わせが見つからなかったため");
        m_stop = false;
        Descend(StartFromFastSearch(lngSingle, lngGrade), lowest, step);
    }
}

void clsTMsEngine4::SayFastStart(const std::string& strWhy)
{
    m_msg.Sp();
    m_msg.Msg(std::to_string(m_settings.BeginCount) + strWhy + "、高速検索の口数から検索します",
              true, true);
}

std::int32_t clsTMsEngine4::StartFromFastSearch(std::span<const std::int32_t> lngSingle,
                                                std::int32_t lngGrade)
{
    // The fast search runs on the same log and window; a pause or stop of this engine holds
    // or ends it at its event points.
    StopRelay relay(m_pump, [this] { return YieldToWindow(); });
    clsTMsEngine1 fast(relay, m_err.Message());
    relay.Engine = &fast;
    fast.Initialize(*m_log);
    if (!fast.EngineStart(lngSingle, lngGrade)) {
        throw std::runtime_error(fast.LastError().Description);
    }
    const std::vector<std::int32_t> cover = fast.SingleData();
    if (cover.empty()) {
        return 0; // stopped
    }
    std::vector<std::int32_t> local;
    local.reserve(cover.size());
    for (const std::int32_t s : cover) {
        local.push_back(m_tabu.ToLocal(s));
    }
    m_tabu.SetSlots(local);
    return ConfirmStart();
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
    return ConfirmStart();
}

std::int32_t clsTMsEngine4::ConfirmStart()
{
    const auto k = static_cast<std::int32_t>(m_tabu.Slots().size());
    m_msg.Msg(std::to_string(k) + "を検索中...", false, true);
    m_msg.Msg("確定", true, false);
    m_best = m_tabu.Slots();
    if (k <= m_settings.EndCount) {
        StopForCount();
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
    const std::int64_t deadline = Deadline(endTime);

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
            StopAtDeadline(endTime, deadline);
            if (YieldToWindow()) {
                break;
            }
        }
    }
    EndSize(searched && PastDeadline(endTime, deadline), [this] { m_best = m_tabu.Slots(); });
}
