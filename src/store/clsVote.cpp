#include "store/clsVote.h"

#include "store/basXmlValue.h"

#include <filesystem>

clsVote::clsVote(const clsHost& host, const TotoSettings& settings,
                 const std::string& strProgramDir)
    : clsLoaderBase(host, "clsVote", "投票状況")
    , m_programDir(strProgramDir)
    , m_xml(host.Message, strProgramDir)
    , m_reader(host.Message, host.Busy, host.Wait, settings)
{}

VoteRecord clsVote::Vote() const
{
    return Held("Vote", m_record);
}

bool clsVote::CheckVoteFile(std::int32_t lngKaisaikai, const std::string& strKumi) const
{
    return HasFile("CheckVoteFile", m_xml, lngKaisaikai, strKumi);
}

bool clsVote::GetVote(std::int32_t lngKaisaikai, const std::string& strKumi, std::int32_t DType,
                      bool blnDQuestion)
{
    if (!BeginLoad("GetVote")) {
        return false;
    }
    m_final = false;
    m_record = LoadOrDownload<VoteRecord>(
        "GetVote", m_xml, lngKaisaikai, strKumi, DType, blnDQuestion,
        [](const VoteRecord& rec) { return rec.IsValid(); },
        [&](VoteRecord& rec) {
            bool final = false;
            if (!m_reader.GetVote(lngKaisaikai, strKumi, final)) {
                return false;
            }
            const VoteRecord& read = m_reader.Vote();
            if (read.Kaisaikai != lngKaisaikai) {
                m_fault = "ページは第" + std::to_string(read.Kaisaikai) + "回のものです";
                return false;
            }
            rec = read;
            m_final = final;
            m_fault = InvalidReason(rec);
            // Only the close of sales is filed; an interim status changes until then.
            return final && m_fault.empty();
        });
    return m_record.IsValid();
}

std::string clsVote::OldVoteFileName(std::int32_t lngKaisaikai, DateTime SEndTime) const
{
    const std::string name = "vote_" + basXmlValue::FormatRound(lngKaisaikai) + "_" +
                             SEndTime.Format("yyyy-mm-dd") + ".xml";
    return (std::filesystem::path(m_programDir) / "SysData" / "Vote" / name).string();
}

bool clsVote::GetOldVoteFile(std::int32_t lngKaisaikai, DateTime SEndTime)
{
    if (!CheckInitialized("GetOldVoteFile")) {
        return false;
    }
    try {
        const std::string file = OldVoteFileName(lngKaisaikai, SEndTime);
        std::error_code ec;
        if (!std::filesystem::exists(file, ec) || !m_xml.XmlLoad(file)) {
            return false;
        }
        m_record = m_xml.GetRecord();
        return true;
    } catch (const std::exception& e) {
        m_err.ReportException("GetOldVoteFile", e);
        return false;
    }
}

std::string clsVote::InvalidReason(const VoteRecord& rec)
{
    if (rec.IsValid()) {
        return {};
    }
    const Currency zero;
    const auto match = [](std::size_t k) { return "（試合" + std::to_string(k + 1) + "）"; };
    if (rec.Kaisaikai <= 0) {
        return "開催回が読み取れません";
    }
    if (rec.AsOf.Serial() <= 0) {
        return "集計時点が読み取れません";
    }
    for (std::size_t k = 0; k < rec.Match.size(); ++k) {
        const VoteMatch& m = rec.Match[k];
        if (m.GameDate.IsZero()) {
            return "試合開催日が読み取れません" + match(k);
        }
        if (m.Home.empty() || m.Away.empty()) {
            return "チーム名が読み取れません" + match(k);
        }
        Currency sum;
        for (int o = 0; o < 3; ++o) {
            if (m.Votes[o] <= zero) {
                return "投票数が0です" + match(k);
            }
            if (m.Rate[o] <= zero) {
                return "投票率が0%です" + match(k);
            }
            sum += m.Rate[o];
        }
        if (sum != Currency::FromInt(100)) {
            return "投票率の合計が100%ではありません" + match(k);
        }
    }
    for (Currency c :
         {rec.SalesTotal, rec.SalesMulti, rec.SalesSingle, rec.UnitsTotal, rec.UnitsMulti,
          rec.UnitsSingle, rec.TicketsTotal, rec.TicketsMulti, rec.TicketsSingle}) {
        if (c < zero) {
            return "売上・投票の数に負の値があります";
        }
    }
    if (rec.SalesMulti + rec.SalesSingle != rec.SalesTotal) {
        return "売上金額の合計がマルチとシングルの和と一致しません";
    }
    if (rec.UnitsMulti + rec.UnitsSingle != rec.UnitsTotal) {
        return "投票口数の合計がマルチとシングルの和と一致しません";
    }
    if (rec.TicketsMulti + rec.TicketsSingle != rec.TicketsTotal) {
        return "投票枚数の合計がマルチとシングルの和と一致しません";
    }
    if (rec.SaleStart.IsZero() || rec.SaleEnd.IsZero()) {
        return "販売期間が読み取れません";
    }
    if (rec.ResultDate.IsZero()) {
        return "結果発表日が読み取れません";
    }
    if (rec.RefundStart.IsZero() || rec.RefundDeadline.IsZero()) {
        return "払戻期間が読み取れません";
    }
    if (rec.UnitsTotal * 100 != rec.SalesTotal || rec.UnitsMulti * 100 != rec.SalesMulti ||
        rec.UnitsSingle * 100 != rec.SalesSingle) {
        return "売上金額が投票口数の100円分ではありません";
    }
    return "投票状況の値が有効ではありません";
}
