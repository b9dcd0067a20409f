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

// The progress bar moves in tenths of a second.
constexpr std::int64_t kBarStepMs = 100;

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
    m_startCount = 0;
    if (lngSingle.empty()) {
        return;
    }
    // The whole run has one limit: a size the search cannot reach would otherwise hold it for
    // ever, and the player cannot tell how close a smaller cover is.
    m_seconds = MinimumCountSeconds(m_settings);
    m_deadline = Deadline(m_seconds);
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
    // Reading a space of a million singles takes most of a second: the window keeps its
    // events (a stop asked meanwhile is seen once the set-up is done).
    m_tabu.SetYield([this] { YieldToWindow(); });
    m_tabu.Setup(lngSingle, candidates, lngGrade - 1);
    if (m_stop) {
        return;
    }

    // Every size above a cover in hand is found at once, so the search starts from the
    // smallest cover a construction gives: the known code where the space is dense, else the
    // fast search's.
    std::int32_t begin = m_knownCodes ? StartFromKnownCode() : 0;
    if (m_best.empty()) {
        begin = StartFromFastSearch(lngSingle, lngGrade);
    }
    if (m_best.empty()) {
        return; // stopped before the first cover
    }
    if (!m_stop && PastDeadline(m_seconds, m_deadline)) {
        StopForTime();
    }
    // Below the sphere bound no cover exists: the run ends there by itself.
    const std::int32_t lowest = std::max(m_tabu.LowerBound(), 1);
    Descend(begin, lowest, [this](std::int32_t d) { SearchStep(d); });
    m_msg.Value(0);
}

void clsTMsEngine4::ShowTime()
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

void clsTMsEngine4::SayBest()
{
    const std::int64_t left = std::max<std::int64_t>(m_deadline - RunTickMs(), 0);
    m_msg.Msg("最小 " + std::to_string(m_best.size()) + "口　残り " +
                  std::to_string((left + 999) / 1000) + "秒",
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

std::int32_t clsTMsEngine4::StartFromKnownCode()
{
    std::vector<std::int32_t> start = m_tabu.KnownStart();
    if (start.empty()) {
        return 0;
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
    m_startCount = k;
    SayBest();
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
    // The bar shows the time used of the run's limit: coverage sits near full at every size
    // the search can almost reach, and says nothing about how long it will go on.
    m_barMax = -1;
    ShowTime();

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
            ShowTime();
            StopAtDeadline(m_seconds, m_deadline);
            if (YieldToWindow()) {
                break;
            }
        }
    }
    EndSize(searched && PastDeadline(m_seconds, m_deadline), [this] {
        m_best = m_tabu.Slots();
        SayBest();
    });
    // The time goes on between sizes; the bar does not drop back.
    ShowTime();
}
