#include "conditions/clsXJoken1.h"

#include "lottery/ScheduleRecord.h"
#include "lottery/clsToto.h"
#include "reference/clsTotoData.h"

clsXJoken1::clsXJoken1(clsIMessage& objMessage)
    : m_err(objMessage, "clsXJoken1")
{}

void clsXJoken1::Initialize(JoukenKind kind)
{
    m_kind = kind;
    m_initialized = true;
    Clear();
}

bool clsXJoken1::Ready(std::string_view strOperation) const
{
    if (!m_initialized) {
        m_err.InitializeErr(strOperation);
    }
    return m_initialized;
}

void clsXJoken1::Clear()
{
    if (!Ready("Clear")) {
        return;
    }
    for (std::int32_t i = 0; i < kJoukenTabs; ++i) {
        m_tabs[static_cast<std::size_t>(i)] = ConditionTableEntry::Cleared(m_kind, i);
    }
    m_compoundRow = -1;
    m_compoundTicks.clear();
    ShowTab(0);
}

void clsXJoken1::Refresh()
{
    NotifyChanged();
}

void clsXJoken1::ShowTab(std::int32_t lngTab)
{
    if (!Ready("ShowTab") || lngTab < 0 || lngTab >= kJoukenTabs) {
        return;
    }
    m_tab = lngTab;
    NotifyChanged();
    if (TabClick) {
        TabClick(lngTab);
    }
}

const ConditionTableEntry& clsXJoken1::Shown() const
{
    return m_tabs[static_cast<std::size_t>(m_tab)];
}

ConditionTableEntry& clsXJoken1::ShownMutable()
{
    return m_tabs[static_cast<std::size_t>(m_tab)];
}

bool clsXJoken1::AppliedChecked() const
{
    return Shown().Applied;
}

bool clsXJoken1::AppliedEnabled() const
{
    return Shown().Enabled;
}

void clsXJoken1::SetApplied(bool blnValue)
{
    if (!Ready("SetApplied") || !Shown().Enabled) {
        return;
    }
    ShownMutable().Applied = blnValue;
    NotifyChanged();
}

void clsXJoken1::GetTaisho(CellFlags& blnValue) const
{
    const ConditionTableEntry& e = Shown();
    for (std::size_t c = 0; c < 3; ++c) {
        for (std::size_t m = 0; m < clsToto::kMatchCount; ++m) {
            blnValue[c][m] = e.ResultFlags[c] && e.MatchFlags[m];
        }
    }
}

void clsXJoken1::SetScheduleRecord(const ScheduleRecord& schedule, const clsTotoData& totoData)
{
    try {
        std::array<bool, clsToto::kMatchCount> blnJ1{};
        std::array<bool, clsToto::kMatchCount> blnJ2{};
        for (std::size_t m = 0; m < clsToto::kMatchCount; ++m) {
            const ScheduleMatch& match = schedule.Match[m];
            if (match.Home.empty()) {
                continue;
            }
            const std::string strDiv =
                totoData.GetShortToJ1J2String(match.Home, match.GameDate.Year());
            blnJ1[m] = strDiv == "J1";
            blnJ2[m] = strDiv == "J2";
        }
        SetJ1J2Flags(blnJ1, blnJ2);
    } catch (const std::exception& e) {
        m_err.ReportException("SetScheduleRecord", e);
    }
}

void clsXJoken1::SetJ1J2Flags(const std::array<bool, clsToto::kMatchCount>& blnJ1,
                              const std::array<bool, clsToto::kMatchCount>& blnJ2)
{
    if (!Ready("SetScheduleRecord")) {
        return;
    }
    m_tabs[1].MatchFlags = blnJ1;
    m_tabs[2].MatchFlags = blnJ2;
    if (m_tab == 1 || m_tab == 2) {
        NotifyChanged();
        NotifyTaisho();
    }
}

ConditionTableEntry clsXJoken1::GetEntry(std::int32_t lngTab) const
{
    if (lngTab < 0 || lngTab >= kJoukenTabs) {
        m_err.Report("GetEntry", "タブ番号が範囲外です: " + std::to_string(lngTab));
        return ConditionTableEntry::Cleared(m_kind, 0);
    }
    ConditionTableEntry e = m_tabs[static_cast<std::size_t>(lngTab)];
    e.RowTitles.assign(static_cast<std::size_t>(e.RowCount), std::string());
    for (std::int32_t r = 0; r < e.RowCount; ++r) {
        e.RowTitles[static_cast<std::size_t>(r)] = e.BuildRowTitle(m_kind, r);
    }
    return e;
}

void clsXJoken1::SetEntry(std::int32_t lngTab, const ConditionTableEntry& entry)
{
    if (!Ready("SetEntry")) {
        return;
    }
    if (lngTab < 0 || lngTab >= kJoukenTabs) {
        m_err.Report("SetEntry", "タブ番号が範囲外です: " + std::to_string(lngTab));
        return;
    }
    m_tabs[static_cast<std::size_t>(lngTab)] = entry;
    if (lngTab == m_tab) {
        NotifyChanged();
    }
}

bool clsXJoken1::CellClick(std::int32_t lngCount, std::int32_t lngRow, bool blnRight, bool blnShift,
                           bool blnCtrl)
{
    if (!m_initialized || ClickCancel() || !Shown().IsValidCell(lngCount, lngRow)) {
        return false;
    }
    ConditionTableEntry& e = ShownMutable();
    if (blnShift) {
        e.MarkRange(lngCount, lngRow, !blnRight, kCountDelete);
    } else if (blnCtrl) {
        e.MarkRange(lngCount, lngRow, !blnRight, kCountTolerate);
    } else if (!blnRight) {
        e.ToggleCell(lngCount, lngRow);
    } else {
        return false;
    }
    NotifyChanged();
    return true;
}

void clsXJoken1::CellMenu(std::int32_t lngCount, std::int32_t lngRow, CellAction action)
{
    if (!m_initialized || ClickCancel() || !Shown().IsValidCell(lngCount, lngRow)) {
        return;
    }
    ConditionTableEntry& e = ShownMutable();
    switch (action) {
    case CellAction::Erase:
        e.SetMark(lngCount, lngRow, kCountBlank);
        break;
    case CellAction::Delete:
        e.SetMark(lngCount, lngRow, kCountDelete);
        break;
    case CellAction::Tolerate:
        e.SetMark(lngCount, lngRow, kCountTolerate);
        break;
    case CellAction::EraseRow:
        e.SetRow(lngRow, kCountBlank);
        break;
    case CellAction::LeftDelete:
        e.MarkRange(lngCount, lngRow, true, kCountDelete);
        break;
    case CellAction::RightDelete:
        e.MarkRange(lngCount, lngRow, false, kCountDelete);
        break;
    case CellAction::LeftTolerate:
        e.MarkRange(lngCount, lngRow, true, kCountTolerate);
        break;
    case CellAction::RightTolerate:
        e.MarkRange(lngCount, lngRow, false, kCountTolerate);
        break;
    }
    NotifyChanged();
}

void clsXJoken1::HeadMenu(HeadAction action)
{
    if (!m_initialized || ClickCancel()) {
        return;
    }
    const std::uint8_t bytMark = action == HeadAction::EraseAll    ? kCountBlank
                                 : action == HeadAction::DeleteAll ? kCountDelete
                                                                   : kCountTolerate;
    ShownMutable().SetAll(bytMark);
    NotifyChanged();
}

std::string clsXJoken1::CellText(std::int32_t lngCount, std::int32_t lngRow) const
{
    switch (Shown().Mark(lngCount, lngRow)) {
    case kCountDelete:
        return "×";
    case kCountTolerate:
        return "△";
    default:
        return {};
    }
}

std::string clsXJoken1::RowTitle(std::int32_t lngRow) const
{
    return Shown().BuildRowTitle(m_kind, lngRow);
}

void clsXJoken1::RequestKouseiBunseki(std::int32_t lngRow)
{
    if (!m_initialized || lngRow < 0 || lngRow >= Shown().RowCount) {
        return;
    }
    if (KoseiBunseki) {
        KoseiBunseki(m_tab, lngRow);
    }
}

bool clsXJoken1::CompoundOpen(std::int32_t lngRow)
{
    if (!m_initialized || ClickCancel() || lngRow < 0 || lngRow >= Shown().RowCount) {
        return false;
    }
    m_compoundRow = lngRow;
    m_compoundTicks = Shown().RowCategories[static_cast<std::size_t>(lngRow)];
    return true;
}

void clsXJoken1::CompoundToggle(std::int32_t lngCategory)
{
    if (m_compoundRow < 0 || lngCategory < 0 ||
        static_cast<std::size_t>(lngCategory) >= m_compoundTicks.size()) {
        return;
    }
    m_compoundTicks[static_cast<std::size_t>(lngCategory)] =
        !m_compoundTicks[static_cast<std::size_t>(lngCategory)];
}

bool clsXJoken1::CompoundOkEnabled() const
{
    if (m_compoundRow < 0) {
        return false;
    }
    std::size_t n = 0;
    for (bool b : m_compoundTicks) {
        n += b ? 1 : 0;
    }
    return n >= 1 && n < m_compoundTicks.size();
}

bool clsXJoken1::CompoundOk()
{
    if (!CompoundOkEnabled()) {
        return false;
    }
    ShownMutable().RowCategories[static_cast<std::size_t>(m_compoundRow)] = m_compoundTicks;
    CompoundCancel();
    NotifyChanged();
    return true;
}

void clsXJoken1::CompoundCancel()
{
    m_compoundRow = -1;
    m_compoundTicks.clear();
}

bool clsXJoken1::EditTargets(const std::function<void(ConditionTableEntry&)>& edit)
{
    if (!m_initialized || !TargetListsVisible()) {
        return false;
    }
    edit(ShownMutable());
    NotifyChanged();
    NotifyTaisho();
    return true;
}

bool clsXJoken1::ToggleMatch(std::int32_t lngMatch)
{
    if (lngMatch < 0 || lngMatch >= clsToto::kMatchCount) {
        return false;
    }
    return EditTargets([&](ConditionTableEntry& e) {
        auto& b = e.MatchFlags[static_cast<std::size_t>(lngMatch)];
        b = !b;
    });
}

bool clsXJoken1::SetAllMatches(bool blnValue)
{
    return EditTargets([&](ConditionTableEntry& e) { e.MatchFlags.fill(blnValue); });
}

bool clsXJoken1::ToggleResultRow(std::int32_t lngRow)
{
    if (lngRow < 0 || lngRow >= 3) {
        return false;
    }
    const auto c = static_cast<std::size_t>(kResultRowOutcome[static_cast<std::size_t>(lngRow)]);
    return EditTargets([&](ConditionTableEntry& e) { e.ResultFlags[c] = !e.ResultFlags[c]; });
}

bool clsXJoken1::SetAllResults(bool blnValue)
{
    return EditTargets([&](ConditionTableEntry& e) { e.ResultFlags.fill(blnValue); });
}

void clsXJoken1::NotifyChanged() const
{
    if (Changed) {
        Changed();
    }
}

void clsXJoken1::NotifyTaisho() const
{
    if (TaishoChange) {
        TaishoChange();
    }
}
