#include "conditions/clsJoukenPanels.h"

#include "lottery/clsToto.h"

namespace {
constexpr std::array<JoukenKind, 3> kKinds{JoukenKind::Honmei, JoukenKind::Ninki, JoukenKind::Mark};
} // namespace

clsJoukenPanels::clsJoukenPanels(clsIMessage& objMessage, clsIClipboard& objClipboard)
    : m_err(objMessage, "clsJoukenPanels")
    , m_haitou(objMessage, objClipboard)
    , m_tables{clsXJoken1(objMessage), clsXJoken1(objMessage), clsXJoken1(objMessage)}
{
    for (std::int32_t i = 1; i <= 3; ++i) {
        m_haitou.SetMoneyObject(i);
    }
    for (JoukenKind kind : kKinds) {
        m_tables[TableIndex(kind)].Initialize(kind);
    }
    Clear();
}

std::size_t clsJoukenPanels::TableIndex(JoukenKind kind)
{
    switch (kind) {
    case JoukenKind::Ninki:
        return 1;
    case JoukenKind::Mark:
        return 2;
    case JoukenKind::Honmei:
        break;
    }
    return 0;
}

clsXJoken1& clsJoukenPanels::Table(JoukenKind kind)
{
    return m_tables[TableIndex(kind)];
}

const clsXJoken1& clsJoukenPanels::Table(JoukenKind kind) const
{
    return m_tables[TableIndex(kind)];
}

void clsJoukenPanels::SetMachigaiType(std::int32_t lngType)
{
    if (lngType < 0 || lngType > 2) {
        m_err.Report("SetMachigaiType", "補正の種類が範囲外です: " + std::to_string(lngType));
        return;
    }
    m_machigaiType = lngType;
}

bool clsJoukenPanels::SetValueLimits(const ValueLimits& limits)
{
    const auto inUnit = [](double dblP) { return dblP >= 0.0 && dblP <= 1.0; }; // false for NaN
    if (!inUnit(limits.PMin) || !inUnit(limits.PMax)) {
        m_err.Report("SetValueLimits", "確率は 0 から 1 の間で指定して下さい。");
        return false;
    }
    if (limits.EVMin < Currency{} || limits.EVMax < Currency{}) {
        m_err.Report("SetValueLimits", "期待値は 0 円以上で指定して下さい。");
        return false;
    }
    m_value = limits;
    return true;
}

ConditionSetRecord clsJoukenPanels::Gather() const
{
    ConditionSetRecord rec;
    m_haitou.GetHaitou(rec.Haitou);
    rec.Value = m_value;
    for (JoukenKind kind : kKinds) {
        auto& tabs = rec.Table(kind);
        for (std::int32_t t = 0; t < kJoukenTabs; ++t) {
            tabs[static_cast<std::size_t>(t)] = Table(kind).GetEntry(t);
        }
    }
    rec.MachigaiType = m_machigaiType;
    m_haitou.GetMachigaiFlg(rec.MachigaiList);
    return rec;
}

void clsJoukenPanels::Apply(const ConditionSetRecord& rec)
{
    m_haitou.SetHaitou(rec.Haitou);
    m_value = rec.Value;
    for (JoukenKind kind : kKinds) {
        const auto& tabs = rec.Table(kind);
        for (std::int32_t t = 0; t < kJoukenTabs; ++t) {
            Table(kind).SetEntry(t, tabs[static_cast<std::size_t>(t)]);
        }
    }
    SetMachigaiType(rec.MachigaiType);
    m_haitou.SetMachigaiFlg(rec.MachigaiList);
}

void clsJoukenPanels::Clear()
{
    m_haitou.Clear();
    m_value = ValueLimits{};
    for (clsXJoken1& table : m_tables) {
        table.Clear();
    }
    m_machigaiType = 0;
}

void clsJoukenPanels::SetScheduleRecord(const ScheduleRecord& schedule, const clsTotoData& totoData)
{
    // Looked up once: the other two tables take the same matches.
    clsXJoken1& first = m_tables[0];
    first.SetScheduleRecord(schedule, totoData);
    const std::array<bool, clsToto::kMatchCount> blnJ1 = first.GetEntry(1).MatchFlags;
    const std::array<bool, clsToto::kMatchCount> blnJ2 = first.GetEntry(2).MatchFlags;
    m_tables[1].SetJ1J2Flags(blnJ1, blnJ2);
    m_tables[2].SetJ1J2Flags(blnJ1, blnJ2);
}
