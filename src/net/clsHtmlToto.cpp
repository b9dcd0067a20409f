#include "net/clsHtmlToto.h"

#include "base/basJapanTime.h"
#include "base/basText.h"
#include "lottery/clsTGameType.h"

#include <algorithm>
#include <optional>

namespace {
constexpr std::string_view kDai = "第";
constexpr std::string_view kKai = "回";
constexpr std::string_view kWave = "～";

// Reads 1..maxDigits digits at pos into value; false when there is none.
bool ReadNumber(std::string_view s, std::size_t& pos, std::size_t maxDigits, int& value)
{
    std::size_t n = 0;
    value = 0;
    while (pos < s.size() && basText::IsDigit(s[pos]) && n < maxDigits) {
        value = value * 10 + (s[pos] - '0');
        ++pos;
        ++n;
    }
    return n > 0 && !(pos < s.size() && basText::IsDigit(s[pos]));
}

bool Consume(std::string_view s, std::size_t& pos, std::string_view token)
{
    if (s.substr(pos, token.size()) == token) {
        pos += token.size();
        return true;
    }
    return false;
}

void SkipSpaces(std::string_view s, std::size_t& pos)
{
    while (pos < s.size() && s[pos] == ' ') {
        ++pos;
    }
}

int DaysInMonth(int y, int m)
{
    static constexpr int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (m == 2 && ((y % 4 == 0 && y % 100 != 0) || y % 400 == 0)) {
        return 29;
    }
    return days[m - 1];
}

struct ParsedDate
{
    bool hasDate = false;
    int year = 0;
    int month = 0;
    int day = 0;
    bool hasTime = false;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// h:mm or h:mm:ss from pos to the end of the text.
bool ParseTime(std::string_view s, std::size_t pos, ParsedDate& d)
{
    if (!ReadNumber(s, pos, 2, d.hour) || !Consume(s, pos, ":") ||
        !ReadNumber(s, pos, 2, d.minute)) {
        return false;
    }
    if (Consume(s, pos, ":") && !ReadNumber(s, pos, 2, d.second)) {
        return false;
    }
    SkipSpaces(s, pos);
    if (pos != s.size() || d.hour > 23 || d.minute > 59 || d.second > 59) {
        return false;
    }
    d.hasTime = true;
    return true;
}

// The date part at the start of s: y/m/d, m/d (in currentYear), y年m月d日 or m月d日. pos ends
// after it; kanji tells the 年月日 forms, which may run a time on without a blank.
bool ParseDatePart(std::string_view s, std::size_t& pos, int currentYear, ParsedDate& d,
                   bool& kanji)
{
    int first = 0;
    if (!ReadNumber(s, pos, 4, first)) {
        return false;
    }
    const std::size_t firstDigits = pos;
    int second = 0;
    int third = 0;
    kanji = false;
    if (Consume(s, pos, "/")) {
        if (!ReadNumber(s, pos, 2, second)) {
            return false;
        }
        if (firstDigits == 4) {
            if (!Consume(s, pos, "/") || !ReadNumber(s, pos, 2, third)) {
                return false;
            }
            d.year = first;
            d.month = second;
            d.day = third;
        } else if (firstDigits <= 2) {
            d.year = currentYear;
            d.month = first;
            d.day = second;
        } else {
            return false;
        }
    } else if (firstDigits == 4 && Consume(s, pos, "年")) {
        kanji = true;
        if (!ReadNumber(s, pos, 2, second) || !Consume(s, pos, "月") ||
            !ReadNumber(s, pos, 2, third) || !Consume(s, pos, "日")) {
            return false;
        }
        d.year = first;
        d.month = second;
        d.day = third;
    } else if (firstDigits <= 2 && Consume(s, pos, "月")) {
        kanji = true;
        if (!ReadNumber(s, pos, 2, second) || !Consume(s, pos, "日")) {
            return false;
        }
        d.year = currentYear;
        d.month = first;
        d.day = second;
    } else {
        return false;
    }
    return d.year >= 100 && d.month >= 1 && d.month <= 12 && d.day >= 1 &&
           d.day <= DaysInMonth(d.year, d.month);
}

// The date forms of the Japanese locale: y/m/d, m/d, y年m月d日, m月d日, each with an optional
// time, and a bare time. The text is already narrow.
std::optional<ParsedDate> ParseDateText(std::string_view text, int currentYear)
{
    std::size_t b = 0;
    std::size_t e = text.size();
    while (b < e && text[b] == ' ') {
        ++b;
    }
    while (e > b && text[e - 1] == ' ') {
        --e;
    }
    const std::string_view s = text.substr(b, e - b);
    if (s.empty()) {
        return std::nullopt;
    }
    ParsedDate timeOnly;
    if (ParseTime(s, 0, timeOnly)) {
        return timeOnly;
    }
    ParsedDate d;
    std::size_t pos = 0;
    bool kanji = false;
    if (!ParseDatePart(s, pos, currentYear, d, kanji)) {
        return std::nullopt;
    }
    d.hasDate = true;
    if (pos == s.size()) {
        return d;
    }
    // "2021年1月16日13:50" runs the time on; the slash form needs a space before it.
    const std::size_t before = pos;
    SkipSpaces(s, pos);
    if (!kanji && pos == before) {
        return std::nullopt;
    }
    if (!ParseTime(s, pos, d)) {
        return std::nullopt;
    }
    return d;
}

DateTime ToDateTime(const ParsedDate& d)
{
    if (!d.hasDate) {
        return DateTime::FromHms(d.hour, d.minute, d.second);
    }
    return DateTime::FromYmdHms(d.year, d.month, d.day, d.hour, d.minute, d.second);
}

// The digits and points of a money or count text, a leading point given its 0 and a trailing
// one dropped: "" when there is no digit, nothing when there is more than one point.
std::optional<std::string> KeptNumber(std::string_view strText)
{
    std::string kept;
    for (char c : strText) {
        if (basText::IsDigit(c) || c == '.') {
            kept += c;
        }
    }
    if (std::count(kept.begin(), kept.end(), '.') > 1) {
        return std::nullopt;
    }
    if (kept.empty() || kept == ".") {
        return std::string();
    }
    if (kept.front() == '.') {
        kept.insert(kept.begin(), '0');
    }
    if (kept.back() == '.') {
        kept.pop_back();
    }
    return kept;
}

constexpr std::string_view kNoBreakSpace = "\xC2\xA0";
constexpr std::string_view kIdeographicSpace = "\xE3\x80\x80";

// A no-break space written literally in a page is a blank like any other.
std::string Narrow(std::string_view s)
{
    return basText::Replace(basText::StrConvNarrow(s), kNoBreakSpace, " ");
}

// The length of the one blank (space, tab, ideographic or no-break space) at pos, or 0.
std::size_t BlankAt(std::string_view s, std::size_t pos)
{
    const std::string_view rest = s.substr(std::min(pos, s.size()));
    if (!rest.empty() && (rest[0] == ' ' || rest[0] == '\t')) {
        return 1;
    }
    for (const std::string_view blank : {kNoBreakSpace, kIdeographicSpace}) {
        if (rest.substr(0, blank.size()) == blank) {
            return blank.size();
        }
    }
    return 0;
}

} // namespace

HtmlReadError HtmlReadError::TypeMismatch(std::string_view strValue)
{
    return HtmlReadError(ErrorNumber::TypeMismatch,
                         "型が一致しません。 (" + std::string(strValue) + ")");
}

HtmlReadError HtmlReadError::Overflow(std::string_view strValue)
{
    return HtmlReadError(ErrorNumber::Overflow,
                         "オーバーフローしました。 (" + std::string(strValue) + ")");
}

HtmlReadError HtmlReadError::PastEnd()
{
    return HtmlReadError(ErrorNumber::OutOfRange, "インデックスが有効範囲にありません。");
}

HtmlReadError HtmlReadError::Missing(std::string_view strWhat)
{
    return HtmlReadError(ErrorNumber::None,
                         "ページに「" + std::string(strWhat) + "」の行がありません。");
}

HtmlReadError HtmlReadError::Unreadable(std::string_view strWhat, std::string_view strValue)
{
    return HtmlReadError(ErrorNumber::None, std::string(strWhat) + "の数値が読み取れません。 (" +
                                                std::string(strValue) + ")");
}

HtmlReadError HtmlReadError::NotATeam(std::string_view strValue)
{
    return HtmlReadError(ErrorNumber::None,
                         "チーム名の欄にチーム名がありません。 (" + std::string(strValue) + ")");
}

HtmlReadError HtmlReadError::EarlyYear(std::string_view strWhat, DateTime datValue)
{
    return HtmlReadError(ErrorNumber::None,
                         std::string(strWhat) + "の年が" + std::to_string(clsHtmlToto::kFirstYear) +
                             "年より前です。 (" + datValue.Format("yyyy/mm/dd") + ")");
}

clsHtmlToto::clsHtmlToto(clsIMessage& message)
    : m_err(message, "clsHtmlToto")
{}

int clsHtmlToto::CurrentYear() const
{
    return m_today.IsZero() ? basJapanTime::Today().Year() : m_today.Year();
}

bool clsHtmlToto::Kaisaikai(std::string_view strText, std::int32_t& lngKaisaikai) const
{
    if (strText.substr(0, kDai.size()) != kDai) {
        return false;
    }
    const auto p = strText.find(kKai);
    if (p == std::string_view::npos) {
        return false;
    }
    const std::string_view digits = strText.substr(kDai.size(), p - kDai.size());
    if (digits.empty() || digits.size() > 10) {
        throw digits.empty() ? HtmlReadError::TypeMismatch(digits)
                             : HtmlReadError::Overflow(digits);
    }
    std::int64_t value = 0;
    for (char c : digits) {
        if (!basText::IsDigit(c)) {
            throw HtmlReadError::TypeMismatch(digits);
        }
        value = value * 10 + (c - '0');
    }
    if (value > INT32_MAX) {
        throw HtmlReadError::Overflow(digits);
    }
    lngKaisaikai = static_cast<std::int32_t>(value);
    return true;
}

bool clsHtmlToto::GetKaisaikai(std::string_view strText, std::int32_t& lngKaisaikai,
                               std::string_view strCheck) const
{
    if (strText.find(strCheck) == std::string_view::npos) {
        return false;
    }
    return Kaisaikai(strText, lngKaisaikai);
}

std::string clsHtmlToto::GetGameType(const std::vector<std::string>& strList,
                                     std::int32_t& lngPos) const
{
    if (lngPos < 0 || lngPos >= static_cast<std::int32_t>(strList.size())) {
        return {};
    }
    const clsTGameType types;
    const std::int32_t no = types.GetNo(strList[static_cast<std::size_t>(lngPos)]);
    if (no <= 0) {
        return {};
    }
    ++lngPos;
    return types.Text(no);
}

Currency clsHtmlToto::StringToCurrency(std::string_view strText) const
{
    const auto kept = KeptNumber(strText);
    if (!kept || kept->empty()) {
        return {};
    }
    const auto value = Currency::Parse(*kept);
    if (!value) {
        m_err.ReportError("StringToCurrency", HtmlReadError::Overflow(*kept).Record());
        return {};
    }
    return *value;
}

std::optional<Currency> clsHtmlToto::ToAmount(std::string_view strText) const
{
    const auto kept = KeptNumber(strText);
    if (!kept) {
        return std::nullopt;
    }
    if (kept->empty()) {
        return Currency{};
    }
    const auto value = Currency::Parse(*kept);
    if (!value || *value > Currency::FromInt(kMaxPageAmount)) {
        return std::nullopt;
    }
    // A minus sign before the digits is kept, so that the record's check refuses the amount
    // instead of taking its magnitude.
    const std::string narrow = Narrow(strText);
    const std::size_t first = narrow.find_first_of("0123456789.");
    if (first != std::string::npos && first > 0 && narrow[first - 1] == '-') {
        return -*value;
    }
    return value;
}

bool clsHtmlToto::LooksLikeValue(std::string_view strText) const
{
    const std::string s = basText::Trim(Narrow(strText));
    if (s.empty()) {
        return false;
    }
    if (ParseDateText(s, CurrentYear())) {
        return true;
    }
    bool digit = false;
    for (char c : s) {
        if (basText::IsDigit(c)) {
            digit = true;
        } else if (std::string_view(",.%()-+:/ ").find(c) == std::string_view::npos) {
            return false;
        }
    }
    return digit;
}

bool clsHtmlToto::SplitValue2(std::string_view strText, std::string& strCount,
                              std::string& strRate) const
{
    std::string s = basText::Replace(Narrow(basText::Trim(strText)), ",", "");
    const auto open = s.find('(');
    if (open == std::string::npos || s.find(')') == std::string::npos) {
        return false;
    }
    strCount = s.substr(0, open);
    strRate = s.substr(open);
    std::erase_if(strRate, [](char c) { return c == '(' || c == ')' || c == '%'; });
    return true;
}

bool clsHtmlToto::GetValue2(std::string_view strText, Currency& curCount, Currency& curRate) const
{
    std::string count;
    std::string rate;
    if (!SplitValue2(strText, count, rate)) {
        return false;
    }
    curCount = StringToCurrency(count);
    curRate = StringToCurrency(rate);
    return true;
}

DateTime clsHtmlToto::StringToDate(std::string_view strText) const
{
    try {
        const auto d = ParseDateText(Narrow(strText), CurrentYear());
        return d ? ToDateTime(*d) : DateTime();
    } catch (const std::exception& e) {
        m_err.ReportException("StringToDate", e);
        return {};
    }
}

bool clsHtmlToto::IsDate(std::string_view strText) const
{
    const auto d = ParseDateText(Narrow(strText), CurrentYear());
    return d && d->hasDate;
}

DateTime clsHtmlToto::ToDate(std::string_view strText) const
{
    const auto d = ParseDateText(Narrow(strText), CurrentYear());
    if (!d || !d->hasDate) {
        throw HtmlReadError::TypeMismatch(strText);
    }
    return ToDateTime(*d);
}

DateTime clsHtmlToto::ToTime(std::string_view strText) const
{
    const auto d = ParseDateText(Narrow(strText), CurrentYear());
    if (!d || d->hasDate) {
        throw HtmlReadError::TypeMismatch(strText);
    }
    return ToDateTime(*d);
}

DateTime clsHtmlToto::StringToDateEx(std::string& strText) const
{
    try {
        strText = Narrow(strText);
        std::string s = strText;
        const auto open = s.find('(');
        const auto close = s.find(')');
        if (open != std::string::npos && close != std::string::npos && close >= 1) {
            s = s.substr(0, open) + s.substr(close + 1);
            const auto colon = s.find(':');
            if (colon != std::string::npos) {
                s = s.substr(0, std::min(s.size(), colon + 3));
            }
        }
        return StringToDate(s);
    } catch (const std::exception& e) {
        m_err.ReportException("StringToDateEx", e);
        return {};
    }
}

DateTime clsHtmlToto::StringToDateEx2(std::string_view strText) const
{
    try {
        const std::string s = Narrow(strText);
        const auto dayPos = s.find("日");
        if (dayPos == std::string::npos) {
            return {};
        }
        const std::string datePart = s.substr(0, dayPos + std::string_view("日").size());
        std::string best;
        long bestValue = -1;
        for (auto colon = s.find(':'); colon != std::string::npos; colon = s.find(':', colon + 1)) {
            std::string candidate;
            ParsedDate probe;
            if (colon >= 2 && ParseTime(s.substr(colon - 2, 5), 0, probe)) {
                candidate = s.substr(colon - 2, 5);
            } else if (colon >= 1 && ParseTime(s.substr(colon - 1, 4), 0, probe)) {
                candidate = s.substr(colon - 1, 4);
            } else {
                continue;
            }
            const long value = std::stol(basText::Replace(candidate, ":", ""));
            if (value > bestValue) {
                bestValue = value;
                best = candidate;
            }
        }
        return StringToDate(datePart + " " + best);
    } catch (const std::exception& e) {
        m_err.ReportException("StringToDateEx2", e);
        return {};
    }
}

void clsHtmlToto::DateString2(std::string_view strText, DateTime& date1, DateTime& date2) const
{
    try {
        const std::string s = basText::Replace(strText, "まで", "");
        const auto wave = s.find(kWave);
        if (wave == std::string::npos) {
            return;
        }
        // The end date starts right after "～", or after the one blank some pages put there;
        // any other character is the first of the date (often the first digit of its year).
        const std::size_t from = wave + kWave.size();
        std::string first = s.substr(0, wave);
        std::string second = s.substr(from + BlankAt(s, from));
        date1 = StringToDateEx(first);
        date2 = StringToDateEx(second);
    } catch (const std::exception& e) {
        m_err.ReportException("DateString2", e);
    }
}

bool clsHtmlToto::GetStringToDateNow(std::string_view strText, DateTime& date1,
                                     bool& blnFinal) const
{
    try {
        if (strText.substr(0, 1) != "(") {
            return false;
        }
        auto b = strText.find("販売終了時点)");
        if (b != std::string_view::npos) {
            blnFinal = true;
        } else {
            blnFinal = false;
            b = strText.find("時点)");
        }
        if (b == std::string_view::npos) {
            return false;
        }
        std::string inner(strText.substr(1, b - 1));
        date1 = StringToDateEx(inner);
        return true;
    } catch (const std::exception& e) {
        m_err.ReportException("GetStringToDateNow", e);
        return false;
    }
}
