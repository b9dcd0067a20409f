#pragma once
// The rule that marks a payout range the user typed the wrong way round: a maximum below its
// minimum selects nothing, so both boxes are drawn in red until it is mended.

#include "base/Currency.h"

namespace basMoneyRange {
constexpr bool IsInverted(Currency curMin, Currency curMax)
{
    return curMax < curMin;
}
} // namespace basMoneyRange
