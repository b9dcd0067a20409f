#pragma once
// The player's own probability of every outcome of every match, in hundredths of a percent
// (45.67 % = 4567); each match's three add up to 10,000. A plain value the document holds and
// the data file stores; Value[k][m] is outcome code k of match m + 1, as the multi marks are.

#include "lottery/MarkArray.h"
#include "lottery/VoteRecord.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

struct ProbabilityRecord
{
    static constexpr std::int32_t Total = 10000;

    OutcomeTable<std::int32_t> Value{};

    // Empty when every value lies in 0..10,000 and every match adds up to 10,000; otherwise
    // the first fault, naming the match.
    std::string Check() const;
    // The same for one match (0..12) of a table: what Check says of it.
    static std::string CheckMatch(const OutcomeTable<std::int32_t>& lngValue, int lngMatch);

    // Decimal odds per outcome (dblOdds[k][m], as Value), the bookmaker's margin taken out in
    // proportion: p = (1/o) / sum(1/o). None, with the reason in strReason, for odds that are
    // not finite numbers of at least 1.
    static std::optional<ProbabilityRecord> FromOdds(const OutcomeTable<double>& dblOdds,
                                                     std::string& strReason);
    // One match's three non-negative weights (a positive sum) as hundredths of a percent that
    // add up to exactly 10,000, each within one unit of its exact share.
    static std::array<std::int32_t, 3> Shares(const std::array<double, 3>& dblWeight);
    // The vote rates of a vote record as a start, scaled so that each match adds up to 100 %
    // (published rates may miss it by a hundredth). None for a match without rates.
    static std::optional<ProbabilityRecord> FromVoteRates(const VoteRecord& vote,
                                                          std::string& strReason);

    friend bool operator==(const ProbabilityRecord&, const ProbabilityRecord&) = default;
};
