#include "base/Currency.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {
Currency P(const char* s)
{
    const auto c = Currency::Parse(s);
    EXPECT_TRUE(c.has_value()) << s;
    return c.value_or(Currency());
}
} // namespace

TEST(Currency, ParseRoundsExtraDecimalsHalfToEven)
{
    EXPECT_EQ(P("0.00005").Raw(), 0);
    EXPECT_EQ(P("0.00015").Raw(), 2);
    EXPECT_EQ(P("0.00025").Raw(), 2);
    EXPECT_EQ(P("0.000251").Raw(), 3);
    EXPECT_EQ(P("-0.00015").Raw(), -2);
    EXPECT_EQ(P("1,234.5").Raw(), 12345000);
    EXPECT_EQ(P("  -12  ").Raw(), -120000);
    EXPECT_EQ(P("+7.25").Raw(), 72500);
    EXPECT_EQ(P(".5").Raw(), 5000);
}

TEST(Currency, ParseRejectsMalformedText)
{
    for (const char* bad : {"", "-", ".", "abc", "1.2.3", "12x", "1 2", "--1"}) {
        EXPECT_FALSE(Currency::Parse(bad).has_value()) << bad;
    }
    // Past the 64-bit range is refused rather than wrapped.
    EXPECT_FALSE(Currency::Parse("99999999999999999999").has_value());
}

TEST(Currency, ConversionsToWholeUnitsRoundHalfToEven)
{
    EXPECT_EQ(P("2.5").ToInt64(), 2);
    EXPECT_EQ(P("3.5").ToInt64(), 4);
    EXPECT_EQ(P("-2.5").ToInt64(), -2);
    EXPECT_EQ(P("-3.5").ToInt64(), -4);
    EXPECT_EQ(P("2.5001").ToInt64(), 3);
    EXPECT_EQ(P("-7.9").Truncate(), -7);
}

TEST(Currency, FromDoubleRoundsAndSaturates)
{
    EXPECT_EQ(Currency::FromDouble(1.5).Raw(), 15000);
    EXPECT_EQ(Currency::FromDouble(-0.25).Raw(), -2500);
    EXPECT_EQ(Currency::FromDouble(45.67).Raw(), 456700);
    EXPECT_EQ(Currency::FromDouble(std::nan("")).Raw(), 0);
    EXPECT_EQ(Currency::FromDouble(1e300).Raw(), std::numeric_limits<std::int64_t>::max());
    EXPECT_EQ(Currency::FromDouble(-1e300).Raw(), std::numeric_limits<std::int64_t>::min());
}

TEST(Currency, DisplayFormatsRoundHalfAwayFromZero)
{
    EXPECT_EQ(P("2.5").FormatNumber(0, true), "3");
    EXPECT_EQ(P("-2.5").FormatNumber(0, true), "-3");
    EXPECT_EQ(P("1234567.5").FormatNumber(0, true), "1,234,568");
    EXPECT_EQ(P("999.5").FormatNumber(0, true), "1,000");
    EXPECT_EQ(P("-1234567").FormatNumber(0, true), "-1,234,567");
    EXPECT_EQ(P("0.125").FormatNumber(2, false), "0.13");
    EXPECT_EQ(P("-0.125").FormatNumber(2, false), "-0.13");
    EXPECT_EQ(P("45.6").FormatNumber(2, false), "45.60");
    // A value that rounds to zero shows no sign.
    EXPECT_EQ(P("-0.004").FormatNumber(2, false), "0.00");
    EXPECT_EQ(P("1234.5678").FormatNumber(4, true), "1,234.5678");
}

TEST(Currency, PaddedFormat)
{
    EXPECT_EQ(P("7").FormatPadded(4), "0007");
    EXPECT_EQ(P("123.5").FormatPadded(4), "0124");
    EXPECT_EQ(P("12345").FormatPadded(4), "12345");
    EXPECT_EQ(P("-7").FormatPadded(4), "-0007");
}

TEST(Currency, ShortestFormRoundTrips)
{
    EXPECT_EQ(P("0").ToString(), "0");
    EXPECT_EQ(P("12").ToString(), "12");
    EXPECT_EQ(P("-3.5").ToString(), "-3.5");
    EXPECT_EQ(P("45.6789").ToString(), "45.6789");
    EXPECT_EQ(P("0.0001").ToString(), "0.0001");
    EXPECT_EQ(P("-0.0001").ToString(), "-0.0001");
    EXPECT_EQ(P("100.1000").ToString(), "100.1");
    const auto lo = Currency::FromRaw(std::numeric_limits<std::int64_t>::min());
    EXPECT_EQ(lo.ToString(), "-922337203685477.5808");
    for (const char* s : {"0", "-3.5", "99999999999", "0.0505", "-922337203685477.5807"}) {
        EXPECT_EQ(P(s).ToString(), s);
    }
}

TEST(Currency, ArithmeticRoundsProductsAndQuotients)
{
    EXPECT_EQ((P("1.5") * P("1.5")).ToString(), "2.25");
    // 0.0001 * 0.5 = 0.00005: a half, to even (0).
    EXPECT_EQ((P("0.0001") * P("0.5")).Raw(), 0);
    EXPECT_EQ((P("0.0003") * P("0.5")).Raw(), 2);
    EXPECT_EQ((P("1") / 3).ToString(), "0.3333");
    EXPECT_EQ((P("2") / 3).ToString(), "0.6667");
    EXPECT_EQ((P("1") / -3).ToString(), "-0.3333");
    EXPECT_EQ((P("0.0001") / 2).Raw(), 0);
    EXPECT_EQ((P("0.0003") / 2).Raw(), 2);
    EXPECT_LT(P("-1"), P("0.5"));
    EXPECT_EQ(P("1") + P("2.5") - P("0.5"), P("3"));
}

// The money type never wraps: a sum, difference or product past the 64-bit range is an overflow
// error (or nullopt from the checked forms), not a negative amount.
TEST(Currency, ArithmeticPastTheRangeIsAnErrorNotAWrap)
{
    const Currency max = Currency::FromRaw(std::numeric_limits<std::int64_t>::max());
    const Currency min = Currency::FromRaw(std::numeric_limits<std::int64_t>::min());
    const Currency one = P("0.0001");
    EXPECT_THROW(static_cast<void>(max + one), std::overflow_error);
    EXPECT_THROW(static_cast<void>(min - one), std::overflow_error);
    EXPECT_THROW(static_cast<void>(-min), std::overflow_error);
    EXPECT_THROW(static_cast<void>(P("500000000000000") * 2), std::overflow_error);
    EXPECT_THROW(static_cast<void>(P("1000000000") * P("1000000000")), std::overflow_error);
    EXPECT_THROW(static_cast<void>(min / -1), std::overflow_error);
    EXPECT_THROW(static_cast<void>(Currency::FromInt(std::int64_t{1} << 60)), std::overflow_error);
    Currency sum = max;
    EXPECT_THROW(sum += one, std::overflow_error);
    EXPECT_EQ(sum, max); // unchanged by the failed addition

    EXPECT_FALSE(Currency::CheckedAdd(max, one).has_value());
    EXPECT_FALSE(Currency::CheckedSub(min, one).has_value());
    EXPECT_FALSE(Currency::CheckedMul(P("500000000000000"), 2).has_value());
    EXPECT_FALSE(Currency::CheckedMul(P("30000000"), P("40000000")).has_value());
    EXPECT_EQ(Currency::CheckedAdd(max, -one), Currency::FromRaw(max.Raw() - 1));
    EXPECT_EQ(Currency::CheckedMul(P("30000000"), P("30000000")), P("900000000000000"));
    EXPECT_EQ(Currency::CheckedMul(P("1.5"), P("1.5")), P("2.25"));
    EXPECT_EQ(Currency::CheckedMul(P("-2.5"), 3), P("-7.5"));
}

TEST(Currency, ParseRefusesTheLastFractionPastTheRange)
{
    EXPECT_EQ(P("922337203685477.5807").Raw(), std::numeric_limits<std::int64_t>::max());
    EXPECT_FALSE(Currency::Parse("922337203685477.5808").has_value());
    EXPECT_FALSE(Currency::Parse("922337203685477.9999").has_value());
    EXPECT_TRUE(P("1000000000000").WithinReadLimit());
    EXPECT_TRUE(P("-1000000000000").WithinReadLimit());
    EXPECT_FALSE(P("1000000000000.0001").WithinReadLimit());
    EXPECT_FALSE(P("-1000000000001").WithinReadLimit());
}
