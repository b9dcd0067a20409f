#pragma once
// Winning counts of a compressed set: for how many of the base singles the chosen singles win
// grade 1, 2, 3, 1-2 and 1-3. The engine frame makes one for a run.
// Errors are not shown here: the engine frame reports them as its own ("MsEngine Err").

#include "base/clsErrorReporter.h"
#include "base/clsIPump.h"

#include <cstdint>
#include <span>

class clsTProbability
{
public:
    clsTProbability() = default;
    // Lets the window process its events every few thousand singles of a large count.
    explicit clsTProbability(clsIPump& objPump)
        : m_pump(&objPump)
    {}

    // lngTousen: [0] base singles, [1] grade 1, [2] grade 2, [3] grade 3, [4] grade 1 or 2,
    // [5] any grade. On a number outside 0..1594322 or a result list shorter than 6 it returns
    // false, leaves lngTousen as it was and keeps the reason in LastError().
    bool GetTousen(std::span<const std::int32_t> lngMulti, std::span<const std::int32_t> lngSingle,
                   std::span<std::int32_t> lngTousen);
    const ErrorRecord& LastError() const { return m_lastError; }

private:
    static constexpr std::size_t kPumpEvery = 16384;
    ErrorRecord m_lastError;
    clsIPump* m_pump = nullptr;
};
