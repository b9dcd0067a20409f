#include "net/clsHtmlVote.h"

#include "base/basText.h"
#include "net/basPageList.h"

#include <functional>
#include <map>

using basPageList::At;

clsHtmlVote::clsHtmlVote(clsIMessage& message, clsIBusy& busy, clsIWait& wait,
                         const TotoSettings& settings)
    : m_err(message, "clsHtmlVote")
    , m_get(message, busy, wait)
    , m_toto(message)
    , m_voteUrl(settings.totoOfficialVoteUrl)
    , m_totoUrl(settings.totoOfficialTotoUrl)
    , m_miniTotoAUrl(settings.totoOfficialMiniTotoAUrl)
    , m_miniTotoBUrl(settings.totoOfficialMiniTotoBUrl)
{}

std::string clsHtmlVote::PageUrl(std::int32_t lngKaisaikai, const std::string& strKumi) const
{
    std::string url = m_voteUrl + basPageList::Format0000(lngKaisaikai) + m_totoUrl;
    if (strKumi == "A") {
        url += m_miniTotoAUrl;
    } else if (strKumi == "B") {
        url += m_miniTotoBUrl;
    }
    return url;
}

bool clsHtmlVote::GetVote(std::int32_t lngKaisaikai, const std::string& strKumi, bool& blnFinal)
{
    m_record = VoteRecord{};
    m_unpublished = false;
    blnFinal = false;
    return basPageList::FetchAndRead(
        m_get, m_err, "GetVote", lngKaisaikai, "投票状況情報",
        [&] { return PageUrl(lngKaisaikai, strKumi); },
        [&](const std::vector<std::string>& list) { return ReadList(list, strKumi, blnFinal); });
}

bool clsHtmlVote::ReadList(const std::vector<std::string>& list, const std::string& strKumi,
                           bool& blnFinal)
{
    m_record = VoteRecord{};
    m_unpublished = false;
    blnFinal = false;
    VoteRecord rec;
    if (!strKumi.empty()) {
        rec.Kumi = strKumi;
    }
    bool header = false;
    bool stamp = false;
    bool failed = false;
    try {
        int year = m_toto.CurrentYear();
        DateTime current;
        DateTime currentTime;
        // Every label row the record needs; a page without one would leave zeros that can
        // pass as a real status.
        std::map<std::string, bool, std::less<>> seen = {
            {"売上金額", false},   {"投票口数", false},   {"投票枚数", false}, {"販売期間", false},
            {"結果発表日", false}, {"払戻開始日", false}, {"払戻期限", false}};
        const auto amount = [&](const std::string& strWhat, const std::string& strText) {
            const auto value = m_toto.ToAmount(strText);
            if (!value) {
                throw HtmlReadError::Unreadable(strWhat, strText);
            }
            return *value;
        };
        const auto money3 = [&](std::size_t i, Currency& a, Currency& b, Currency& c) {
            const std::string& label = list[i];
            a = amount(label + "（合計）", At(list, i + 1));
            b = amount(label + "（マルチ）", At(list, i + 2));
            c = amount(label + "（シングル）", At(list, i + 3));
        };
        const auto team = [&](const std::string& strText) {
            if (m_toto.LooksLikeValue(strText)) {
                throw HtmlReadError::NotATeam(strText);
            }
            return strText;
        };
        std::size_t i = 0;
        while (i < list.size() && !failed) {
            const std::string& entry = list[i];
            if (!header) {
                if (entry == "ご指定の投票状況は表示できません。") {
                    break;
                }
                if (!m_toto.Kaisaikai(entry, rec.Kaisaikai)) {
                    ++i;
                    continue;
                }
                header = true;
            }
            if (!stamp) {
                if (!m_toto.GetStringToDateNow(entry, rec.AsOf, blnFinal)) {
                    ++i;
                    continue;
                }
                stamp = true;
                year = rec.AsOf.Year();
            }
            if (const auto label = seen.find(entry); label != seen.end()) {
                label->second = true;
            }
            if (entry == "売上金額") {
                money3(i, rec.SalesTotal, rec.SalesMulti, rec.SalesSingle);
                i += 4;
            } else if (entry == "投票口数") {
                money3(i, rec.UnitsTotal, rec.UnitsMulti, rec.UnitsSingle);
                i += 4;
            } else if (entry == "投票枚数") {
                money3(i, rec.TicketsTotal, rec.TicketsMulti, rec.TicketsSingle);
                i += 4;
            } else if (entry == "販売期間") {
                m_toto.DateString2(At(list, i + 1), rec.SaleStart, rec.SaleEnd);
                i += 2;
            } else if (entry == "結果発表日" || entry == "払戻開始日" || entry == "払戻期限") {
                std::string value = At(list, i + 1);
                const DateTime d = m_toto.StringToDateEx(value);
                (entry == "結果発表日"   ? rec.ResultDate
                 : entry == "払戻開始日" ? rec.RefundStart
                                         : rec.RefundDeadline) = d;
                i += 2;
            } else {
                std::size_t e = i;
                if (m_toto.IsDate(list[e])) {
                    current = basPageList::DateInYear(m_toto, year, list[e]);
                    currentTime = m_toto.ToTime(At(list, e + 1));
                    e += 2;
                    if (e >= list.size()) {
                        break;
                    }
                }
                std::string number = list[e];
                if (number.find("中止") != std::string::npos) {
                    number = basText::Mid(number, 3);
                }
                const std::int32_t n = basPageList::RowNumber(number, 13);
                if (n == 0) {
                    i = e + 1;
                    continue;
                }
                auto& m = rec.Match[static_cast<std::size_t>(n - 1)];
                m.GameDate = current;
                m.StartTime = currentTime;
                m.Home = team(At(list, e + 1));
                static constexpr int kCellOrder[3] = {1, 0, 2};
                static constexpr const char* kCellName[3] = {"ホーム勝ち", "引分け", "ホーム負け"};
                for (int c = 0; c < 3; ++c) {
                    const int k = kCellOrder[c];
                    std::string count;
                    std::string rate;
                    if (!m_toto.SplitValue2(At(list, e + 2 + static_cast<std::size_t>(c)), count,
                                            rate)) {
                        failed = true;
                        break;
                    }
                    const std::string what = "試合" + std::to_string(n) + " " + kCellName[c];
                    m.Votes[k] = amount(what + "の投票数", count);
                    m.Rate[k] = amount(what + "の投票率", rate);
                }
                if (failed) {
                    break;
                }
                m.Away = team(At(list, e + 5));
                i = e + 6;
            }
        }
        if (stamp && !failed) {
            basPageList::CheckAllSeen(seen);
            basPageList::CheckYears({{"集計時点", rec.AsOf}});
            basPageList::CheckRoundYears(rec);
        }
    } catch (const std::exception& e) {
        basPageList::ReportReadError(m_err, "GetVote", e);
        failed = true;
    }
    // A broken page was reported as such; calling it unpublished as well would mislead.
    if (!stamp && !failed) {
        m_unpublished = true;
        return false;
    }
    if (failed || !stamp) {
        return false;
    }
    if (blnFinal) {
        rec.AsOf = rec.SaleEnd;
    }
    m_record = rec;
    return true;
}
