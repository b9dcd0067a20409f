#include "conditions/ConditionSetRecord.h"

namespace {
// One switch for the writable and the read-only form.
template <class Set> auto& TableOf(Set& set, JoukenKind kind)
{
    switch (kind) {
    case JoukenKind::Ninki:
        return set.Ninki;
    case JoukenKind::Mark:
        return set.Mark;
    case JoukenKind::Honmei:
        break;
    }
    return set.Honmei;
}
} // namespace

ConditionSetRecord::ConditionSetRecord()
{
    Clear();
}

void ConditionSetRecord::Clear()
{
    const std::array<bool, 3> blnEnabled = Haitou.Enabled;
    Haitou = HaitouLimits{};
    Haitou.Enabled = blnEnabled;
    Value = ValueLimits{};
    for (JoukenKind kind : {JoukenKind::Honmei, JoukenKind::Ninki, JoukenKind::Mark}) {
        auto& table = Table(kind);
        for (std::int32_t i = 0; i < kJoukenTabs; ++i) {
            table[static_cast<std::size_t>(i)] = ConditionTableEntry::Cleared(kind, i);
        }
    }
    MachigaiType = 0;
    MachigaiList = {};
    MachigaiList[0] = true;
}

std::array<ConditionTableEntry, kJoukenTabs>& ConditionSetRecord::Table(JoukenKind kind)
{
    return TableOf(*this, kind);
}

const std::array<ConditionTableEntry, kJoukenTabs>& ConditionSetRecord::Table(JoukenKind kind) const
{
    return TableOf(*this, kind);
}
