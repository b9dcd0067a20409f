#include "engines/clsTMsEngine.h"

#include "engines/clsTMsEngine1.h"
#include "engines/clsTMsEngine2.h"
#include "engines/clsTMsEngine3.h"
#include "engines/clsTMsEngine4.h"
#include "engines/clsTMsEngine5.h"
#include "engines/clsTWeightedDraw.h"
#include "lottery/clsTMoney.h"
#include "lottery/clsTProbability.h"
#include "lottery/clsTValue.h"

#include <algorithm>
#include <array>
#include <span>
#include <stdexcept>
#include <string>

namespace {
// Clears the running flag and forgets the engine on every way out of a run.
class RunScope
{
public:
    RunScope(bool& blnRun, bool& blnPauseRequest, clsTMsEngine::EngineKind& kind,
             std::unique_ptr<clsIMsEngine>& engine)
        : m_run(blnRun)
        , m_pauseRequest(blnPauseRequest)
        , m_kind(kind)
        , m_engine(engine)
    {
        m_run = true;
    }
    ~RunScope()
    {
        m_run = false;
        m_pauseRequest = false;
        m_kind = clsTMsEngine::EngineKind::None;
        m_engine.reset();
    }
    RunScope(const RunScope&) = delete;
    RunScope& operator=(const RunScope&) = delete;

private:
    bool& m_run;
    bool& m_pauseRequest;
    clsTMsEngine::EngineKind& m_kind;
    std::unique_ptr<clsIMsEngine>& m_engine;
};

// What each MsEngine value runs, and at which guarantee grade.
struct EngineChoice
{
    clsTMsEngine::EngineKind Kind;
    std::int32_t Grade;
};

constexpr std::int32_t kEngineCount = 9;

EngineChoice ChoiceOf(std::int32_t lngMsEngine)
{
    using K = clsTMsEngine::EngineKind;
    // The budget engine's grade is its own setting (SeGrade).
    static constexpr std::array<EngineChoice, kEngineCount> kChoice{{{K::None, 1},
                                                                     {K::Fast, 2},
                                                                     {K::Trial, 2},
                                                                     {K::Fast, 3},
                                                                     {K::Trial, 3},
                                                                     {K::Optimisation, 2},
                                                                     {K::Tabu, 2},
                                                                     {K::Tabu, 3},
                                                                     {K::Budget, 0}}};
    static_assert(kChoice.size() == kEngineCount);
    if (lngMsEngine < 0 || lngMsEngine >= static_cast<std::int32_t>(kChoice.size())) {
        throw std::invalid_argument("エンジンの種類が正しくありません: " +
                                    std::to_string(lngMsEngine));
    }
    return kChoice[static_cast<std::size_t>(lngMsEngine)];
}

std::unique_ptr<clsIMsEngine> MakeEngine(clsTMsEngine::EngineKind kind, clsIPump& objPump,
                                         clsIMessage& objMessage, clsTRandom& objRandom,
                                         clsTMsEngine1::Workspace& objFastWorkspace,
                                         const std::optional<ProbabilityRecord>& prob)
{
    using K = clsTMsEngine::EngineKind;
    switch (kind) {
    case K::Fast:
        return std::make_unique<clsTMsEngine1>(objPump, objMessage, objFastWorkspace);
    case K::Trial:
        return std::make_unique<clsTMsEngine2>(objPump, objMessage, objRandom);
    case K::Optimisation:
        return std::make_unique<clsTMsEngine3>(objPump, objMessage, objRandom);
    case K::Tabu:
        return std::make_unique<clsTMsEngine4>(objPump, objMessage, objRandom);
    case K::Budget:
        return std::make_unique<clsTMsEngine5>(objPump, objMessage, objRandom, prob);
    case K::None:
        break;
    }
    return nullptr;
}
} // namespace

clsTMsEngine::clsTMsEngine(clsIPump& objPump, clsIMessage& objMessage)
    : m_pump(objPump)
    , m_message(objMessage)
    , m_err(objMessage, "clsTMsEngine")
    , m_msg(objPump, objMessage)
{}

clsTMsEngine::clsTMsEngine(clsIPump& objPump, clsIMessage& objMessage, std::uint64_t lngSeed)
    : m_pump(objPump)
    , m_message(objMessage)
    , m_err(objMessage, "clsTMsEngine")
    , m_msg(objPump, objMessage)
    , m_random(lngSeed)
{}

clsTMsEngine::~clsTMsEngine() = default;

void clsTMsEngine::Initialize(clsTMsgLog& objLog)
{
    m_log = &objLog;
    m_msg.Initialize(objLog);
}

bool clsTMsEngine::KnownEngine(std::int32_t lngMsEngine)
{
    return lngMsEngine >= 0 && lngMsEngine < kEngineCount;
}

bool clsTMsEngine::Pausable(std::int32_t lngMsEngine)
{
    if (!KnownEngine(lngMsEngine)) {
        return false;
    }
    const EngineKind kind = ChoiceOf(lngMsEngine).Kind;
    return kind == EngineKind::Trial || kind == EngineKind::Optimisation ||
           kind == EngineKind::Tabu || kind == EngineKind::Budget;
}

void clsTMsEngine::EnginePause(bool blnValue)
{
    m_pauseRequest = blnValue;
    if (m_engine) {
        m_engine->EnginePause(blnValue);
    }
}

void clsTMsEngine::EngineStop()
{
    m_stopRequest = m_run;
    if (m_engine) {
        m_engine->EngineStop();
    }
}

void clsTMsEngine::ReportFailure(const ErrorRecord& err)
{
    m_message.ShowMessage(MsgIcon::Error,
                          err.Description + " ( " + std::to_string(err.Number) + " )",
                          "MsEngine Err");
    EngineStop();
}

bool clsTMsEngine::EngineRun(std::int32_t& lngSCount, std::vector<std::int32_t>& lngSingle,
                             const EngineSettingsRecord& udtSettings, const MarkArray& lngMulti,
                             TousenArray& lngTousen)
{
    if (m_log == nullptr) {
        m_err.InitializeErr("EngineRun");
        return false;
    }
    // The window never re-enters a run; a second call during one is refused, not nested.
    if (m_run) {
        return false;
    }
    RunScope scope(m_run, m_pauseRequest, m_kind, m_engine);
    m_stopRequest = false;
    m_failure.clear();
    m_startCount = 0;
    m_reach.reset();
    try {
        if (lngSCount < 0 || static_cast<std::size_t>(lngSCount) > lngSingle.size()) {
            throw std::out_of_range("シングル数が一覧の長さと合いません: " +
                                    std::to_string(lngSCount));
        }
        const std::vector<std::int32_t> base(lngSingle.begin(), lngSingle.begin() + lngSCount);
        if (!RunEngine(lngSCount, lngSingle, udtSettings, lngMulti)) {
            return false;
        }
        if (udtSettings.ChushutsuFlag) {
            const std::int32_t before = lngSCount;
            Extract(lngSCount, lngSingle, udtSettings);
            // The extraction took tickets away: the budget's figure is no longer the set's.
            if (lngSCount != before) {
                m_reach.reset();
            }
        }
        lngTousen.fill(0);
        if ((udtSettings.MsEngine != 0 || udtSettings.ChushutsuFlag) && !base.empty() &&
            lngSCount >= 1) {
            m_pump.DoEvents();
            clsTProbability probability(m_pump);
            const std::span<const std::int32_t> result(lngSingle.data(),
                                                       static_cast<std::size_t>(lngSCount));
            if (!probability.GetTousen(base, result, lngTousen)) {
                ReportFailure(probability.LastError());
                return false;
            }
        }
        return true;
    } catch (const std::exception& e) {
        ReportFailure(clsErrorReporter::FromException(e));
        return false;
    }
}

bool clsTMsEngine::RunEngine(std::int32_t& lngSCount, std::vector<std::int32_t>& lngSingle,
                             const EngineSettingsRecord& udtSettings, const MarkArray& lngMulti)
{
    const std::span<const std::int32_t> set(lngSingle.data(), static_cast<std::size_t>(lngSCount));
    const EngineChoice choice = ChoiceOf(udtSettings.MsEngine);
    if (choice.Kind == EngineKind::None) {
        return true;
    }
    m_engine = MakeEngine(choice.Kind, m_pump, m_message, m_random, m_fastWorkspace, m_probability);
    m_engine->Initialize(*m_log);
    m_engine->SetCacheLimit(m_cacheLimit);
    m_engine->EnginePause(m_pauseRequest);
    m_kind = choice.Kind;
    const std::int32_t grade =
        choice.Kind == EngineKind::Budget ? udtSettings.SeGrade : choice.Grade;
    const bool ok = m_engine->EngineStart(set, grade, udtSettings, lngMulti);
    const ErrorRecord err = m_engine->LastError();
    m_startCount = m_engine->StartCount();
    if (const auto* budget = dynamic_cast<const clsTMsEngine5*>(m_engine.get())) {
        m_reach = budget->LastReach();
    }
    std::vector<std::int32_t> result = m_engine->SingleData();
    const bool cacheFailed = m_engine->CacheFailed();
    // Nothing after the engine waits in a pause.
    m_pauseRequest = false;
    m_kind = EngineKind::None;
    m_engine.reset();
    // The cache box has been shown; nothing was searched, so the set stays as it was instead
    // of being replaced by an empty result.
    if (ok && cacheFailed) {
        return false;
    }
    if (!ok) {
        ReportFailure(err);
        return false;
    }
    // An empty set in place of a non-empty one is no compression: the run fails and the set
    // stays, whatever ended the search.
    if (!set.empty() && result.empty()) {
        if (m_stopRequest) {
            m_failure = "組み合わせが確定する前に中断したため、圧縮を中止しました";
        } else if (choice.Kind == EngineKind::Trial) {
            m_failure = std::to_string(udtSettings.BeginCount) +
                        "口では保証を満たす組み合わせが見つからないため、圧縮を中止しました。"
                        "開始口数を増やして下さい";
        } else {
            m_failure = "組み合わせが見つからないため、圧縮を中止しました";
        }
        m_msg.Sp();
        m_msg.Msg(m_failure, true, true);
        return false;
    }
    lngSingle = std::move(result);
    lngSCount = static_cast<std::int32_t>(lngSingle.size());
    return true;
}

std::vector<std::int32_t> clsTMsEngine::ByProbability(std::span<const std::int32_t> lngSingle,
                                                      std::int32_t c)
{
    clsTValue value(m_message);
    std::vector<double> weight(lngSingle.size());
    if (!value.SetProbability(*m_probability) || !value.GetPList(lngSingle, weight)) {
        throw std::runtime_error("確率を計算できません");
    }
    clsTWeightedDraw draw(weight);
    std::vector<std::int32_t> out;
    for (const std::size_t i : draw.Draw(c, m_random)) {
        out.push_back(lngSingle[i]);
    }
    return out;
}

std::vector<std::int32_t> clsTMsEngine::ByPayout(std::span<const std::int32_t> lngSingle,
                                                 std::int32_t c, std::int32_t lngType) const
{
    clsTMoney money(m_message);
    money.SetVote(m_vote);
    std::vector<Currency> payout(lngSingle.size());
    if (!money.GetMoneyList(lngSingle, payout, {}, {})) {
        return {};
    }
    if (std::all_of(payout.begin(), payout.end(), [](Currency v) { return v == Currency(); })) {
        return {};
    }
    // Ascending payout, ties by ticket number; high payouts are taken from the top, again
    // lowest ticket number first among equals.
    std::vector<std::size_t> order(lngSingle.size());
    for (std::size_t i = 0; i < order.size(); ++i) {
        order[i] = i;
    }
    const bool high = lngType == 1;
    std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        if (payout[a] != payout[b]) {
            return high ? payout[b] < payout[a] : payout[a] < payout[b];
        }
        return lngSingle[a] < lngSingle[b];
    });
    const auto n = static_cast<std::int32_t>(order.size());
    // The middle: the c around the median.
    const std::int32_t first = lngType == 2 ? (n - c) / 2 : 0;
    std::vector<std::int32_t> out;
    out.reserve(static_cast<std::size_t>(c));
    for (std::int32_t i = first; i < first + c; ++i) {
        out.push_back(lngSingle[order[static_cast<std::size_t>(i)]]);
    }
    return out;
}

void clsTMsEngine::Extract(std::int32_t& lngSCount, std::vector<std::int32_t>& lngSingle,
                           const EngineSettingsRecord& udtSettings)
{
    const std::int32_t n = lngSCount;
    const std::int32_t c = std::max(udtSettings.ChushutsuCount, 0);
    if (c >= n) {
        return;
    }
    m_msg.Sp();
    m_msg.CompMsg("抽出", n, 0, false);
    std::vector<std::int32_t> work(lngSingle.begin(), lngSingle.begin() + n);
    std::vector<std::int32_t> result;
    result.reserve(static_cast<std::size_t>(c));
    const bool byProbability = udtSettings.ChushutsuType == kChushutsuByProbability;
    const std::int32_t type = udtSettings.ChushutsuType;
    if (type >= 1 && type <= 3) {
        result = ByPayout(std::span<const std::int32_t>(work.data(), work.size()), c, type);
        if (result.empty()) {
            m_msg.Msg("投票率から配当を推定できないため、ランダムで抽出します", true, true);
        }
    } else if (type < 0 || type > kChushutsuByProbability) {
        // A damaged file's type would otherwise draw at random without a word.
        m_msg.Msg("抽出方法 " + std::to_string(type) + " は使えないため、ランダムで抽出します",
                  true, true);
    } else if (byProbability && m_probability) {
        // Fewer than c only when fewer singles have a chance at all.
        result = ByProbability(std::span<const std::int32_t>(work.data(), work.size()), c);
    } else if (byProbability) {
        m_msg.Msg("自分の確率がないため、ランダムで抽出します", true, true);
    }
    // Without a vote status there is no payout to order by: those types draw at random too.
    if (result.empty() && !(byProbability && m_probability)) {
        std::int32_t m = n;
        for (std::int32_t i = 0; i < c; ++i) {
            const std::int32_t k = m_random.NextIndex(m);
            result.push_back(work[k]);
            work[k] = work[m - 1];
            --m;
        }
    }
    m_msg.CompMsg("抽出", n, static_cast<std::int32_t>(result.size()), true);
    lngSingle = std::move(result);
    lngSCount = static_cast<std::int32_t>(lngSingle.size());
}
