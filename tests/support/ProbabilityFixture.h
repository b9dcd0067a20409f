#pragma once
// Own probabilities for tests: the same three chances, in hundredths of a percent, in every
// match.

#include "lottery/ProbabilityRecord.h"

#include <cstdint>

ProbabilityRecord SameInEveryMatch(std::int32_t lngHome, std::int32_t lngDraw,
                                   std::int32_t lngAway);
