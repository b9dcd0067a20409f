#pragma once
// The run (the search): start, pause and stop, its state, its log, its extraction counts and
// engine, and what the last run kept. The batch drives the work through these too, so they ask
// only whether the work is free, not whether a batch is going. Handed out by the document.

#include "app/clsDocumentFacet.h"
#include "conditions/clsTMsgLog.h"
#include "conditions/clsTX.h"
#include "engines/clsTMsEngine.h"
#include "lottery/MarkArray.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class clsSearchFacet final : public clsDocumentFacet
{
public:
    explicit clsSearchFacet(clsDocument& doc)
        : clsDocumentFacet(doc)
    {}

    bool Run();
    void Cancel();
    bool RunStoppedInExtraction() const;
    bool Running() const;
    bool Paused() const;
    bool Pausable() const;
    const std::string& LastFailure() const;
    const clsTMsgLog& Log() const;
    void SetLogSink(clsIMsgSink* objSink);
    const clsTX& Extraction() const;
    const clsTMsEngine& Engine() const;
    std::int32_t MsSingleCount() const;
    const ::SingleFrame& MsSingleFrame() const;
    const std::array<std::int32_t, 6>& MsTousen() const;
};
