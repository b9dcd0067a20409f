#include "lottery/ResultRecord.h"

#include "lottery/clsToto.h"

bool ResultRecord::IsValid() const
{
    return IsValid(clsToto::GetMaxGrade(Kaisaikai));
}

bool ResultRecord::IsValid(std::int32_t lngMaxGrade) const
{
    if (Kaisaikai <= 0) {
        return false;
    }
    for (const ResultMatch& m : Match) {
        if (m.Home.empty() || m.Away.empty() || m.Stadium.empty() || m.HomeScore > 30 ||
            m.AwayScore > 30 || m.Outcome > OutcomeCancelled) {
            return false;
        }
    }
    if (Cancelled) {
        return true;
    }
    const Currency zero;
    for (std::int32_t g = 1; g <= lngMaxGrade && g <= 3; ++g) {
        if (Prize[g] < zero || Winners[g] < zero || CarryOver[g] < zero) {
            return false;
        }
    }
    for (DateTime d : {SaleStart, SaleEnd, ResultDate, RefundStart, RefundDeadline}) {
        if (d.IsZero()) {
            return false;
        }
    }
    return true;
}
