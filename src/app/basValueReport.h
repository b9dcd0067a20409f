#pragma once
// The texts of the figures under the player's own probabilities: one set of routines for
// kelvra-cli value, the run area and the single page, so all tell the same figures.

#include "lottery/clsTValue.h"

#include <array>
#include <string>

namespace basValueReport {
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
