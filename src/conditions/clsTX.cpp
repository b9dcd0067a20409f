#include "conditions/clsTX.h"

#include "base/FlagScope.h"

#include <limits>
#include <utility>

namespace {
constexpr std::array<std::string_view, 3> kMoneyLabels = {"１等当せん金", "２等当せん金",
                                                          "３等当せん金"};

std::string Grouped(std::int64_t n)
{
    return Currency::FromInt(n).FormatNumber(0, true);
}

} // namespace

clsTX::clsTX(clsIMessage& objMessage, clsIPump& objPump)
    : m_err(objMessage, "clsTX")
    , m_pump(objPump)
    , m_msg(objPump, objMessage)
    , m_worker(objMessage)
    , m_meisai(objMessage)
{
    m_worker.SetPump(&m_pump);
    m_worker.ProgressBegin = [this] {
        m_msg.Value(0);
        m_msg.Max(100);
    };
    m_worker.Progress = [this](std::int32_t lngValue) {
        m_msg.Value(lngValue);
        m_pump.DoEvents();
    };
    m_worker.ProgressEnd = [this] { m_msg.Value(0); };
}

void clsTX::Initialize(clsTMsgLog& objLog, std::string strVersion)
{
    m_msg.Initialize(objLog);
    m_version = std::move(strVersion);
    m_count.Initialize();
    m_meisai.Initialize(90, 90, 21);
    m_initialized = true;
}

void clsTX::Cancel()
{
    m_cancel = true;
    m_worker.Cancel(true);
}

void clsTX::CountMeisaiClear()
{
    m_count.Clear();
    m_meisai.Clear();
}

void clsTX::SetSingleFrame(const SingleFrame& lngValue, bool blnVisible)
{
    m_count.SetGridVisible(blnVisible);
    m_count.SetValue(lngValue);
}

void clsTX::SetVoteRecord(const VoteRecord& vote)
{
    m_worker.SetVoteRecord(vote);
}

void clsTX::SetProbability(const std::optional<ProbabilityRecord>& prob)
{
    m_worker.SetProbability(prob);
}

void clsTX::EndMsg(std::int32_t lngSCount)
{
    if (!m_initialized) {
        m_err.InitializeErr("EndMsg");
        return;
    }
    m_msg.Sp();
    if (lngSCount == 0) {
        m_msg.Msg("該当するパターンは存在しません", false, true);
    } else {
        m_msg.Msg("該当するパターンは " + Grouped(lngSCount) + " 存在します", false, true);
    }
}

void clsTX::UpdateMeisai(const MarkArray& lngValue, std::int32_t lngSCount,
                         const std::array<std::int32_t, 6>& lngTousen)
{
    if (lngSCount <= 0) {
        return;
    }
    m_meisai.SetValue(lngValue);
    m_meisai.SetSingleCount(lngSCount);
    m_meisai.SetTousen(lngTousen);
}

void clsTX::LogPassStart(const std::string& strLabel, std::int32_t lngPre)
{
    if (!m_anyPass) {
        m_msg.Sp();
        m_anyPass = true;
    }
    m_msg.CompMsg(strLabel, lngPre, 0, false);
}

void clsTX::LogPassEnd(const std::string& strLabel, std::int32_t lngPre, std::int32_t lngAfter)
{
    // A pass cut short by the stop command leaves its line open for the cancel message.
    if (!m_cancel) {
        m_msg.CompMsg(strLabel, lngPre, lngAfter, true);
    }
}

void clsTX::RunExtraction(const ConditionSetRecord& jouken, const MarkArray& lngValue,
                          std::int32_t& lngSCount, std::vector<std::int32_t>& lngSingle)
{
    lngSCount = 0;
    lngSingle.clear();
    if (!m_initialized) {
        m_err.InitializeErr("RunExtraction");
        return;
    }
    if (m_running) {
        return;
    }
    FlagScope running(m_running);
    try {
        m_cancel = false;
        m_worker.Cancel(false);
        m_anyPass = false;
        m_msg.Cls();
        m_msg.Msg(std::string(kAppTitle) + "  Version " + m_version, true, false);
        m_msg.Sp();
        m_worker.SetValue(lngValue);
        Body(jouken, lngSCount, lngSingle);
        if (m_cancel) {
            m_msg.Msg("実行がキャンセルされました", true, false);
            lngSCount = 0;
            lngSingle.clear();
        }
    } catch (const std::exception& e) {
        lngSCount = 0;
        lngSingle.clear();
        m_err.ReportException("RunExtraction", e);
    }
}

void clsTX::Body(const ConditionSetRecord& jouken, std::int32_t& lngSCount,
                 std::vector<std::int32_t>& lngSingle)
{
    m_worker.GetMulti(lngSCount, lngSingle);
    const std::int32_t lngMulti = lngSCount;
    m_msg.Msg("マルチ総数：" + Grouped(lngMulti), true, false);
    if (lngMulti < 1) {
        return;
    }
    // Expanding a full multi takes a while and what follows (the first pass, or the engine's
    // set-up) another while before its first step: the window gets its events between them.
    m_pump.DoEvents();
    const bool blnMachigai = jouken.MachigaiType >= 1;
    std::vector<clsTX1::MachigaiCounter> bytMachigai;
    std::vector<clsTX1::MachigaiCounter> bytKyoyou;
    if (blnMachigai) {
        bytMachigai.assign(static_cast<std::size_t>(lngMulti), 0);
        bytKyoyou.assign(static_cast<std::size_t>(lngMulti), 0);
    }

    std::array<bool, 3> blnPlan{};
    for (std::size_t i = 0; i < 3; ++i) {
        blnPlan[i] = jouken.Haitou.Enabled[i] && jouken.Haitou.Flag[i];
    }
    m_worker.PlanPayoutPasses(blnPlan);
    for (std::size_t i = 0; i < 3 && !m_cancel && lngSCount > 0; ++i) {
        if (!jouken.Haitou.Enabled[i] || !jouken.Haitou.Flag[i]) {
            continue;
        }
        const std::string strLabel(kMoneyLabels[i]);
        const std::int32_t lngPre = lngSCount;
        LogPassStart(strLabel, lngPre);
        m_worker.MoneySakugen(lngSCount, lngSingle, static_cast<std::int32_t>(i),
                              jouken.Haitou.Min[i], jouken.Haitou.Max[i], blnMachigai, bytMachigai);
        LogPassEnd(strLabel, lngPre, lngSCount);
    }
    ValuePasses(jouken.Value, lngSCount, lngSingle, blnMachigai, bytMachigai);

    for (JoukenKind kind : {JoukenKind::Honmei, JoukenKind::Ninki, JoukenKind::Mark}) {
        const auto& table = jouken.Table(kind);
        for (std::int32_t tab = 0; tab < kJoukenTabs && !m_cancel && lngSCount > 0; ++tab) {
            const ConditionTableEntry& entry = table[static_cast<std::size_t>(tab)];
            for (std::int32_t r = 0; r < entry.RowCount && !m_cancel && lngSCount > 0; ++r) {
                if (!entry.Enabled || !entry.Applied || m_worker.CountRowMarks(r, entry) < 1) {
                    continue;
                }
                const std::string strLabel = basJouken::KindName(kind) + "/" +
                                             basJouken::TabName(tab) + "/" +
                                             entry.RowTitleFor(kind, r);
                const std::int32_t lngPre = lngSCount;
                LogPassStart(strLabel, lngPre);
                m_worker.JoukenSakugen(kind, lngSCount, lngSingle, r, entry, blnMachigai,
                                       bytMachigai, bytKyoyou);
                LogPassEnd(strLabel, lngPre, lngSCount);
            }
        }
    }

    m_worker.ReleasePayoutCache();
    if (blnMachigai) {
        std::int32_t lngKept = 0;
        Correction(jouken, lngMulti, lngSingle, bytMachigai, bytKyoyou, lngKept);
        lngSCount = lngKept;
    }
}

void clsTX::ValuePasses(const ValueLimits& limits, std::int32_t& lngSCount,
                        std::vector<std::int32_t>& lngSingle, bool blnMachigai,
                        std::vector<clsTX1::MachigaiCounter>& bytMachigai)
{
    struct Pass
    {
        bool On;
        clsTX1::ValueKind Kind;
        std::string_view Label;
        double Min;
        double Max;
    };
    const double dblEVMax = limits.EVMax == kHaitouNoLimit ? std::numeric_limits<double>::infinity()
                                                           : limits.EVMax.ToDouble();
    const std::array<Pass, 2> passes = {
        Pass{limits.EVFlag, clsTX1::ValueKind::EV, "期待値", limits.EVMin.ToDouble(), dblEVMax},
        Pass{limits.PFlag, clsTX1::ValueKind::P, "１等確率", limits.PMin, limits.PMax}};
    for (const Pass& pass : passes) {
        if (!pass.On || m_cancel || lngSCount < 1) {
            continue;
        }
        if (!m_worker.HasProbability()) {
            // Not applied rather than deleting everything: the log says why.
            if (!m_anyPass) {
                m_msg.Sp();
                m_anyPass = true;
            }
            m_msg.Msg(std::string(pass.Label) + "：自分の確率がないため、この条件は使いません",
                      true, true);
            continue;
        }
        const std::string strLabel(pass.Label);
        const std::int32_t lngPre = lngSCount;
        LogPassStart(strLabel, lngPre);
        m_worker.ValueSakugen(pass.Kind, lngSCount, lngSingle, pass.Min, pass.Max, blnMachigai,
                              bytMachigai);
        LogPassEnd(strLabel, lngPre, lngSCount);
    }
}

void clsTX::Correction(const ConditionSetRecord& jouken, std::int32_t lngSCount,
                       std::vector<std::int32_t>& lngSingle,
                       const std::vector<clsTX1::MachigaiCounter>& bytMachigai,
                       const std::vector<clsTX1::MachigaiCounter>& bytKyoyou, std::int32_t& lngKept)
{
    std::array<std::int64_t, 12> lngHist{};
    const bool blnOnlyTolerated = jouken.MachigaiType == 2;
    lngKept = 0;
    for (std::int32_t i = 0; i < lngSCount; ++i) {
        const auto idx = static_cast<std::size_t>(i);
        const clsTX1::MachigaiCounter lngErrors = bytMachigai[idx];
        if (blnOnlyTolerated && lngErrors != bytKyoyou[idx]) {
            continue;
        }
        const std::size_t b = lngErrors <= 10 ? lngErrors : 11;
        ++lngHist[b];
        if (jouken.MachigaiList[b]) {
            lngSingle[static_cast<std::size_t>(lngKept)] = lngSingle[idx];
            ++lngKept;
        }
    }
    lngSingle.resize(static_cast<std::size_t>(lngKept));

    m_msg.Sp();
    for (std::size_t b = 0; b < 12; ++b) {
        const std::string strClass = b <= 10 ? clsTMsg::RightAlign(std::to_string(b), 2) : "→";
        m_msg.Msg("条件間違い分布 " + strClass + " : " +
                      clsTMsg::RightAlign(Grouped(lngHist[b]), 10),
                  true, true);
    }
    m_msg.Sp();
    m_msg.CompMsg("条件間違い補正", lngSCount, 0, false);
    m_msg.CompMsg("条件間違い補正", lngSCount, lngKept, true);
}
