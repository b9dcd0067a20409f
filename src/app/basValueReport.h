#pragma once
// The chance and the worth of the document's ticket set under the player's own probabilities,
// and their texts: one routine for kelvra-cli value and the run area, so both tell the same
// figures. The payouts are estimated from the document's vote status.

#include "base/clsIMessage.h"
#include "lottery/VoteRecord.h"
#include "lottery/clsTValue.h"

#include <array>
#include <string>

class clsDocument;

namespace basValueReport {
// The document's vote status; without one it still names the document's round, so that the
// grades the round pays follow the round (every payout is then 0).
VoteRecord VoteFor(const clsDocument& doc);

// False without probabilities (nothing said) or, reported, when the value class fails.
bool GetSetValue(const clsDocument& doc, clsIMessage& message, clsTValue::SetValue& sv);

struct Line
{
    std::string Label;
    std::string Text;
};
// "1等以上", "2等以上", "3等以上" (ten decimals), "期待値" (yen), "購入金額" (yen).
std::array<Line, 5> SetValueLines(const clsTValue::SetValue& sv);

// A single's expected value as a ticket, rounded to the yen: "73円".
std::string EVText(double dblEV);
// A single's chance as one in so many: "1/8192", "1/159万", "1/1.2億"; "0" for none.
std::string PText(double dblP);
} // namespace basValueReport
