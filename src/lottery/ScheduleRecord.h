#pragma once
// A round's schedule (開催情報): a plain value record, copied whole by every holder.
// Match[0] is match 1, Match[12] match 13, as everywhere in the program.

#include "base/DateTime.h"
#include "lottery/clsToto.h"

#include <array>
#include <cstdint>
#include <string>

struct ScheduleMatch
{
    std::string Home;
    std::string Away;
    DateTime GameDate;
    DateTime StartTime;
    std::string Stadium;
    std::string State;

    friend bool operator==(const ScheduleMatch&, const ScheduleMatch&) = default;
};

struct ScheduleRecord
{
    std::int32_t Kaisaikai = 0;
    std::string Kumi;
    std::array<ScheduleMatch, clsToto::kMatchCount> Match;
    DateTime SaleStart;
    DateTime SaleEnd;
    DateTime ResultDate;
    DateTime RefundStart;
    DateTime RefundDeadline;
    // 0 held normally, 1 not held (未開催), 2 cancelled (中止).
    std::int32_t HoldState = 0;

    // A round that is not held has no sales or result dates to check.
    bool IsValid() const;

    friend bool operator==(const ScheduleRecord&, const ScheduleRecord&) = default;
};
