#include "app/clsConditionsFacet.h"

#include "app/clsDocument.h"

const clsJoukenPanels& clsConditionsFacet::JoukenPanels() const
{
    return m_doc.JoukenPanels();
}

bool clsConditionsFacet::EditJouken(const std::function<void(clsJoukenPanels&)>& fnEdit)
{
    return MayEdit() && m_doc.EditJouken(fnEdit);
}

bool clsConditionsFacet::SetJoukenPage(std::int32_t lngPage)
{
    return MayEdit() && m_doc.SetJoukenPage(lngPage);
}

bool clsConditionsFacet::ShowJoukenTab(JoukenKind kind, std::int32_t lngTab)
{
    return MayEdit() && m_doc.ShowJoukenTab(kind, lngTab);
}

std::int32_t clsConditionsFacet::JoukenPage() const
{
    return m_doc.JoukenPage();
}

const EngineSettingsRecord& clsConditionsFacet::EngineSettings() const
{
    return m_doc.EngineSettings();
}

const clsEnginePanels& clsConditionsFacet::EnginePanels() const
{
    return m_doc.EnginePanels();
}

bool clsConditionsFacet::EditEngineSettings(const std::function<void(clsEnginePanels&)>& fnEdit)
{
    return MayEdit() && m_doc.EditEngineSettings(fnEdit);
}

void clsConditionsFacet::SetEngineCacheLimit(std::int64_t lngEntries)
{
    m_doc.SetEngineCacheLimit(lngEntries);
}

const clsHost& clsConditionsFacet::Host() const
{
    return m_doc.Host();
}

void clsConditionsFacet::SetLiveCount(bool blnOn)
{
    m_doc.SetLiveCount(blnOn);
}

bool clsConditionsFacet::PollLive()
{
    return m_doc.PollLive();
}

const std::optional<clsTLiveCount::Result>& clsConditionsFacet::LiveResult() const
{
    return m_doc.LiveResult();
}

bool clsConditionsFacet::LiveBusy() const
{
    return m_doc.LiveBusy();
}
