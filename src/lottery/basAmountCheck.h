#pragma once
// The one rule for the money and counts of a round's records: prizes, winners, carry-overs,
// bets, tickets and sales are whole and not negative (rates keep their decimals). The store's
// readers check each value as they read it, the page readers the record they built.

#include "base/Currency.h"
#include "lottery/ResultRecord.h"
#include "lottery/VoteRecord.h"

#include <optional>
#include <string>

namespace basAmountCheck {
// Why the value is no amount ("負の値です。", "小数です。"); none when it is one.
std::optional<std::string> Fault(Currency curValue);
// The first amount of the record that is none, named with its value ("当せん金（1等）が負の値
// です。 (-5)"); none when all are.
std::optional<std::string> VoteFault(const VoteRecord& rec);
std::optional<std::string> ResultFault(const ResultRecord& rec);
} // namespace basAmountCheck
