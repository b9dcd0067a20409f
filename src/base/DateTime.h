#pragma once
// The one date-time value of the program: days since 1899-12-30, the time of day as the
// fraction (the serial form the stored files and records were designed around). 0 = no date.

#include <cstdint>
#include <string>
#include <string_view>

class DateTime
{
public:
    constexpr DateTime() = default;
    constexpr explicit DateTime(double dblSerial)
        : m_serial(dblSerial)
    {}
    // Calendar date (proleptic Gregorian) and time; no range check beyond the arithmetic.
    static DateTime FromYmd(int intYear, int intMonth, int intDay);
    static DateTime FromYmdHms(int intYear, int intMonth, int intDay, int intHour, int intMinute,
                               int intSecond);
    // A time of day alone (date part 0), as a bare "hh:nn" value.
    static DateTime FromHms(int intHour, int intMinute, int intSecond);

    constexpr double Serial() const { return m_serial; }
    constexpr bool IsZero() const { return m_serial == 0.0; }
    DateTime DatePart() const;
    DateTime TimePart() const;

    int Year() const;
    int Month() const;
    int Day() const;
    int Hour() const;
    int Minute() const;
    int Second() const;
    // 1 = Sunday .. 7 = Saturday.
    int Weekday() const;

    // Format with the tokens yyyy yy mm m dd d hh h nn n ss s aaaa aaa ddd dddd; anything
    // else is copied. "aaa" is the Japanese weekday ("日"), "aaaa" its long form ("日曜日"),
    // "ddd" the English short name ("Sun"). Quote literal letters with "\"" pairs.
    std::string Format(std::string_view strPattern) const;

    friend constexpr bool operator==(DateTime a, DateTime b) = default;
    friend constexpr auto operator<=>(DateTime a, DateTime b) = default;

private:
    // Whole seconds since the epoch, the fraction rounded to the nearest second.
    std::int64_t TotalSeconds() const;
    double m_serial = 0.0;
};
