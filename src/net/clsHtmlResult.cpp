#include "net/clsHtmlResult.h"

#include "lottery/clsToto.h"
#include "net/basPageList.h"

#include <functional>
#include <map>

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
} // namespace

clsHtmlResult::clsHtmlResult(clsIMessage& message, clsIBusy& busy, clsIWait& wait,
                             const TotoSettings& settings)
    : m_err(message, "clsHtmlResult")
    , m_get(message, busy, wait)
    , m_toto(message)
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
    const std::string check = basPageList::HeaderCheck(strKumi, "くじ結果");
    if (!strKumi.empty()) {
        rec.Kumi = strKumi;
    }
    bool header = false;
    bool failed = false;
    bool errored = false;
    // What a round that was played needs; without one of these the record would hold zeros
    // that pass as real prizes and dates.
    std::map<std::string, bool, std::less<>> seen = {{"当せん金", false},
                                                     {"当せん口数", false},
                                                     {"次回への繰越金", false},
                                                     {"販売期間", false},
                                                     {"払戻日", false}};
    try {
        DateTime currentDate;
        std::string currentStadium;
        bool read13 = false;
        const auto grades = [&](std::size_t i, auto& values) {
            const int g = clsToto::GetMaxGrade(rec.Kaisaikai);
            for (int k = 1; k <= g; ++k) {
                const std::string& text = At(list, i + static_cast<std::size_t>(k));
                const auto value = m_toto.ToAmount(text);
                if (!value) {
                    throw HtmlReadError::Unreadable(list[i] + "（" + std::to_string(k) + "等）",
                                                    text);
                }
                values[k] = *value;
            }
            seen[list[i]] = true;
            return static_cast<std::size_t>(g) + 1;
        };
        const auto team = [&](const std::string& strText) {
            if (m_toto.LooksLikeValue(strText)) {
                throw HtmlReadError::NotATeam(strText);
            }
            return strText;
        };
        const auto dateAt = [&](std::size_t i) {
            std::string value = At(list, i);
            return m_toto.StringToDateEx(value);
        };
        std::size_t i = 0;
        bool done = false;
        while (i < list.size() && !failed && !done) {
            const std::string& entry = list[i];
            if (!header) {
                if (entry == "ご指定のくじ結果は表示できません。") {
                    break;
                }
                if (!m_toto.GetKaisaikai(entry, rec.Kaisaikai, check)) {
                    ++i;
                    continue;
                }
                header = true;
            }
            if (entry == "当せん金") {
                i += grades(i, rec.Prize);
            } else if (entry == "当せん口数") {
                i += grades(i, rec.Winners);
            } else if (entry == "次回への繰越金") {
                i += grades(i, rec.CarryOver);
            } else if (entry == "販売期間") {
                if (At(list, i + 1) == "販売開始日" && At(list, i + 2) == "販売終了日" &&
                    At(list, i + 3) == "結果発表日") {
                    rec.SaleStart = dateAt(i + 4);
                    rec.SaleEnd = dateAt(i + 5);
                    rec.ResultDate = dateAt(i + 6);
                    seen["販売期間"] = true;
                    i += 7;
                } else {
                    ++i;
                }
            } else if (entry == "払戻日") {
                if (At(list, i + 1) == "払戻開始日" && At(list, i + 2) == "払戻期限") {
                    rec.RefundStart = dateAt(i + 3);
                    rec.RefundDeadline = dateAt(i + 4);
                    seen["払戻日"] = true;
                    done = true;
                } else {
                    ++i;
                }
            } else if (entry == "返還日") {
                if (At(list, i + 1) == "返還確定日" && At(list, i + 2) == "返還開始日" &&
                    At(list, i + 3) == "返還期限") {
                    rec.ResultDate = dateAt(i + 4);
                    rec.RefundStart = dateAt(i + 5);
                    rec.RefundDeadline = dateAt(i + 6);
                    done = true;
                } else {
                    ++i;
                }
            } else {
                if (m_toto.IsDate(entry)) {
                    currentDate = m_toto.ToDate(entry);
                    currentStadium = At(list, i + 1);
                }
                const std::int32_t n = basPageList::RowNumber(entry, 13);
                if (currentDate.IsZero() || currentStadium.empty() || n == 0) {
                    ++i;
                    continue;
                }
                if (read13) {
                    failed = true;
                    break;
                }
                auto& m = rec.Match[static_cast<std::size_t>(n - 1)];
                m.GameDate = currentDate;
                m.Stadium = currentStadium;
                m.Home = team(At(list, i + 1));
                const std::string& score = At(list, i + 2);
                bool cancelled = false;
                if (score == "中止") {
                    m.HomeScore = 0;
                    m.AwayScore = 0;
                    cancelled = true;
                } else {
                    const auto dash = score.find('-');
                    if (dash == std::string::npos) {
                        throw HtmlReadError::TypeMismatch(score);
                    }
                    const auto dash2 = score.find('-', dash + 1);
                    m.HomeScore = ByteValue(score.substr(0, dash));
                    m.AwayScore = ByteValue(score.substr(dash + 1, dash2 == std::string::npos
                                                                       ? std::string::npos
                                                                       : dash2 - dash - 1));
                }
                m.Away = team(At(list, i + 3));
                const std::string& outcome = At(list, i + 4);
                m.Outcome = (cancelled || outcome == "中止") ? 3 : ByteValue(outcome);
                // Only the outcome codes: the store refuses anything else, so such a page
                // would be stored once and never read back.
                if (m.Outcome > 3) {
                    throw HtmlReadError::Unreadable("くじ結果", outcome);
                }
                if (n == 13) {
                    read13 = true;
                }
                i += 5;
            }
        }
    } catch (const std::exception& e) {
        basPageList::ReportReadError(m_err, "GetResult", e);
        errored = true;
    }
    if (errored) {
        return false;
    }
    if (!header) {
        m_unpublished = true;
        return false;
    }
    if (failed) {
        return false;
    }
    rec.Cancelled = true;
    for (const auto& m : rec.Match) {
        if (m.Outcome != 3) {
            rec.Cancelled = false;
        }
    }
    // Month/day cells take the clock's year; around New Year that is the wrong one, so the
    // round's own dates decide. A missing reference date decides nothing.
    const DateTime reference = rec.Cancelled ? rec.ResultDate : rec.SaleStart;
    const DateTime first = rec.Match[0].GameDate;
    if (!reference.IsZero() && !first.IsZero() && first.Year() != reference.Year()) {
        for (auto& m : rec.Match) {
            if (!m.GameDate.IsZero()) {
                m.GameDate = DateTime(
                    DateTime::FromYmd(reference.Year(), m.GameDate.Month(), m.GameDate.Day())
                        .Serial() +
                    m.GameDate.TimePart().Serial());
            }
        }
    }
    try {
        // A round whose every match was cancelled pays nothing and needs no sales dates.
        if (!rec.Cancelled) {
            basPageList::CheckAllSeen(seen);
        }
        basPageList::CheckRoundYears(rec);
    } catch (const std::exception& e) {
        basPageList::ReportReadError(m_err, "GetResult", e);
        return false;
    }
    m_record = rec;
    return true;
}
