#include "net/clsHtmlSchedule.h"

#include "lottery/clsToto.h"
#include "net/basPageList.h"

#include <functional>
#include <map>

using basPageList::At;

clsHtmlSchedule::clsHtmlSchedule(clsIMessage& message, clsIBusy& busy, clsIWait& wait,
                                 const TotoSettings& settings, const std::string& strProgramFolder)
    : clsHtmlPage(message, busy, wait, "clsHtmlSchedule")
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

std::size_t clsHtmlSchedule::ReadMatchRow(const std::vector<std::string>& list, std::size_t i,
                                          std::int32_t n, int intYear, ScheduleRecord& rec,
                                          bool& failed)
{
    const auto team = [&](const std::string& strText) {
        return m_teams.GetShortTeamName(basPageList::TeamCell(m_toto, strText), rec.Kaisaikai);
    };
    auto& m = rec.Match[static_cast<std::size_t>(n - 1)];
    m.GameDate = basPageList::DateInYear(m_toto, intYear, At(list, i + 1));
    m.StartTime = m_toto.ToTime(At(list, i + 2));
    m.Stadium = At(list, i + 3);
    m.Home = team(At(list, i + 4));
    if (m.Home.empty()) {
        failed = true;
        return 0;
    }
    const std::string& state = At(list, i + 5);
    if (state != "VS" && state != "中止") {
        failed = true;
        return 0;
    }
    m.State = state;
    m.Away = team(At(list, i + 6));
    if (m.Away.empty()) {
        failed = true;
        return 0;
    }
    return 7;
}

bool clsHtmlSchedule::ReadList(const std::vector<std::string>& list, const std::string& strKumi)
{
    m_record = ScheduleRecord{};
    m_unpublished = false;
    ScheduleRecord rec;
    rec.Kumi = strKumi;
    const std::string check = basPageList::HeaderCheck(strKumi, "くじ情報");
    // The dates of a held round; a page without one of these rows would leave a zero.
    std::map<std::string, bool, std::less<>> seen = {{"販売開始日", false},
                                                     {"販売終了日", false},
                                                     {"結果発表日", false},
                                                     {"払戻開始日", false},
                                                     {"払戻期限", false}};
    const bool read = Guarded("GetSchedule", [&](bool& failed) {
        int year = m_toto.CurrentYear();
        bool read13 = false;
        const auto row = [&](std::size_t i) -> std::size_t {
            const std::string& entry = list[i];
            if (const auto label = seen.find(entry); label != seen.end()) {
                label->second = true;
            }
            if (entry == "くじは中止となりました。") {
                rec.HoldState = 2;
                return 1;
            }
            if (entry == "販売開始日") {
                rec.SaleStart = basPageList::DateAt(m_toto, list, i + 1);
                // An unreadable start date must not move the match dates to the year 1899.
                if (!rec.SaleStart.IsZero()) {
                    year = rec.SaleStart.Year();
                }
                return 2;
            }
            if (entry == "販売終了日") {
                rec.SaleEnd = m_toto.StringToDateEx2(At(list, i + 1));
                return 2;
            }
            if (basPageList::ReadPayoutDate(m_toto, list, i, rec)) {
                // The refund deadline is the page's last row.
                return entry == "払戻期限" ? 0 : 2;
            }
            const std::int32_t n = basPageList::RowNumber(entry, clsToto::kMatchCount + 1);
            if (n == 0) {
                return 1;
            }
            if (read13) {
                failed = true;
                return 0;
            }
            if (n > clsToto::kMatchCount) {
                throw HtmlReadError::PastEnd();
            }
            read13 = n == clsToto::kMatchCount;
            return ReadMatchRow(list, i, n, year, rec, failed);
        };
        const bool published = basPageList::Walk(
            list,
            [&](const std::string& entry) {
                return basPageList::RoundHeading(
                    m_toto, entry, "ご指定のくじ情報は表示できません。", check, rec.Kaisaikai);
            },
            row);
        if (published && !failed) {
            // A cancelled round needs none of its dates.
            if (rec.HoldState != 2) {
                basPageList::CheckAllSeen(seen);
            }
            basPageList::CheckRoundYears(rec);
        }
        return published;
    });
    if (read) {
        m_record = rec;
    }
    return read;
}
