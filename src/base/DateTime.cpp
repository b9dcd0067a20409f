#include "base/DateTime.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace {
// Days from 1970-01-01 for a civil date (Howard Hinnant's algorithm).
std::int64_t DaysFromCivil(std::int64_t y, unsigned m, unsigned d)
{
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const auto yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

void CivilFromDays(std::int64_t z, int& y, int& m, int& d)
{
    z += 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const auto doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const std::int64_t yy = static_cast<std::int64_t>(yoe) + era * 400;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    y = static_cast<int>(yy + (m <= 2));
}

constexpr std::int64_t kEpochOffset = 25569; // 1970-01-01 as a serial day

std::string Pad(int v, int width)
{
    std::string s = std::to_string(v);
    while (static_cast<int>(s.size()) < width) {
        s.insert(0, 1, '0');
    }
    return s;
}
} // namespace

DateTime DateTime::FromYmd(int intYear, int intMonth, int intDay)
{
    // Months outside 1..12 roll over into neighbouring years, as DateSerial does.
    std::int64_t y = intYear;
    std::int64_t m = intMonth - 1;
    y += m >= 0 ? m / 12 : -((11 - m) / 12);
    m = ((m % 12) + 12) % 12;
    const std::int64_t days = DaysFromCivil(y, static_cast<unsigned>(m + 1), 1) + (intDay - 1);
    return DateTime(static_cast<double>(days + kEpochOffset));
}

DateTime DateTime::FromHms(int intHour, int intMinute, int intSecond)
{
    return DateTime((intHour * 3600.0 + intMinute * 60.0 + intSecond) / 86400.0);
}

DateTime DateTime::FromYmdHms(int intYear, int intMonth, int intDay, int intHour, int intMinute,
                              int intSecond)
{
    const DateTime d = FromYmd(intYear, intMonth, intDay);
    const double t = (intHour * 3600.0 + intMinute * 60.0 + intSecond) / 86400.0;
    // Serial dates before 1899-12-30 carry the time as a positive fraction below a negative day.
    return DateTime(d.m_serial >= 0 ? d.m_serial + t : d.m_serial - t);
}

std::int64_t DateTime::TotalSeconds() const
{
    // Negative serials keep the time as a positive fraction: -1.25 is 1899-12-29 06:00.
    const double whole = std::trunc(m_serial);
    const double frac = std::fabs(m_serial - whole);
    auto secs = static_cast<std::int64_t>(std::llround(frac * 86400.0));
    return static_cast<std::int64_t>(whole) * 86400 + secs;
}

DateTime DateTime::DatePart() const
{
    return DateTime(std::trunc(m_serial));
}

DateTime DateTime::TimePart() const
{
    return DateTime(std::fabs(m_serial - std::trunc(m_serial)));
}

namespace {
struct Parts
{
    int y, mo, d, h, mi, s, wd;
};

Parts Split(std::int64_t totalSeconds, double serial)
{
    std::int64_t days = static_cast<std::int64_t>(std::trunc(serial));
    std::int64_t secs = totalSeconds - days * 86400;
    if (secs >= 86400) { // a fraction that rounded up to midnight
        days += 1;
        secs -= 86400;
    }
    Parts p{};
    CivilFromDays(days - kEpochOffset, p.y, p.mo, p.d);
    p.h = static_cast<int>(secs / 3600);
    p.mi = static_cast<int>((secs / 60) % 60);
    p.s = static_cast<int>(secs % 60);
    // 1899-12-30 was a Saturday (7).
    p.wd = static_cast<int>((((days + 6) % 7) + 7) % 7) + 1;
    return p;
}

const char* const kJa[] = {"日", "月", "火", "水", "木", "金", "土"};
const char* const kEn[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
const char* const kEnLong[] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                               "Thursday", "Friday", "Saturday"};

// A pattern token of Format and what it stands for. Longer tokens of a letter come first, so
// that "yyyy" is never read as "yy" twice.
struct Token
{
    std::string_view Text;
    std::string (*Make)(const Parts& p);
};
const Token kTokens[] = {
    {"yyyy", [](const Parts& p) { return Pad(p.y, 4); }},
    {"yy", [](const Parts& p) { return Pad(p.y % 100, 2); }},
    {"aaaa", [](const Parts& p) { return std::string(kJa[p.wd - 1]) + "曜日"; }},
    {"aaa", [](const Parts& p) { return std::string(kJa[p.wd - 1]); }},
    {"dddd", [](const Parts& p) { return std::string(kEnLong[p.wd - 1]); }},
    {"ddd", [](const Parts& p) { return std::string(kEn[p.wd - 1]); }},
    {"dd", [](const Parts& p) { return Pad(p.d, 2); }},
    {"d", [](const Parts& p) { return std::to_string(p.d); }},
    {"mm", [](const Parts& p) { return Pad(p.mo, 2); }},
    {"m", [](const Parts& p) { return std::to_string(p.mo); }},
    {"hh", [](const Parts& p) { return Pad(p.h, 2); }},
    {"h", [](const Parts& p) { return std::to_string(p.h); }},
    {"nn", [](const Parts& p) { return Pad(p.mi, 2); }},
    {"n", [](const Parts& p) { return std::to_string(p.mi); }},
    {"ss", [](const Parts& p) { return Pad(p.s, 2); }},
    {"s", [](const Parts& p) { return std::to_string(p.s); }},
};
} // namespace

int DateTime::Year() const
{
    return Split(TotalSeconds(), m_serial).y;
}
int DateTime::Month() const
{
    return Split(TotalSeconds(), m_serial).mo;
}
int DateTime::Day() const
{
    return Split(TotalSeconds(), m_serial).d;
}
int DateTime::Hour() const
{
    return Split(TotalSeconds(), m_serial).h;
}
int DateTime::Minute() const
{
    return Split(TotalSeconds(), m_serial).mi;
}
int DateTime::Second() const
{
    return Split(TotalSeconds(), m_serial).s;
}
int DateTime::Weekday() const
{
    return Split(TotalSeconds(), m_serial).wd;
}

std::string DateTime::Format(std::string_view strPattern) const
{
    const Parts p = Split(TotalSeconds(), m_serial);
    std::string out;
    std::size_t i = 0;
    while (i < strPattern.size()) {
        if (strPattern[i] == '"') {
            const std::size_t close = strPattern.find('"', i + 1);
            const std::size_t stop = close == std::string_view::npos ? strPattern.size() : close;
            out.append(strPattern.substr(i + 1, stop - i - 1));
            i = stop == strPattern.size() ? stop : stop + 1;
            continue;
        }
        const auto token =
            std::find_if(std::begin(kTokens), std::end(kTokens), [&](const Token& t) {
                return strPattern.substr(i, t.Text.size()) == t.Text;
            });
        if (token == std::end(kTokens)) {
            out += strPattern[i];
            ++i;
        } else {
            out += token->Make(p);
            i += token->Text.size();
        }
    }
    return out;
}
