#include "lottery/ScheduleRecord.h"

bool ScheduleRecord::IsValid() const
{
    if (Kaisaikai <= 0) {
        return false;
    }
    for (const ScheduleMatch& m : Match) {
        if (m.Home.empty() || m.Away.empty() || m.GameDate.IsZero() || m.Stadium.empty()) {
            return false;
        }
    }
    if (HoldState == 0 && (SaleStart.IsZero() || SaleEnd.IsZero() || ResultDate.IsZero())) {
        return false;
    }
    return true;
}
