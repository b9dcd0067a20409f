#pragma once
// The models behind the condition panels of the main window: the payout limits with the
// allowed error counts (clsXJoken), the limits by the player's own probabilities, the correction
// mode and the three condition tables. The one place that turns them into a ConditionSetRecord and
// back, so that what the panels show and what a run or a file gets cannot drift apart. The
// document owns one for its lifetime; the condition views change it only through the document.

#include "conditions/ConditionSetRecord.h"
#include "conditions/clsXJoken.h"
#include "conditions/clsXJoken1.h"

#include <array>
#include <cstdint>

class clsTotoData;
struct ScheduleRecord;

class clsJoukenPanels
{
public:
    clsJoukenPanels(clsIMessage& objMessage, clsIClipboard& objClipboard);

    clsXJoken& Haitou() { return m_haitou; }
    const clsXJoken& Haitou() const { return m_haitou; }
    clsXJoken1& Table(JoukenKind kind);
    const clsXJoken1& Table(JoukenKind kind) const;

    std::int32_t MachigaiType() const { return m_machigaiType; }
    // 0..2; anything else is reported and changes nothing.
    void SetMachigaiType(std::int32_t lngType);

    // The limits by the player's own probabilities, edited beside the payout limits.
    const ValueLimits& Value() const { return m_value; }
    // A chance outside 0..1 (or not a number) or a negative expected value is reported and
    // changes nothing.
    bool SetValueLimits(const ValueLimits& limits);

    // Every field as the panels hold it; each tab carries the row titles it shows.
    ConditionSetRecord Gather() const;
    // Every field of the record; the tab each table shows stays.
    void Apply(const ConditionSetRecord& rec);
    // The panels as a cleared record leaves them (Haitou.Enabled stays); tab 0 shown.
    void Clear();

    // Recomputes the J1 and J2 tabs of the three tables from the round's schedule.
    void SetScheduleRecord(const ScheduleRecord& schedule, const clsTotoData& totoData);

private:
    static std::size_t TableIndex(JoukenKind kind);

    clsErrorReporter m_err;
    clsXJoken m_haitou;
    std::array<clsXJoken1, 3> m_tables;
    std::int32_t m_machigaiType = 0;
    ValueLimits m_value;
};
