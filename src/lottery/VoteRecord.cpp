#include "lottery/VoteRecord.h"

#include <optional>

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
        // Checked sums: values from a page may be as large as the type holds, and a record
        // whose sums overflow is simply not valid.
        std::optional<Currency> sum = Currency();
        for (int k = 0; k < 3; ++k) {
            if (m.Votes[k] <= zero || m.Rate[k] <= zero) {
                return false;
            }
            sum = sum ? Currency::CheckedAdd(*sum, m.Rate[k]) : std::nullopt;
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
    if (Currency::CheckedAdd(SalesMulti, SalesSingle) != SalesTotal ||
        Currency::CheckedAdd(UnitsMulti, UnitsSingle) != UnitsTotal ||
        Currency::CheckedAdd(TicketsMulti, TicketsSingle) != TicketsTotal) {
        return false;
    }
    for (DateTime d : {SaleStart, SaleEnd, ResultDate, RefundStart, RefundDeadline}) {
        if (d.IsZero()) {
            return false;
        }
    }
    // One bet costs 100 yen.
    return Currency::CheckedMul(UnitsTotal, 100) == SalesTotal &&
           Currency::CheckedMul(UnitsMulti, 100) == SalesMulti &&
           Currency::CheckedMul(UnitsSingle, 100) == SalesSingle;
}

bool VoteRecord::HasVotes() const
{
    for (const VoteMatch& m : Match) {
        if (m.Votes[0] + m.Votes[1] + m.Votes[2] <= Currency()) {
            return false;
        }
    }
    return true;
}
