#include "store/VoteRecord.h"

bool VoteRecord::IsValid() const
{
    const Currency zero;
    const Currency hundred = Currency::FromInt(100);
    if (Kaisaikai <= 0 || AsOf.Serial() <= 0) {
        return false;
    }
    for (const VoteMatch& m : Match) {
        if (m.GameDate.IsZero() || m.Home.empty() || m.Away.empty()) {
            return false;
        }
        Currency sum;
        for (int k = 0; k < 3; ++k) {
            if (m.Votes[k] <= zero || m.Rate[k] <= zero) {
                return false;
            }
            sum += m.Rate[k];
        }
        if (sum != hundred) {
            return false;
        }
    }
    for (Currency c : {SalesTotal, SalesMulti, SalesSingle, UnitsTotal, UnitsMulti, UnitsSingle,
                       TicketsTotal, TicketsMulti, TicketsSingle}) {
        if (c < zero) {
            return false;
        }
    }
    if (SalesMulti + SalesSingle != SalesTotal || UnitsMulti + UnitsSingle != UnitsTotal ||
        TicketsMulti + TicketsSingle != TicketsTotal) {
        return false;
    }
    for (DateTime d : {SaleStart, SaleEnd, ResultDate, RefundStart, RefundDeadline}) {
        if (d.IsZero()) {
            return false;
        }
    }
    // One bet costs 100 yen.
    return UnitsTotal * 100 == SalesTotal && UnitsMulti * 100 == SalesMulti &&
           UnitsSingle * 100 == SalesSingle;
}
