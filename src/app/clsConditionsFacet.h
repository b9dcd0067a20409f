#pragma once
// The condition set and the compression settings: their panels, read-only, the edits run on
// them and the condition page shown. Handed out by the document, which owns it.

#include "app/clsDocumentFacet.h"
#include "base/clsHost.h"
#include "conditions/ConditionSetRecord.h"
#include "conditions/clsJoukenPanels.h"
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

    const ConditionSetRecord& Jouken() const;
    bool SetConditions(const ConditionSetRecord& jouken);
    const clsJoukenPanels& JoukenPanels() const;
    bool EditJouken(const std::function<void(clsJoukenPanels&)>& fnEdit);
    bool SetJoukenPage(std::int32_t lngPage);
    std::int32_t JoukenPage() const;
    const EngineSettingsRecord& EngineSettings() const;
    bool SetEngineSettings(const EngineSettingsRecord& settings);
    const clsEnginePanels& EnginePanels() const;
    bool EditEngineSettings(const std::function<void(clsEnginePanels&)>& fnEdit);
    void SetEngineCacheLimit(std::int64_t lngEntries);
    const clsHost& Host() const;
};
