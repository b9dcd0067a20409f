#include "net/clsHtmlResult.h"

#include "lottery/basAmountCheck.h"
#include "lottery/clsToto.h"
#include "net/basPageList.h"

#include <algorithm>
#include <array>
#include <functional>
#include <initializer_list>
#include <map>
#include <string_view>
#include <utility>

using basPageList::At;

namespace {
std::uint8_t ByteValue(const std::string& strText)
{
    if (strText.empty() || strText.size() > 3) {
        throw HtmlReadError::TypeMismatch(strText);
    }
    int v = 0;
    for (char c : strText) {
        if (c < '0' || c > '9') {
            throw HtmlReadError::TypeMismatch(strText);
        }
        v = v * 10 + (c - '0');
    }
    if (v > 255) {
        throw HtmlReadError::Overflow(strText);
    }
    return static_cast<std::uint8_t>(v);
}

using Seen = std::map<std::string, bool, std::less<>>;

// The rows of money per grade, by their labels.
constexpr std::pair<std::string_view, std::array<Currency, 4> ResultRecord::*> kGradeRows[] = {
    {"当せん金", &ResultRecord::Prize},
    {"当せん口数", &ResultRecord::Winners},
    {"次回への繰越金", &ResultRecord::CarryOver}};

// A labelled row of money per grade, grade 1 first; the entries it took.
std::size_t ReadGrades(const clsHtmlToto& toto, const std::vector<std::string>& list, std::size_t i,
                       int grades, std::array<Currency, 4>& values)
{
    for (int k = 1; k <= grades; ++k) {
        const std::string& text = At(list, i + static_cast<std::size_t>(k));
        const auto value = toto.ToAmount(text);
        if (!value) {
            throw HtmlReadError::Unreadable(list[i] + "（" + std::to_string(k) + "等）", text);
        }
        values[static_cast<std::size_t>(k)] = *value;
    }
    return static_cast<std::size_t>(grades) + 1;
}

// The labels entry i is followed by, in this order.
bool Labels(const std::vector<std::string>& list, std::size_t i,
            std::initializer_list<std::string_view> names)
{
    for (const std::string_view name : names) {
        if (At(list, ++i) != name) {
            return false;
        }
    }
    return true;
}

// The period blocks: sales (start, end, result date), payout (start, deadline) or, for a
// cancelled round, refund (fixed, start, deadline). The payout and refund blocks end the page;
// a label without its column heads is passed over.
std::size_t ReadPeriod(const clsHtmlToto& toto, const std::vector<std::string>& list, std::size_t i,
                       ResultRecord& rec, Seen& seen)
{
    const std::string& entry = list[i];
    if (entry == "販売期間") {
        if (!Labels(list, i, {"販売開始日", "販売終了日", "結果発表日"})) {
            return 1;
        }
        rec.SaleStart = basPageList::DateAt(toto, list, i + 4);
        rec.SaleEnd = basPageList::DateAt(toto, list, i + 5);
        rec.ResultDate = basPageList::DateAt(toto, list, i + 6);
        seen["販売期間"] = true;
        return 7;
    }
    if (entry == "払戻日") {
        if (!Labels(list, i, {"払戻開始日", "払戻期限"})) {
            return 1;
        }
        rec.RefundStart = basPageList::DateAt(toto, list, i + 3);
        rec.RefundDeadline = basPageList::DateAt(toto, list, i + 4);
        seen["払戻日"] = true;
        return 0;
    }
    if (!Labels(list, i, {"返還確定日", "返還開始日", "返還期限"})) {
        return 1;
    }
    rec.ResultDate = basPageList::DateAt(toto, list, i + 4);
    rec.RefundStart = basPageList::DateAt(toto, list, i + 5);
    rec.RefundDeadline = basPageList::DateAt(toto, list, i + 6);
    return 0;
}

// "h-a" into the match's scores; "中止" is a cancelled match with no score. Whether it was.
bool ReadScore(const std::string& score, ResultMatch& m)
{
    if (score == "中止") {
        m.HomeScore = 0;
        m.AwayScore = 0;
        return true;
    }
    const auto dash = score.find('-');
    if (dash == std::string::npos) {
        throw HtmlReadError::TypeMismatch(score);
    }
    const auto dash2 = score.find('-', dash + 1);
    m.HomeScore = ByteValue(score.substr(0, dash));
    m.AwayScore = ByteValue(
        score.substr(dash + 1, dash2 == std::string::npos ? std::string::npos : dash2 - dash - 1));
    return false;
}

// The date and stadium that head the match rows after them, and whether match 13 was read.
struct MatchRows
{
    DateTime date;
    std::string stadium;
    bool read13 = false;
};

// A match row "n home score away outcome" under the latest date and stadium; 1 for an entry
// that is none. A row after match 13 is a second table: failed, and the walk ends.
std::size_t ReadMatchRow(const clsHtmlToto& toto, const std::vector<std::string>& list,
                         std::size_t i, ResultRecord& rec, MatchRows& rows, bool& failed)
{
    const std::string& entry = list[i];
    if (toto.IsDate(entry)) {
        rows.date = toto.ToDate(entry);
        rows.stadium = At(list, i + 1);
    }
    const std::int32_t n = basPageList::RowNumber(entry, clsToto::kMatchCount);
    if (rows.date.IsZero() || rows.stadium.empty() || n == 0) {
        return 1;
    }
    if (rows.read13) {
        failed = true;
        return 0;
    }
    auto& m = rec.Match[static_cast<std::size_t>(n - 1)];
    m.GameDate = rows.date;
    m.Stadium = rows.stadium;
    m.Home = basPageList::TeamCell(toto, At(list, i + 1));
    const bool cancelled = ReadScore(At(list, i + 2), m);
    m.Away = basPageList::TeamCell(toto, At(list, i + 3));
    const std::string& outcome = At(list, i + 4);
    m.Outcome = (cancelled || outcome == "中止") ? 3 : ByteValue(outcome);
    // Only the outcome codes: the store refuses anything else, so such a page would be stored
    // once and never read back.
    if (m.Outcome > 3) {
        throw HtmlReadError::Unreadable("くじ結果", outcome);
    }
    rows.read13 = rows.read13 || n == clsToto::kMatchCount;
    return 5;
}

// Month/day cells take the clock's year; around New Year that is the wrong one, so the round's
// own dates decide. A missing reference date decides nothing.
void FixMatchYears(ResultRecord& rec)
{
    const DateTime reference = rec.Cancelled ? rec.ResultDate : rec.SaleStart;
    const DateTime first = rec.Match[0].GameDate;
    if (reference.IsZero() || first.IsZero() || first.Year() == reference.Year()) {
        return;
    }
    for (auto& m : rec.Match) {
        if (!m.GameDate.IsZero()) {
            m.GameDate = DateTime(
                DateTime::FromYmd(reference.Year(), m.GameDate.Month(), m.GameDate.Day()).Serial() +
                m.GameDate.TimePart().Serial());
        }
    }
}
} // namespace

clsHtmlResult::clsHtmlResult(clsIMessage& message, clsIBusy& busy, clsIWait& wait,
                             const TotoSettings& settings)
    : clsHtmlPage(message, busy, wait, "clsHtmlResult")
    , m_url(settings.totoOfficialResultUrl)
{}

std::string clsHtmlResult::PageUrl(std::int32_t lngKaisaikai) const
{
    return m_url + basPageList::Format0000(lngKaisaikai);
}

bool clsHtmlResult::GetResult(std::int32_t lngKaisaikai, const std::string& strKumi)
{
    m_record = ResultRecord{};
    m_unpublished = false;
    return basPageList::FetchAndRead(
        m_get, m_err, "GetResult", lngKaisaikai, "結果情報", [&] { return PageUrl(lngKaisaikai); },
        [&](const std::vector<std::string>& list) { return ReadList(list, strKumi); });
}

bool clsHtmlResult::ReadList(const std::vector<std::string>& list, const std::string& strKumi)
{
    m_record = ResultRecord{};
    m_unpublished = false;
    ResultRecord rec;
    rec.Kumi = strKumi;
    const std::string check = basPageList::HeaderCheck(strKumi, "くじ結果");
    // What a round that was played needs; without one of these the record would hold zeros
    // that pass as real prizes and dates.
    Seen seen = {{"当せん金", false},
                 {"当せん口数", false},
                 {"次回への繰越金", false},
                 {"販売期間", false},
                 {"払戻日", false}};
    const bool read = Guarded("GetResult", [&](bool& failed) {
        MatchRows rows;
        const bool published = basPageList::Walk(
            list,
            [&](const std::string& entry) {
                return basPageList::RoundHeading(
                    m_toto, entry, "ご指定のくじ結果は表示できません。", check, rec.Kaisaikai);
            },
            [&](std::size_t i) -> std::size_t {
                const std::string& entry = list[i];
                for (const auto& [label, values] : kGradeRows) {
                    if (entry == label) {
                        const int grades = clsToto::GetMaxGrade(rec.Kaisaikai);
                        const std::size_t taken = ReadGrades(m_toto, list, i, grades, rec.*values);
                        seen[entry] = true;
                        return taken;
                    }
                }
                if (entry == "販売期間" || entry == "払戻日" || entry == "返還日") {
                    return ReadPeriod(m_toto, list, i, rec, seen);
                }
                return ReadMatchRow(m_toto, list, i, rec, rows, failed);
            });
        if (!published || failed) {
            return published;
        }
        rec.Cancelled = std::all_of(rec.Match.begin(), rec.Match.end(),
                                    [](const ResultMatch& m) { return m.Outcome == 3; });
        FixMatchYears(rec);
        // A round whose every match was cancelled pays nothing and needs no sales dates.
        if (!rec.Cancelled) {
            basPageList::CheckAllSeen(seen);
        }
        basPageList::CheckRoundYears(rec);
        // The store refuses such a result, so it is never taken from a page either.
        if (const auto fault = basAmountCheck::ResultFault(rec)) {
            throw HtmlReadError(ErrorNumber::None, *fault);
        }
        return true;
    });
    if (read) {
        m_record = rec;
    }
    return read;
}
