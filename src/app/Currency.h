#pragma once
// Fixed-point money, vote counts and rates: a signed 64-bit count of ten-thousandths.
// Conversions into Currency round halves to even (as the original platform's currency type);
// display formats round halves away from zero.

#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

class Currency
{
public:
    static constexpr std::int64_t Scale = 10000;

    constexpr Currency() = default;
    static constexpr Currency FromRaw(std::int64_t lngRaw)
    {
        Currency c;
        c.m_raw = lngRaw;
        return c;
    }
    static constexpr Currency FromInt(std::int64_t lngValue) { return FromRaw(lngValue * Scale); }
    // Rounds to four decimals, halves to even. Values outside the range saturate.
    static Currency FromDouble(double dblValue);
    // Plain decimal text: optional sign, digits, optional "." and decimals; "," separators are
    // accepted. More than four decimals round halves to even. Empty or malformed text: nullopt.
    static std::optional<Currency> Parse(std::string_view strText);

    constexpr std::int64_t Raw() const { return m_raw; }
    double ToDouble() const { return static_cast<double>(m_raw) / Scale; }
    // Whole units, halves to even (a conversion, like CLng on the original platform).
    std::int64_t ToInt64() const;
    // Whole units, fraction dropped toward zero (Fix).
    constexpr std::int64_t Truncate() const { return m_raw / Scale; }

    // The shortest decimal form, as written into files: "0", "12", "-3.5", "45.6789".
    std::string ToString() const;
    // Display format with a fixed number of decimals (0..4), halves away from zero;
    // blnGroup adds "," every three digits: FormatNumber(0, true) is "#,##0", (2, false) "0.00".
    std::string FormatNumber(int intDecimals, bool blnGroup) const;
    // Whole units, halves away from zero, zero-padded to intWidth digits ("0000").
    std::string FormatPadded(int intWidth) const;

    constexpr Currency operator-() const { return FromRaw(-m_raw); }
    constexpr Currency& operator+=(Currency o)
    {
        m_raw += o.m_raw;
        return *this;
    }
    constexpr Currency& operator-=(Currency o)
    {
        m_raw -= o.m_raw;
        return *this;
    }
    friend constexpr Currency operator+(Currency a, Currency b)
    {
        return FromRaw(a.m_raw + b.m_raw);
    }
    friend constexpr Currency operator-(Currency a, Currency b)
    {
        return FromRaw(a.m_raw - b.m_raw);
    }
    friend constexpr Currency operator*(Currency a, std::int64_t n) { return FromRaw(a.m_raw * n); }
    // Product of two amounts, rounded to four decimals halves to even.
    friend Currency operator*(Currency a, Currency b);
    // Quotient by a whole number, rounded to four decimals halves to even; n must not be 0.
    friend Currency operator/(Currency a, std::int64_t n);
    friend constexpr auto operator<=>(Currency a, Currency b) = default;
    friend constexpr bool operator==(Currency a, Currency b) = default;

private:
    std::int64_t m_raw = 0;
};
