#pragma once
// What the engine frame asks of every compression engine: one shape, so the frame runs, pauses
// and stops whichever the settings name without knowing its kind.

#include "base/clsErrorReporter.h"
#include "conditions/clsTMsgLog.h"
#include "engines/EngineSettingsRecord.h"
#include "lottery/MarkArray.h"

#include <cstdint>
#include <span>
#include <vector>

class clsIMsEngine
{
public:
    virtual ~clsIMsEngine() = default;

    virtual void Initialize(clsTMsgLog& objLog) = 0;
    // Compresses the singles at the guarantee grade (2 or 3; the optimisation engine has none
    // and ignores it). False when the run failed (LastError tells why).
    virtual bool EngineStart(std::span<const std::int32_t> lngSingle, std::int32_t lngSearchGrade,
                             const EngineSettingsRecord& udtSettings,
                             const MarkArray& lngMulti) = 0;
    virtual std::int32_t SingleCount() const = 0;
    virtual std::vector<std::int32_t> SingleData() const = 0;
    // The fast search never waits, so it ignores pauses.
    virtual void EnginePause(bool blnValue) { static_cast<void>(blnValue); }
    virtual void EngineStop() = 0;
    virtual const ErrorRecord& LastError() const = 0;
    // The engine's cache could not be built (reported in its own box): nothing was searched.
    virtual bool CacheFailed() const { return false; }
    // The ticket count a search that chooses its own start began with; 0 for the others,
    // which start where the settings say.
    virtual std::int32_t StartCount() const { return 0; }
    // A memory budget in cache entries, for the engines that keep a cache.
    virtual void SetCacheLimit(std::int64_t lngEntries) { static_cast<void>(lngEntries); }
};
