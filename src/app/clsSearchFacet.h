#pragma once
// The run (the search): start, pause and stop, its state, its log, its extraction counts and
// engine, and what the last run kept. The batch drives the work through these too, so they ask
// only whether the work is free, not whether a batch is going. Handed out by the document.

#include "app/clsDocumentFacet.h"
#include "conditions/clsTMsgLog.h"
#include "conditions/clsTX.h"
#include "engines/clsTMsEngine.h"
#include "lottery/MarkArray.h"
#include "store/clsBacktest.h"

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

    // The run: extraction, compression, sort, frames, counters and closing lines; while a run
    // is under way it toggles the pause of the pausable engines. False when the run failed and
    // was reported (LastFailure): the set then holds what the frame left.
    bool Run();
    void Cancel();
    // The last run was stopped during the extraction, so it holds no set worth saving.
    bool RunStoppedInExtraction() const;
    // The breakdown shown belongs to a run on other marks, conditions or settings (false while
    // it shows no run).
    bool ResultStale() const;
    bool Running() const;
    bool Paused() const;
    // The engine of the settings in use can pause; Paused: a pause is in force (or held for the
    // search about to start).
    bool Pausable() const;
    const std::string& LastFailure() const;
    // The run log; its view (SetLogSink, null detaches) is told every line as it is written.
    const clsTMsgLog& Log() const;
    void SetLogSink(clsIMsgSink* objSink);
    const clsTX& Extraction() const;
    // The engine step under way, None between them.
    clsTMsEngine::EngineKind RunningEngine() const;
    // Where the last minimum-count run started (its first cover); 0 before any.
    std::int32_t LastStartCount() const;

    // The back-test of the conditions as the panels show them over the stored rounds
    // lngFrom..lngTo of the work's group, on a thread of its own; it changes nothing of the
    // work. Refused (false) while the work is busy and for a range other than 1 <= from <= to.
    bool StartBacktest(std::int32_t lngFrom, std::int32_t lngTo, clsBacktest::Marking marks);
    void StopBacktest();
    // Waits for the back-test to end (the command line).
    void WaitBacktest();
    const clsBacktest& Backtest() const;
    // What the budget engine reached for the tickets in hand: none after another engine, or
    // once the tickets have changed.
    const std::optional<clsTMsEngine5::Reach>& LastBudgetReach() const;
};
