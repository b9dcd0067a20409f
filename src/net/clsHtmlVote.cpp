#include "net/clsHtmlVote.h"

#include "base/basText.h"
#include "lottery/basAmountCheck.h"
#include "lottery/clsToto.h"
#include "net/basPageList.h"

#include <functional>
#include <map>

using basPageList::At;

namespace {
// A count or amount of the page; one that cannot be read fails the read, naming strWhat.
Currency Amount(const clsHtmlToto& toto, const std::string& strWhat, const std::string& strText)
{
    const auto value = toto.ToAmount(strText);
    if (!value) {
        throw HtmlReadError::Unreadable(strWhat, strText);
    }
    return *value;
}

// A sum row: its label, then the total, the multi and the single part.
void ReadSums(const clsHtmlToto& toto, const std::vector<std::string>& list, std::size_t i,
              Currency& total, Currency& multi, Currency& single)
{
    const std::string& label = list[i];
    total = Amount(toto, label + "（合計）", At(list, i + 1));
    multi = Amount(toto, label + "（マルチ）", At(list, i + 2));
    single = Amount(toto, label + "（シングル）", At(list, i + 3));
}

// The date and start time that head the match rows after them.
struct MatchRows
{
    int year = 0;
    DateTime date;
    DateTime time;
};

// A match row "n home win draw loss away" (each cell "count(rate%)"), maybe after a new date
// and time; the entries it took from i, 0 ending the walk. A cell that is no count with a rate
// fails the read.
std::size_t ReadMatchRow(const clsHtmlToto& toto, const std::vector<std::string>& list,
                         std::size_t i, VoteRecord& rec, MatchRows& rows, bool& failed)
{
    std::size_t e = i;
    if (toto.IsDate(list[e])) {
        rows.date = basPageList::DateInYear(toto, rows.year, list[e]);
        rows.time = toto.ToTime(At(list, e + 1));
        e += 2;
        if (e >= list.size()) {
            return 0;
        }
    }
    std::string number = list[e];
    if (number.find("中止") != std::string::npos) {
        number = basText::Mid(number, 3);
    }
    const std::int32_t n = basPageList::RowNumber(number, clsToto::kMatchCount);
    if (n == 0) {
        return e + 1 - i;
    }
    auto& m = rec.Match[static_cast<std::size_t>(n - 1)];
    m.GameDate = rows.date;
    m.StartTime = rows.time;
    m.Home = basPageList::TeamCell(toto, At(list, e + 1));
    static constexpr int kCellOrder[3] = {1, 0, 2};
    static constexpr const char* kCellName[3] = {"ホーム勝ち", "引分け", "ホーム負け"};
    for (std::size_t c = 0; c < 3; ++c) {
        const auto k = static_cast<std::size_t>(kCellOrder[c]);
        std::string count;
        std::string rate;
        if (!toto.SplitValue2(At(list, e + 2 + c), count, rate)) {
            failed = true;
            return 0;
        }
        const std::string what = "試合" + std::to_string(n) + " " + kCellName[c];
        m.Votes[k] = Amount(toto, what + "の投票数", count);
        m.Rate[k] = Amount(toto, what + "の投票率", rate);
    }
    m.Away = basPageList::TeamCell(toto, At(list, e + 5));
    return e + 6 - i;
}
} // namespace

clsHtmlVote::clsHtmlVote(clsIMessage& message, clsIBusy& busy, clsIWait& wait,
                         const TotoSettings& settings)
    : clsHtmlPage(message, busy, wait, "clsHtmlVote")
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
    rec.Kumi = strKumi;
    // Every label row the record needs; a page without one would leave zeros that can pass as
    // a real status.
    std::map<std::string, bool, std::less<>> seen = {
        {"売上金額", false},   {"投票口数", false},   {"投票枚数", false}, {"販売期間", false},
        {"結果発表日", false}, {"払戻開始日", false}, {"払戻期限", false}};
    const bool read = Guarded("GetVote", [&](bool& failed) {
        MatchRows rows{m_toto.CurrentYear(), {}, {}};
        // The page is the round's from its heading on, and published once the time stamp of
        // its status follows; the stamp's year dates the match rows.
        bool header = false;
        const auto heading = [&](const std::string& entry) {
            if (!header) {
                if (entry == "ご指定の投票状況は表示できません。") {
                    return basPageList::Heading::NotShown;
                }
                if (!m_toto.Kaisaikai(entry, rec.Kaisaikai)) {
                    return basPageList::Heading::NotYet;
                }
                header = true;
            }
            if (!m_toto.GetStringToDateNow(entry, rec.AsOf, blnFinal)) {
                return basPageList::Heading::NotYet;
            }
            rows.year = rec.AsOf.Year();
            return basPageList::Heading::Found;
        };
        const auto row = [&](std::size_t i) -> std::size_t {
            const std::string& entry = list[i];
            if (const auto label = seen.find(entry); label != seen.end()) {
                label->second = true;
            }
            if (entry == "売上金額") {
                ReadSums(m_toto, list, i, rec.SalesTotal, rec.SalesMulti, rec.SalesSingle);
                return 4;
            }
            if (entry == "投票口数") {
                ReadSums(m_toto, list, i, rec.UnitsTotal, rec.UnitsMulti, rec.UnitsSingle);
                return 4;
            }
            if (entry == "投票枚数") {
                ReadSums(m_toto, list, i, rec.TicketsTotal, rec.TicketsMulti, rec.TicketsSingle);
                return 4;
            }
            if (entry == "販売期間") {
                m_toto.DateString2(At(list, i + 1), rec.SaleStart, rec.SaleEnd);
                return 2;
            }
            if (basPageList::ReadPayoutDate(m_toto, list, i, rec)) {
                return 2;
            }
            return ReadMatchRow(m_toto, list, i, rec, rows, failed);
        };
        const bool published = basPageList::Walk(list, heading, row);
        if (published && !failed) {
            basPageList::CheckAllSeen(seen);
            basPageList::CheckYears({{"集計時点", rec.AsOf}});
            basPageList::CheckRoundYears(rec);
            // The store refuses such a status, so it is never taken from a page either.
            if (const auto fault = basAmountCheck::VoteFault(rec)) {
                throw HtmlReadError(ErrorNumber::None, *fault);
            }
        }
        return published;
    });
    if (!read) {
        return false;
    }
    if (blnFinal) {
        rec.AsOf = rec.SaleEnd;
    }
    m_record = rec;
    return true;
}
