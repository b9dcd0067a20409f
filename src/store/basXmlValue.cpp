#include "store/basXmlValue.h"

#include "base/basText.h"

#include <cmath>
#include <limits>

namespace basXmlValue {
namespace {
std::string Pad2(int v)
{
    return v < 10 ? "0" + std::to_string(v) : std::to_string(v);
}

// Reads up to three numbers separated by one of the given separators; all must be digits.
bool ReadFields(std::string_view s, char sep1, char sep2, int (&out)[3], int& count)
{
    count = 0;
    std::size_t i = 0;
    while (count < 3) {
        const std::size_t start = i;
        long long v = 0;
        while (i < s.size() && s[i] >= '0' && s[i] <= '9') {
            v = v * 10 + (s[i] - '0');
            if (v > 100000) {
                return false;
            }
            ++i;
        }
        if (i == start) {
            return false;
        }
        out[count++] = static_cast<int>(v);
        if (i == s.size()) {
            return true;
        }
        if (s[i] != sep1 && s[i] != sep2) {
            return false;
        }
        ++i;
    }
    return false;
}

std::optional<double> ParseDatePart(std::string_view s)
{
    int f[3];
    int n = 0;
    if (!ReadFields(s, '/', '-', f, n) || n != 3) {
        return std::nullopt;
    }
    if (f[1] < 1 || f[1] > 12 || f[2] < 1 || f[2] > 31 || f[0] < 100) {
        return std::nullopt;
    }
    const DateTime d = DateTime::FromYmd(f[0], f[1], f[2]);
    if (d.Day() != f[2]) {
        return std::nullopt; // 2021/02/30 is no date
    }
    return d.Serial();
}

std::optional<double> ParseTimePart(std::string_view s)
{
    int f[3] = {0, 0, 0};
    int n = 0;
    if (!ReadFields(s, ':', ':', f, n) || n < 2) {
        return std::nullopt;
    }
    if (f[0] > 23 || f[1] > 59 || f[2] > 59) {
        return std::nullopt;
    }
    return (f[0] * 3600.0 + f[1] * 60.0 + f[2]) / 86400.0;
}
} // namespace

std::string FormatDateTime(DateTime dtmValue)
{
    const double serial = dtmValue.Serial();
    const bool hasDate = std::trunc(serial) != 0.0;
    const bool hasTime = serial != std::trunc(serial);
    std::string out;
    if (hasDate) {
        out = dtmValue.Format("yyyy/mm/dd");
        if (!hasTime) {
            return out;
        }
        out += ' ';
    }
    out += std::to_string(dtmValue.Hour()) + ":" + Pad2(dtmValue.Minute()) + ":" +
           Pad2(dtmValue.Second());
    return out;
}

std::optional<DateTime> ParseDateTime(std::string_view strText)
{
    const std::string_view s = basText::TrimBlanks(strText);
    if (s.empty()) {
        return std::nullopt;
    }
    const std::size_t space = s.find(' ');
    if (space != std::string_view::npos) {
        const auto d = ParseDatePart(s.substr(0, space));
        const auto t = ParseTimePart(basText::TrimBlanks(s.substr(space + 1)));
        if (!d || !t) {
            return std::nullopt;
        }
        return DateTime(*d >= 0 ? *d + *t : *d - *t);
    }
    if (s.find(':') != std::string_view::npos) {
        const auto t = ParseTimePart(s);
        return t ? std::optional<DateTime>(DateTime(*t)) : std::nullopt;
    }
    const auto d = ParseDatePart(s);
    return d ? std::optional<DateTime>(DateTime(*d)) : std::nullopt;
}

std::optional<std::int32_t> ParseLong(std::string_view strText)
{
    std::string_view s = basText::TrimBlanks(strText);
    bool negative = false;
    if (!s.empty() && (s.front() == '-' || s.front() == '+')) {
        negative = s.front() == '-';
        s.remove_prefix(1);
    }
    if (s.empty()) {
        return std::nullopt;
    }
    long long v = 0;
    for (const char c : s) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        v = v * 10 + (c - '0');
        if (v > 2147483648LL) {
            return std::nullopt;
        }
    }
    if (negative) {
        v = -v;
    }
    if (v > std::numeric_limits<std::int32_t>::max() ||
        v < std::numeric_limits<std::int32_t>::min()) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(v);
}

std::optional<std::uint8_t> ParseByte(std::string_view strText)
{
    const auto v = ParseLong(strText);
    if (!v || *v < 0 || *v > 255) {
        return std::nullopt;
    }
    return static_cast<std::uint8_t>(*v);
}

std::optional<Currency> ParseCurrency(std::string_view strText)
{
    return Currency::Parse(basText::TrimBlanks(strText));
}

std::string FormatRound(std::int32_t lngKaisaikai)
{
    std::string s = std::to_string(lngKaisaikai < 0 ? -lngKaisaikai : lngKaisaikai);
    if (s.size() < 3) {
        s.insert(0, 3 - s.size(), '0');
    }
    return lngKaisaikai < 0 ? "-" + s : s;
}
} // namespace basXmlValue
