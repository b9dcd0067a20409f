#pragma once
// The whole condition set the extraction reads and the data and conditions files store:
// payout limits per grade, the three condition tables and the error correction. A plain value,
// gathered by the main window from its panels before every run.

#include "base/Currency.h"
#include "conditions/ConditionTableEntry.h"

#include <array>
#include <cstdint>

// A payout maximum of this value means "no upper limit".
inline constexpr Currency kHaitouNoLimit = Currency::FromInt(9'999'999'999);

struct HaitouLimits
{
    std::array<bool, 3> Enabled{true, true, true};
    std::array<bool, 3> Flag{};
    std::array<Currency, 3> Min{};
    std::array<Currency, 3> Max{kHaitouNoLimit, kHaitouNoLimit, kHaitouNoLimit};

    friend bool operator==(const HaitouLimits&, const HaitouLimits&) = default;
};

struct ConditionSetRecord
{
    // A new record is a cleared one.
    ConditionSetRecord();

    HaitouLimits Haitou;
    std::array<ConditionTableEntry, kJoukenTabs> Honmei;
    std::array<ConditionTableEntry, kJoukenTabs> Ninki;
    std::array<ConditionTableEntry, kJoukenTabs> Mark;
    std::int32_t MachigaiType = 0; // 0 none, 1 keep allowed error counts, 2 only tolerated errors
    std::array<bool, 12> MachigaiList{true}; // counts 0..10, and 11 for eleven or more

    // Every value back to its cleared state; Haitou.Enabled stays as it is.
    void Clear();

    std::array<ConditionTableEntry, kJoukenTabs>& Table(JoukenKind kind);
    const std::array<ConditionTableEntry, kJoukenTabs>& Table(JoukenKind kind) const;

    friend bool operator==(const ConditionSetRecord&, const ConditionSetRecord&) = default;
};
