#pragma once
// The file keys of the limits on expected value and 1st-grade chance, beside the condition
// set's other keys. They are written only when the limits differ from cleared ones, so a
// file without them reads and writes exactly as before; an older reader ignores them.

#include "conditions/ConditionSetRecord.h"

#include <string>
#include <string_view>

namespace basValueLimitKeys {
// Appends "Kitaichi.*" and "Kakuritsu.*" lines and an empty line, or nothing for cleared
// limits.
void Write(std::string& strText, const ValueLimits& limits);
// True when strKey is one of those keys, its value then read into limits. A value that is no
// amount of 0 or more, or no probability in 0..1, throws XmlReadError.
bool Read(std::string_view strKey, std::string_view strValue, ValueLimits& limits);
// The text of a probability: the shortest decimal that reads back as the same double.
std::string ProbabilityToString(double dblValue);
} // namespace basValueLimitKeys
