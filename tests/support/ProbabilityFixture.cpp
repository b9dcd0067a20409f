#include "support/ProbabilityFixture.h"

ProbabilityRecord SameInEveryMatch(std::int32_t lngHome, std::int32_t lngDraw, std::int32_t lngAway)
{
    ProbabilityRecord p;
    for (int m = 0; m < 13; ++m) {
        p.Value[1][m] = lngHome; // codes: 1 home, 0 draw, 2 away
        p.Value[0][m] = lngDraw;
        p.Value[2][m] = lngAway;
    }
    return p;
}
