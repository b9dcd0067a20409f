#include "base/Currency.h"

#include <cmath>
#include <limits>

namespace {
__extension__ typedef __int128 i128;
__extension__ typedef unsigned __int128 u128;

// q = a / b rounded halves to even (b > 0).
i128 DivHalfEven(i128 a, i128 b)
{
    i128 q = a / b;
    i128 r = a % b;
    if (r < 0) {
        r = -r;
    }
    const i128 twice = r * 2;
    if (twice > b || (twice == b && (q % 2 != 0))) {
        q += (a < 0) ? -1 : 1;
    }
    return q;
}

std::optional<std::int64_t> Fits64(i128 v)
{
    if (v > std::numeric_limits<std::int64_t>::max() ||
        v < std::numeric_limits<std::int64_t>::min()) {
        return std::nullopt;
    }
    return static_cast<std::int64_t>(v);
}

std::string GroupDigits(const std::string& strDigits)
{
    std::string out;
    const std::size_t n = strDigits.size();
    for (std::size_t i = 0; i < n; ++i) {
        out += strDigits[i];
        const std::size_t left = n - 1 - i;
        if (left > 0 && left % 3 == 0) {
            out += ',';
        }
    }
    return out;
}
} // namespace

Currency Currency::FromDouble(double dblValue)
{
    const double scaled = dblValue * static_cast<double>(Scale);
    if (std::isnan(scaled)) {
        return Currency();
    }
    constexpr double lim = 9.2e18;
    if (scaled >= lim) {
        return FromRaw(std::numeric_limits<std::int64_t>::max());
    }
    if (scaled <= -lim) {
        return FromRaw(std::numeric_limits<std::int64_t>::min());
    }
    // nearbyint uses the current rounding mode, which is round-half-even by default.
    return FromRaw(static_cast<std::int64_t>(std::nearbyint(scaled)));
}

std::optional<Currency> Currency::Parse(std::string_view strText)
{
    std::size_t i = 0;
    while (i < strText.size() && (strText[i] == ' ' || strText[i] == '\t')) {
        ++i;
    }
    std::size_t end = strText.size();
    while (end > i && (strText[end - 1] == ' ' || strText[end - 1] == '\t')) {
        --end;
    }
    bool negative = false;
    if (i < end && (strText[i] == '-' || strText[i] == '+')) {
        negative = strText[i] == '-';
        ++i;
    }
    i128 whole = 0;
    bool anyDigit = false;
    for (; i < end && strText[i] != '.'; ++i) {
        const char c = strText[i];
        if (c == ',') {
            continue;
        }
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        whole = whole * 10 + (c - '0');
        anyDigit = true;
        if (whole > static_cast<i128>(std::numeric_limits<std::int64_t>::max() / Scale)) {
            return std::nullopt;
        }
    }
    i128 frac = 0;
    i128 fracScale = 1;
    if (i < end && strText[i] == '.') {
        ++i;
        for (; i < end; ++i) {
            const char c = strText[i];
            if (c < '0' || c > '9') {
                return std::nullopt;
            }
            anyDigit = true;
            if (fracScale < static_cast<i128>(1000000000000000000LL)) {
                frac = frac * 10 + (c - '0');
                fracScale *= 10;
            }
        }
    }
    if (!anyDigit) {
        return std::nullopt;
    }
    const i128 raw = whole * Scale + DivHalfEven(frac * Scale, fracScale);
    if (raw > static_cast<i128>(std::numeric_limits<std::int64_t>::max())) {
        return std::nullopt; // "922337203685477.9999" is past the range, not wrapped
    }
    return FromRaw(static_cast<std::int64_t>(negative ? -raw : raw));
}

std::int64_t Currency::ToInt64() const
{
    return static_cast<std::int64_t>(DivHalfEven(m_raw, Scale));
}

std::string Currency::ToString() const
{
    const bool negative = m_raw < 0;
    const u128 mag = negative ? static_cast<u128>(-static_cast<i128>(m_raw)) : m_raw;
    const auto whole = static_cast<unsigned long long>(mag / Scale);
    auto frac = static_cast<unsigned>(mag % Scale);
    std::string out = negative ? "-" : "";
    out += std::to_string(whole);
    if (frac != 0) {
        std::string f = std::to_string(frac);
        f.insert(0, 4 - f.size(), '0');
        while (!f.empty() && f.back() == '0') {
            f.pop_back();
        }
        out += '.';
        out += f;
    }
    return out;
}

std::string Currency::FormatNumber(int intDecimals, bool blnGroup) const
{
    if (intDecimals < 0) {
        intDecimals = 0;
    }
    if (intDecimals > 4) {
        intDecimals = 4;
    }
    std::int64_t unit = 1;
    for (int k = intDecimals; k < 4; ++k) {
        unit *= 10;
    }
    const bool negative = m_raw < 0;
    u128 mag = negative ? static_cast<u128>(-static_cast<i128>(m_raw)) : m_raw;
    // halves away from zero
    mag = (mag + static_cast<unsigned>(unit / 2)) / static_cast<unsigned>(unit);
    std::int64_t decScale = 1;
    for (int k = 0; k < intDecimals; ++k) {
        decScale *= 10;
    }
    const auto whole = static_cast<unsigned long long>(mag / static_cast<unsigned>(decScale));
    const auto frac = static_cast<unsigned long long>(mag % static_cast<unsigned>(decScale));
    std::string digits = std::to_string(whole);
    std::string out = (negative && mag != 0) ? "-" : "";
    out += blnGroup ? GroupDigits(digits) : digits;
    if (intDecimals > 0) {
        std::string f = std::to_string(frac);
        f.insert(0, static_cast<std::size_t>(intDecimals) - f.size(), '0');
        out += '.';
        out += f;
    }
    return out;
}

std::string Currency::FormatPadded(int intWidth) const
{
    std::string s = FormatNumber(0, false);
    const bool negative = !s.empty() && s[0] == '-';
    if (negative) {
        s.erase(0, 1);
    }
    if (static_cast<int>(s.size()) < intWidth) {
        s.insert(0, static_cast<std::size_t>(intWidth) - s.size(), '0');
    }
    return negative ? "-" + s : s;
}

std::optional<Currency> Currency::CheckedMul(Currency a, Currency b)
{
    const auto raw = Fits64(DivHalfEven(static_cast<i128>(a.m_raw) * b.m_raw, Currency::Scale));
    if (!raw) {
        return std::nullopt;
    }
    return FromRaw(*raw);
}

Currency operator*(Currency a, Currency b)
{
    return Currency::OrThrow(Currency::CheckedMul(a, b));
}

Currency operator/(Currency a, std::int64_t n)
{
    const i128 q = n < 0 ? DivHalfEven(-static_cast<i128>(a.m_raw), -static_cast<i128>(n))
                         : DivHalfEven(a.m_raw, n);
    const auto raw = Fits64(q);
    return Currency::OrThrow(raw ? std::optional<Currency>(Currency::FromRaw(*raw)) : std::nullopt);
}
