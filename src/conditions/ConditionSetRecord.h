#pragma once
// The whole condition set the extraction reads and the data and conditions files store:
// payout limits per grade, the three condition tables and the error correction. A plain value,
// kept by the document, which gathers it from its condition panels (clsJoukenPanels) after every
// edit.

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

// Limits by the player's own probabilities, applied with the payout limits: a single's
// expected value as a ticket (yen per 100-yen ticket) and its chance to be the result, the
// chance of 1st grade. P is a probability (0..1), not a Currency: a single's chance is of the
// order of 10^-7 and needs more than four decimals.
struct ValueLimits
{
    bool EVFlag = false;
    Currency EVMin;
    Currency EVMax = kHaitouNoLimit; // as with the payouts: no upper limit
    bool PFlag = false;
    double PMin = 0.0;
    double PMax = 1.0;

    friend bool operator==(const ValueLimits&, const ValueLimits&) = default;
};

struct ConditionSetRecord
{
    // A new record is a cleared one.
    ConditionSetRecord();

    HaitouLimits Haitou;
    ValueLimits Value;
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
