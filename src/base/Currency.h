#pragma once
// Fixed-point money, vote counts and rates: a signed 64-bit count of ten-thousandths.
// Conversions into Currency round halves to even (as the original platform's currency type);
// display formats round halves away from zero. Arithmetic never wraps: a result outside the
// range throws std::overflow_error (the runtime's overflow error 6 in the reports), and the
// Checked forms give nullopt instead for callers that report the overflow themselves.

#include <compare>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

class Currency
{
public:
    static constexpr std::int64_t Scale = 10000;
    // The largest magnitude a value read from a file may have, in whole units: far above any
    // round's sales, bets or prizes (about 10^10), and small enough that the sums of a few such
    // values and their hundredfold products the records form stay inside the type.
    static constexpr std::int64_t ReadLimit = 1'000'000'000'000;

    constexpr Currency() = default;
    static constexpr Currency FromRaw(std::int64_t lngRaw)
    {
        Currency c;
        c.m_raw = lngRaw;
        return c;
    }
    static constexpr Currency FromInt(std::int64_t lngValue)
    {
        std::int64_t raw = 0;
        if (__builtin_mul_overflow(lngValue, Scale, &raw)) {
            throw std::overflow_error("Currency: " + std::to_string(lngValue));
        }
        return FromRaw(raw);
    }
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
    // -ReadLimit..ReadLimit: what a reader accepts.
    constexpr bool WithinReadLimit() const
    {
        return m_raw >= -ReadLimit * Scale && m_raw <= ReadLimit * Scale;
    }

    static constexpr std::optional<Currency> CheckedAdd(Currency a, Currency b)
    {
        std::int64_t raw = 0;
        if (__builtin_add_overflow(a.m_raw, b.m_raw, &raw)) {
            return std::nullopt;
        }
        return FromRaw(raw);
    }
    static constexpr std::optional<Currency> CheckedSub(Currency a, Currency b)
    {
        std::int64_t raw = 0;
        if (__builtin_sub_overflow(a.m_raw, b.m_raw, &raw)) {
            return std::nullopt;
        }
        return FromRaw(raw);
    }
    static constexpr std::optional<Currency> CheckedMul(Currency a, std::int64_t n)
    {
        std::int64_t raw = 0;
        if (__builtin_mul_overflow(a.m_raw, n, &raw)) {
            return std::nullopt;
        }
        return FromRaw(raw);
    }
    // Product of two amounts, rounded as operator* does.
    static std::optional<Currency> CheckedMul(Currency a, Currency b);

    // The shortest decimal form, as written into files: "0", "12", "-3.5", "45.6789".
    std::string ToString() const;
    // Display format with a fixed number of decimals (0..4), halves away from zero;
    // blnGroup adds "," every three digits: FormatNumber(0, true) is "#,##0", (2, false) "0.00".
    std::string FormatNumber(int intDecimals, bool blnGroup) const;
    // Whole units, halves away from zero, zero-padded to intWidth digits ("0000").
    std::string FormatPadded(int intWidth) const;

    constexpr Currency operator-() const { return OrThrow(CheckedSub(Currency(), *this)); }
    constexpr Currency& operator+=(Currency o) { return *this = OrThrow(CheckedAdd(*this, o)); }
    constexpr Currency& operator-=(Currency o) { return *this = OrThrow(CheckedSub(*this, o)); }
    friend constexpr Currency operator+(Currency a, Currency b)
    {
        return OrThrow(CheckedAdd(a, b));
    }
    friend constexpr Currency operator-(Currency a, Currency b)
    {
        return OrThrow(CheckedSub(a, b));
    }
    friend constexpr Currency operator*(Currency a, std::int64_t n)
    {
        return OrThrow(CheckedMul(a, n));
    }
    // Product of two amounts, rounded to four decimals halves to even.
    friend Currency operator*(Currency a, Currency b);
    // Quotient by a whole number, rounded to four decimals halves to even; n must not be 0.
    friend Currency operator/(Currency a, std::int64_t n);
    friend constexpr auto operator<=>(Currency a, Currency b) = default;
    friend constexpr bool operator==(Currency a, Currency b) = default;

private:
    static constexpr Currency OrThrow(std::optional<Currency> c)
    {
        if (!c) {
            throw std::overflow_error("Currency");
        }
        return *c;
    }

    std::int64_t m_raw = 0;
};
