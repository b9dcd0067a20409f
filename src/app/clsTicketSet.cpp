#include "app/clsTicketSet.h"

#include "tickets/clsTSingleSort.h"

clsTicketSet::clsTicketSet(const clsHost& host, std::string strProgramFolder)
    : m_host(host)
    , m_sheet(host.Message, host.Ask)
    , m_checker(host.Message, host.Busy, host.Wait, host.Pump, std::move(strProgramFolder))
{
    m_sheet.Initialize(nullptr);
    m_checker.Initialize();
}

void clsTicketSet::Hand(std::span<const std::int32_t> lngSingle, const SingleFrame& lngFrame,
                        const CellFlags& blnCovered)
{
    m_sheet.SetSingle(lngSingle);
    m_sheet.SetSingleFrame(lngFrame, blnCovered);
    m_sheet.MovePage(m_sheet.Page());
    if (!m_checker.SetSingle(lngSingle)) {
        m_checker.SetSingle({});
    }
    m_checker.SetSingleFrame(lngFrame, blnCovered);
}

void clsTicketSet::HandFrame(const SingleFrame& lngFrame, const CellFlags& blnCovered)
{
    m_sheet.SetSingleFrame(lngFrame, blnCovered);
    m_checker.SetSingleFrame(lngFrame, blnCovered);
}

void clsTicketSet::HandResult(std::int32_t lngKaisaikai, const std::string& strKumi,
                              const ResultRecord& record)
{
    m_checker.SetResultData(lngKaisaikai, strKumi, record, m_showAll);
}

bool clsTicketSet::SortNeedsVote(SortKind kind)
{
    switch (kind) {
    case SortKind::Home:
    case SortKind::Draw:
    case SortKind::Away:
    case SortKind::P:
        return false;
    default:
        return true;
    }
}

bool clsTicketSet::SortVisible(SortKind kind, std::int32_t lngMaxGrade)
{
    if (kind == SortKind::Payout3) {
        return lngMaxGrade >= 3;
    }
    if (kind == SortKind::Payout2) {
        return lngMaxGrade >= 2;
    }
    return true;
}

bool clsTicketSet::SortNeedsProbability(SortKind kind)
{
    return kind == SortKind::EV || kind == SortKind::P;
}

bool clsTicketSet::SortAvailable(SortKind kind, std::int32_t lngVoteKaisaikai,
                                 std::int32_t lngMaxGrade, bool blnHasProbability)
{
    return SortVisible(kind, lngMaxGrade) && (!SortNeedsVote(kind) || lngVoteKaisaikai > 0) &&
           (!SortNeedsProbability(kind) || blnHasProbability);
}

bool clsTicketSet::Sort(std::vector<std::int32_t>& lngSingle, SortKind kind, bool blnAscending,
                        const VoteRecord& vote, clsTValue* value)
{
    clsTSingleSort sort(m_host.Message, m_host.Busy);
    sort.SetPump(&m_host.Pump);
    sort.SetVoteRecord(vote);
    switch (kind) {
    case SortKind::Payout1:
    case SortKind::Payout2:
    case SortKind::Payout3:
        return sort.MoneySort(lngSingle, static_cast<std::int32_t>(kind), blnAscending);
    case SortKind::Home:
    case SortKind::Draw:
    case SortKind::Away:
        return sort.MarkSort(
            lngSingle, static_cast<std::int32_t>(kind) - static_cast<std::int32_t>(SortKind::Home),
            blnAscending);
    case SortKind::Ninki1:
    case SortKind::Ninki2:
    case SortKind::Ninki3:
        return sort.NinkiSort(lngSingle,
                              static_cast<std::int32_t>(kind) -
                                  static_cast<std::int32_t>(SortKind::Ninki1),
                              blnAscending);
    case SortKind::EV:
    case SortKind::P:
        if (value == nullptr) {
            m_host.Message.ShowMessage(MsgIcon::Information, "自分の確率がありません", "");
            return false;
        }
        return sort.ValueSort(lngSingle, *value, kind == SortKind::EV ? 0 : 1, blnAscending);
    }
    return false;
}
