#pragma once
// Text forms of the values in the round store and the work files: whole numbers, date-times and
// Currency texts. Free functions; the readers and writers of the store and files share them.

#include "base/Currency.h"
#include "base/DateTime.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace basXmlValue {
// "2021/01/16", "13:00:00" (date part 0), "2021/01/16 13:00:00"; the value 0 is "0:00:00".
std::string FormatDateTime(DateTime dtmValue);
// Accepts the forms above, "yyyy-mm-dd", one-digit months and days, "h:nn" without seconds.
std::optional<DateTime> ParseDateTime(std::string_view strText);
// Decimal digits with an optional sign, blanks around allowed; nullopt outside 32 bits.
std::optional<std::int32_t> ParseLong(std::string_view strText);
// 0..255 only.
std::optional<std::uint8_t> ParseByte(std::string_view strText);
std::optional<Currency> ParseCurrency(std::string_view strText);
// "000" format: at least three digits.
std::string FormatRound(std::int32_t lngKaisaikai);
} // namespace basXmlValue
