#pragma once
// The stores' texts and what of a record they carry: the whole file text of a store's held
// record, whatever the store's way of asking for it, and a record as its file reads back.

#include "lottery/ResultRecord.h"
#include "lottery/ScheduleRecord.h"
#include "lottery/VoteRecord.h"
#include "store/clsXmlVote.h"

#include <string>

template <class Store> std::string FuzzStoreText(const Store& store)
{
    return store.GetXmlString();
}

inline std::string FuzzStoreText(const clsXmlVote& store)
{
    return store.GetXmlString(true);
}

// A record as its store file reads back, by the files' design: the schedule file of a
// cancelled round leaves out the result and refund dates; the vote and result files carry the
// group in their names only; a cancelled round's refund dates are written in its result file
// but never read back.
inline ScheduleRecord FuzzAsStored(ScheduleRecord rec)
{
    if (rec.HoldState == 2) {
        rec.ResultDate = DateTime{};
        rec.RefundStart = DateTime{};
        rec.RefundDeadline = DateTime{};
    }
    return rec;
}

inline VoteRecord FuzzAsStored(VoteRecord rec)
{
    rec.Kumi.clear();
    return rec;
}

inline ResultRecord FuzzAsStored(ResultRecord rec)
{
    rec.Kumi.clear();
    if (rec.Cancelled) {
        rec.ResultDate = DateTime{};
        rec.RefundStart = DateTime{};
        rec.RefundDeadline = DateTime{};
    }
    return rec;
}
