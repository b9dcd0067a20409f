#pragma once
// One condition table panel (本命, 人気 or 勝敗) without its widgets: the 29 tabs, the shown
// tab, the target lists, the count table and the compound-row dialog. The document's condition
// panels (clsJoukenPanels) own three for the document's lifetime. A view draws the shown tab
// and forwards clicks and menu choices.

#include "base/clsErrorReporter.h"
#include "conditions/ConditionTableEntry.h"
#include "lottery/MarkArray.h"
#include "lottery/clsToto.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class clsTotoData;
struct ScheduleRecord;

class clsXJoken1
{
public:
    enum class CellAction
    {
        Erase,         // マークを消去
        Delete,        // 削除（×）でマーク
        Tolerate,      // 許容（△）でマーク
        EraseRow,      // 行のマークを消去
        LeftDelete,    // ←× 左を削除 [Shift+左]
        RightDelete,   // ×→ 右を削除 [Shift+右]
        LeftTolerate,  // ←△ 左を許容 [Ctrl+左]
        RightTolerate, // △→ 右を許容 [Ctrl+右]
    };
    enum class HeadAction
    {
        EraseAll,    // 全てマークを消去
        DeleteAll,   // 全て削除（×）でマーク
        TolerateAll, // 全て許容（△）でマーク
    };

    explicit clsXJoken1(clsIMessage& objMessage);

    void Initialize(JoukenKind kind);
    JoukenKind Kind() const { return m_kind; }

    // Every tab cleared; tab 0 shown.
    void Clear();
    void Refresh();

    std::int32_t CurrentTab() const { return m_tab; }
    void ShowTab(std::int32_t lngTab);
    // Target lists are chosen by the user only on the lettered tabs.
    bool TargetListsVisible() const { return m_tab >= 3; }
    bool AppliedChecked() const;
    bool AppliedEnabled() const;
    void SetApplied(bool blnValue);

    // Target cells of the shown tab, [outcome code][match].
    void GetTaisho(CellFlags& blnValue) const;

    // Tabs 1 and 2 target the matches whose home team plays in J1 or J2 in the match's year.
    void SetScheduleRecord(const ScheduleRecord& schedule, const clsTotoData& totoData);
    void SetJ1J2Flags(const std::array<bool, clsToto::kMatchCount>& blnJ1,
                      const std::array<bool, clsToto::kMatchCount>& blnJ2);

    // The tab with the row titles as shown; an index outside 0..28 gives a cleared tab.
    ConditionTableEntry GetEntry(std::int32_t lngTab) const;
    void SetEntry(std::int32_t lngTab, const ConditionTableEntry& entry);
    const ConditionTableEntry& Shown() const;

    // Count table of the shown tab. A plain left click toggles ×, Shift or Ctrl mark a range
    // with × or △; false means the click is not the table's (a plain right click opens the
    // cell menu in the view) or it was ignored.
    bool CellClick(std::int32_t lngCount, std::int32_t lngRow, bool blnRight, bool blnShift,
                   bool blnCtrl);
    void CellMenu(std::int32_t lngCount, std::int32_t lngRow, CellAction action);
    void HeadMenu(HeadAction action);
    std::string CellText(std::int32_t lngCount, std::int32_t lngRow) const;
    bool IsRedColumn(std::int32_t lngCount) const { return Shown().IsRedColumn(lngCount); }
    std::string RowTitle(std::int32_t lngRow) const;
    bool ClickCancel() const { return m_compoundRow >= 0; }

    // Title-column menu: 構成分析.
    void RequestKouseiBunseki(std::int32_t lngRow);

    // Compound-row dialog (複合条件設定) on a row of the shown tab; the table ignores clicks
    // while it is open.
    bool CompoundOpen(std::int32_t lngRow);
    const std::vector<bool>& CompoundTicks() const { return m_compoundTicks; }
    void CompoundToggle(std::int32_t lngCategory);
    // At least one and fewer than all categories: a row of every category counts every match.
    bool CompoundOkEnabled() const;
    bool CompoundOk();
    void CompoundCancel();

    // Flag lists of the shown tab. Outcome rows show in the order 1, 0, 2.
    static constexpr std::array<std::int32_t, 3> kResultRowOutcome{1, 0, 2};
    bool ToggleMatch(std::int32_t lngMatch);
    bool SetAllMatches(bool blnValue);
    bool ToggleResultRow(std::int32_t lngRow);
    bool SetAllResults(bool blnValue);

    std::function<void(std::int32_t)> TabClick;
    std::function<void()> TaishoChange;
    std::function<void(std::int32_t, std::int32_t)> KoseiBunseki;
    // The shown tab changed in any way: the view redraws.
    std::function<void()> Changed;

private:
    ConditionTableEntry& ShownMutable();
    // Applies an edit of the target lists of a user tab (false on any other tab) and tells the
    // view and the target listeners.
    bool EditTargets(const std::function<void(ConditionTableEntry&)>& edit);
    bool Ready(std::string_view strOperation) const;
    void NotifyChanged() const;
    void NotifyTaisho() const;

    clsErrorReporter m_err;
    JoukenKind m_kind = JoukenKind::Honmei;
    bool m_initialized = false;
    std::array<ConditionTableEntry, kJoukenTabs> m_tabs;
    std::int32_t m_tab = 0;
    std::int32_t m_compoundRow = -1;
    std::vector<bool> m_compoundTicks;
};
