#pragma once
// Small value parsers of the page readers: round numbers, money, counts with rates and the
// date forms the operator's pages use. Each page reader owns one for its lifetime.

#include "base/Currency.h"
#include "base/DateTime.h"
#include "base/ReadError.h"
#include "base/clsErrorReporter.h"

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// A value on a page that cannot be what the reader expects; the reader reports it with its
// own class and operation and fails the read.
class HtmlReadError : public ReadError
{
public:
    using ReadError::ReadError;
    static HtmlReadError TypeMismatch(std::string_view strValue);
    static HtmlReadError Overflow(std::string_view strValue);
    static HtmlReadError PastEnd();
    // Faults of the page itself rather than runtime errors (number 0): reported as a plain
    // warning naming what the page lacks or holds.
    static HtmlReadError Missing(std::string_view strWhat);
    static HtmlReadError Unreadable(std::string_view strWhat, std::string_view strValue);
    static HtmlReadError NotATeam(std::string_view strValue);
    static HtmlReadError EarlyYear(std::string_view strWhat, DateTime datValue);
};

class clsHtmlToto
{
public:
    // The largest count or amount a page may give: far above any real round's figures, and
    // low enough that the sums and the 100-yen products the program forms stay inside Currency.
    static constexpr std::int64_t kMaxPageAmount = 999'999'999'999;
    // toto began in 2001; an earlier year is a misread date.
    static constexpr int kFirstYear = 2001;

    explicit clsHtmlToto(clsIMessage& message);

    // "第1234回..." → 1234. Digits that do not form a round number throw HtmlReadError.
    bool Kaisaikai(std::string_view strText, std::int32_t& lngKaisaikai) const;
    bool GetKaisaikai(std::string_view strText, std::int32_t& lngKaisaikai,
                      std::string_view strCheck) const;
    // The competition name at lngPos (advanced past it), or "".
    std::string GetGameType(const std::vector<std::string>& strList, std::int32_t& lngPos) const;
    // "1,234,567(45.67%)" → 1234567 and 45.67.
    bool GetValue2(std::string_view strText, Currency& curCount, Currency& curRate) const;
    // The two texts GetValue2 converts: the count before "(", the rest without "(", ")", "%".
    bool SplitValue2(std::string_view strText, std::string& strCount, std::string& strRate) const;
    Currency StringToCurrency(std::string_view strText) const;
    // StringToCurrency for the readers, silent: no value when the kept digits do not form one
    // number of at most kMaxPageAmount (decimals kept: rates have them). A text without digits is
    // 0, as there; a minus sign right before the digits makes the value negative.
    std::optional<Currency> ToAmount(std::string_view strText) const;
    // A team cell that holds a date, a time or a number: the table is shifted or broken.
    bool LooksLikeValue(std::string_view strText) const;
    DateTime StringToDate(std::string_view strText) const;
    // Drops a weekday in parentheses and anything after the minutes; strText is narrowed.
    DateTime StringToDateEx(std::string& strText) const;
    // The date ending in 日 plus the latest time written anywhere in the text.
    DateTime StringToDateEx2(std::string_view strText) const;
    // "start～end" (まで removed; one blank right after "～" is skipped); without "～" both
    // dates stay as they were.
    void DateString2(std::string_view strText, DateTime& date1, DateTime& date2) const;
    // "(…時点)" time stamp of a vote status; blnFinal when it is the close of sales.
    bool GetStringToDateNow(std::string_view strText, DateTime& date1, bool& blnFinal) const;

    // Helpers of the readers: a date entry (a date part is required, a bare time is not one),
    // and conversions that throw HtmlReadError when the text is no date or time.
    bool IsDate(std::string_view strText) const;
    DateTime ToDate(std::string_view strText) const;
    DateTime ToTime(std::string_view strText) const;

    // The year a month/day text belongs to; Japan's current year unless a test fixes it.
    int CurrentYear() const;
    void SetToday(DateTime datToday) { m_today = datToday; }

private:
    clsErrorReporter m_err;
    DateTime m_today;
};
