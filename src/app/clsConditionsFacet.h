#pragma once
// The condition set and the compression settings: their panels, read-only, the edits run on
// them and the condition page shown. Handed out by the document, which owns it.

#include "app/clsDocumentFacet.h"
#include "base/clsHost.h"
#include "conditions/ConditionSetRecord.h"
#include "conditions/clsJoukenPanels.h"
#include "conditions/clsTLiveCount.h"
#include "engines/EngineSettingsRecord.h"
#include "engines/clsEnginePanels.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class clsConditionsFacet final : public clsDocumentFacet
{
public:
    explicit clsConditionsFacet(clsDocument& doc)
        : clsDocumentFacet(doc)
    {}

    // The condition panels, edited only through EditJouken, which runs the edit (refused while
    // the work is busy), gathers the panels and raises PartConditions, with PartMulti when the
    // multi's target cells changed.
    const clsJoukenPanels& JoukenPanels() const;
    bool EditJouken(const std::function<void(clsJoukenPanels&)>& fnEdit);
    // The condition tab shown: 0 金額, 1 本命, 2 人気, 3 勝敗, 4 補正. On a table page the multi's
    // target cells are the table's; on the others every cell is one.
    bool SetJoukenPage(std::int32_t lngPage);
    std::int32_t JoukenPage() const;
    // Tab lngTab of the kind's table. Pages and tabs are views of the conditions, not changes
    // of them: the work stays unmodified.
    bool ShowJoukenTab(JoukenKind kind, std::int32_t lngTab);
    const EngineSettingsRecord& EngineSettings() const;
    // The compression panels; EditEngineSettings gathers them into the settings and raises
    // PartEngineSettings when they changed.
    const clsEnginePanels& EnginePanels() const;
    bool EditEngineSettings(const std::function<void(clsEnginePanels&)>& fnEdit);
    // The most entries the trial search's cache may take (memory); no change to the work.
    void SetEngineCacheLimit(std::int64_t lngEntries);
    // The platform services the panels' own helpers report through (the yen boxes).
    const clsHost& Host() const;

    // What the conditions keep and the spread of the shown tabs' rows, counted while the
    // player edits once a window switches it on; PollLive takes a finished count (raising
    // PartLive) and says whether one is still under way. Neither changes the work.
    void SetLiveCount(bool blnOn);
    bool PollLive();
    const std::optional<clsTLiveCount::Result>& LiveResult() const;
    bool LiveBusy() const;
};
