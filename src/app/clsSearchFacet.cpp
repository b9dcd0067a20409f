#include "app/clsSearchFacet.h"

#include "app/clsDocument.h"
#include "store/clsTMain.h"

#include <utility>

bool clsSearchFacet::Run()
{
    return m_doc.Run();
}

void clsSearchFacet::Cancel()
{
    m_doc.Cancel();
}

bool clsSearchFacet::RunStoppedInExtraction() const
{
    return m_doc.RunStoppedInExtraction();
}

bool clsSearchFacet::ResultStale() const
{
    // Nothing is shown before the first run: nothing to call stale.
    return m_doc.ResultStale() && m_doc.m_tx.Meisai().SingleCount() > 0;
}

bool clsSearchFacet::Running() const
{
    return m_doc.Running();
}

bool clsSearchFacet::Paused() const
{
    return m_doc.Paused();
}

bool clsSearchFacet::Pausable() const
{
    return m_doc.Pausable();
}

const std::string& clsSearchFacet::LastFailure() const
{
    return m_doc.LastFailure();
}

const clsTMsgLog& clsSearchFacet::Log() const
{
    return m_doc.Log();
}

void clsSearchFacet::SetLogSink(clsIMsgSink* objSink)
{
    m_doc.SetLogSink(objSink);
}

const clsTX& clsSearchFacet::Extraction() const
{
    return m_doc.Extraction();
}

clsTMsEngine::EngineKind clsSearchFacet::RunningEngine() const
{
    return m_doc.m_engine->RunningEngine();
}

std::int32_t clsSearchFacet::LastStartCount() const
{
    return m_doc.m_engine->LastStartCount();
}

bool clsSearchFacet::StartBacktest(std::int32_t lngFrom, std::int32_t lngTo,
                                   clsBacktest::Marking marks)
{
    if (!m_doc.CanEdit()) {
        return false;
    }
    clsBacktest::Request req;
    req.Jouken = m_doc.m_joukenPanels.Gather();
    req.ProgramDir = m_doc.m_main.ProgramDir();
    req.Kumi = m_doc.Kumi();
    req.From = lngFrom;
    req.To = lngTo;
    req.Marks = marks;
    return m_doc.m_backtest.Start(std::move(req));
}

void clsSearchFacet::StopBacktest()
{
    m_doc.m_backtest.Stop();
}

void clsSearchFacet::WaitBacktest()
{
    m_doc.m_backtest.Wait();
}

const clsBacktest& clsSearchFacet::Backtest() const
{
    return m_doc.m_backtest;
}

const std::optional<clsTMsEngine5::Reach>& clsSearchFacet::LastBudgetReach() const
{
    return m_doc.m_budgetReach;
}
