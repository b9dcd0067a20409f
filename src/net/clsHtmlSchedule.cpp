#include "net/clsHtmlSchedule.h"

#include "net/basPageList.h"

#include <functional>
#include <map>

using basPageList::At;

clsHtmlSchedule::clsHtmlSchedule(clsIMessage& message, clsIBusy& busy, clsIWait& wait,
                                 const TotoSettings& settings, const std::string& strProgramFolder)
    : m_err(message, "clsHtmlSchedule")
    , m_get(message, busy, wait)
    , m_toto(message)
    , m_teams(message, strProgramFolder)
    , m_url(settings.totoOfficialScheduleUrl)
{}

std::string clsHtmlSchedule::PageUrl(std::int32_t lngKaisaikai) const
{
    return m_url + basPageList::Format0000(lngKaisaikai);
}

bool clsHtmlSchedule::GetSchedule(std::int32_t lngKaisaikai, const std::string& strKumi)
{
    m_record = ScheduleRecord{};
    m_unpublished = false;
    return basPageList::FetchAndRead(
        m_get, m_err, "GetSchedule", lngKaisaikai, "開催情報",
        [&] { return PageUrl(lngKaisaikai); },
        [&](const std::vector<std::string>& list) { return ReadList(list, strKumi); });
}

bool clsHtmlSchedule::ReadList(const std::vector<std::string>& list, const std::string& strKumi)
{
    m_record = ScheduleRecord{};
    m_unpublished = false;
    ScheduleRecord rec;
    const std::string check = basPageList::HeaderCheck(strKumi, "くじ情報");
    if (!strKumi.empty()) {
        rec.Kumi = strKumi;
    }
    bool header = false;
    bool failed = false;
    bool errored = false;
    try {
        int year = m_toto.CurrentYear();
        bool read13 = false;
        // The dates of a held round; a page without one of these rows would leave a zero.
        std::map<std::string, bool, std::less<>> seen = {{"販売開始日", false},
                                                         {"販売終了日", false},
                                                         {"結果発表日", false},
                                                         {"払戻開始日", false},
                                                         {"払戻期限", false}};
        const auto team = [&](const std::string& strText) {
            if (m_toto.LooksLikeValue(strText)) {
                throw HtmlReadError::NotATeam(strText);
            }
            return m_teams.GetShortTeamName(strText, rec.Kaisaikai);
        };
        const auto dateAt = [&](std::size_t i) {
            std::string value = At(list, i);
            return m_toto.StringToDateEx(value);
        };
        std::size_t i = 0;
        while (i < list.size() && !failed) {
            const std::string& entry = list[i];
            if (!header) {
                if (entry == "ご指定のくじ情報は表示できません。") {
                    break;
                }
                if (!m_toto.GetKaisaikai(entry, rec.Kaisaikai, check)) {
                    ++i;
                    continue;
                }
                header = true;
            }
            if (const auto label = seen.find(entry); label != seen.end()) {
                label->second = true;
            }
            if (entry == "くじは中止となりました。") {
                rec.HoldState = 2;
                ++i;
            } else if (entry == "販売開始日") {
                rec.SaleStart = dateAt(i + 1);
                // An unreadable start date must not move the match dates to the year 1899.
                if (!rec.SaleStart.IsZero()) {
                    year = rec.SaleStart.Year();
                }
                i += 2;
            } else if (entry == "販売終了日") {
                rec.SaleEnd = m_toto.StringToDateEx2(At(list, i + 1));
                i += 2;
            } else if (entry == "結果発表日") {
                rec.ResultDate = dateAt(i + 1);
                i += 2;
            } else if (entry == "払戻開始日") {
                rec.RefundStart = dateAt(i + 1);
                i += 2;
            } else if (entry == "払戻期限") {
                rec.RefundDeadline = dateAt(i + 1);
                break;
            } else if (const std::int32_t n = basPageList::RowNumber(entry, 14); n > 0) {
                if (read13) {
                    failed = true;
                    break;
                }
                if (n > 13) {
                    throw HtmlReadError::PastEnd();
                }
                auto& m = rec.Match[static_cast<std::size_t>(n - 1)];
                m.GameDate = basPageList::DateInYear(m_toto, year, At(list, i + 1));
                m.StartTime = m_toto.ToTime(At(list, i + 2));
                m.Stadium = At(list, i + 3);
                m.Home = team(At(list, i + 4));
                if (m.Home.empty()) {
                    failed = true;
                    break;
                }
                const std::string& state = At(list, i + 5);
                if (state != "VS" && state != "中止") {
                    failed = true;
                    break;
                }
                m.State = state;
                m.Away = team(At(list, i + 6));
                if (m.Away.empty()) {
                    failed = true;
                    break;
                }
                if (n == 13) {
                    read13 = true;
                }
                i += 7;
            } else {
                ++i;
            }
        }
        if (header && !failed) {
            // A cancelled round needs none of its dates.
            for (const auto& [label, found] : seen) {
                if (!found && rec.HoldState != 2) {
                    throw HtmlReadError::Missing(label);
                }
            }
            basPageList::CheckRoundYears(rec);
        }
    } catch (const std::exception& e) {
        basPageList::ReportReadError(m_err, "GetSchedule", e);
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
    m_record = rec;
    return true;
}
