#pragma once
// Counts, per match and outcome, how many singles of a list name that outcome. Made by the
// ticket sheet, the run and the result view whenever their set changes.

#include "base/clsErrorReporter.h"
#include "lottery/MarkArray.h"

#include <cstdint>
#include <span>

class clsTSingleFrame
{
public:
    explicit clsTSingleFrame(clsIMessage& message);

    // The frame of the first lngSCount singles of lngSingle. A count beyond the list or a
    // number outside 0..1594322 is reported and leaves the frame all zeros.
    bool GetSingleFrame(std::int32_t lngSCount, std::span<const std::int32_t> lngSingle,
                        SingleFrame& lngSingleFrame) const;

private:
    clsErrorReporter m_err;
};
