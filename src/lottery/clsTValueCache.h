#pragma once
// One prepared clsTValue for all the views and commands of a document: the tables of the whole
// ticket space take a few tenths of a second, so they are built once per change of the
// probabilities or the vote status, with events processed on the way, and the set's chance and
// worth are kept until the set changes.

#include "base/clsIMessage.h"
#include "base/clsIPump.h"
#include "lottery/ProbabilityRecord.h"
#include "lottery/VoteRecord.h"
#include "lottery/clsTValue.h"

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

class clsTValueCache
{
public:
    clsTValueCache(clsIMessage& message, clsIPump& pump);

    // The value object for these probabilities and this vote status with its tables built.
    // nullptr when the probabilities fail their check or the payouts cannot be estimated
    // (reported once), and while a build is under way: an event it processes must not use the
    // object half-built.
    clsTValue* Value(const ProbabilityRecord& prob, const VoteRecord& vote);

    // The set's chance and worth; false as above or for a ticket outside the numbering.
    bool SetValue(const ProbabilityRecord& prob, const VoteRecord& vote,
                  std::span<const std::int32_t> lngSingle, clsTValue::SetValue& sv);

    // True once after a question was turned away during a build: whoever shows the figures
    // must ask again.
    bool TakeRefused();

private:
    clsTValue m_value;
    std::optional<ProbabilityRecord> m_prob;
    std::optional<ProbabilityRecord> m_badProb;
    std::optional<VoteRecord> m_vote;
    bool m_failed = false;
    bool m_busy = false;
    bool m_refused = false;
    std::optional<clsTValue::SetValue> m_set;
    std::vector<std::int32_t> m_setSingles;
};
