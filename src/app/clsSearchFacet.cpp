#include "app/clsSearchFacet.h"

#include "app/clsDocument.h"

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

const clsTMsEngine& clsSearchFacet::Engine() const
{
    return m_doc.Engine();
}

std::int32_t clsSearchFacet::MsSingleCount() const
{
    return m_doc.MsSingleCount();
}

const ::SingleFrame& clsSearchFacet::MsSingleFrame() const
{
    return m_doc.MsSingleFrame();
}

const std::array<std::int32_t, 6>& clsSearchFacet::MsTousen() const
{
    return m_doc.MsTousen();
}
