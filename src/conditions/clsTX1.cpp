#include "conditions/clsTX1.h"

#include "lottery/clsTMultiPattern.h"
#include "lottery/clsTNumber.h"

namespace {
// A maximum of 9,999,999,999 means no upper limit; estimates reach 99,999,999,999.
constexpr Currency kNoLimitMax = Currency::FromInt(100'000'000'000);
} // namespace

clsTX1::clsTX1(clsIMessage& objMessage)
    : m_err(objMessage, "clsTX1")
    , m_money(objMessage)
{}

void clsTX1::SetVoteRecord(const VoteRecord& vote)
{
    try {
        m_vote = vote;
        m_money.SetVote(vote);
        m_ranks = clsTDeme::NinkiRanks(vote, m_err.Message());
    } catch (const std::exception& e) {
        m_err.ReportException("SetVoteRecord", e);
    }
}

void clsTX1::GetMulti(std::int32_t& lngSCount, std::vector<std::int32_t>& lngSingle)
{
    try {
        clsTMultiPattern pattern(m_err.Message());
        pattern.SetValue(m_marks);
        std::int32_t lngCount = 0;
        pattern.GetMulti(lngCount, lngSingle);
        lngSCount = lngCount;
        if (lngSCount < 1) {
            lngSCount = 0;
            lngSingle.clear();
        } else {
            lngSingle.resize(static_cast<std::size_t>(lngSCount));
        }
    } catch (const std::exception& e) {
        lngSCount = 0;
        lngSingle.clear();
        m_err.ReportException("GetMulti", e);
    }
}

void clsTX1::RaiseBegin() const
{
    if (ProgressBegin) {
        ProgressBegin();
    }
}

void clsTX1::RaiseEnd() const
{
    if (ProgressEnd) {
        ProgressEnd();
    }
}

template <class Fn> bool clsTX1::Steps(std::int32_t lngCount, std::int32_t& lngDone, Fn&& fnChunk)
{
    const std::int32_t lngStep = (lngCount - 1) / 100 + 1;
    std::int32_t k = 0;
    lngDone = 0;
    while (lngDone < lngCount) {
        const std::int32_t lngTo = lngCount - lngDone >= lngStep ? lngDone + lngStep : lngCount;
        fnChunk(lngDone, lngTo);
        const bool blnFull = lngTo - lngDone == lngStep;
        lngDone = lngTo;
        if (!blnFull) {
            break;
        }
        // Events run only between full steps: that is where the stop command gets in.
        if (m_cancel) {
            return false;
        }
        ++k;
        if (Progress) {
            Progress(k);
        }
    }
    return true;
}

void clsTX1::MoneySakugen(std::int32_t& lngSCount, std::vector<std::int32_t>& lngSingle,
                          std::int32_t lngGrade, Currency curMin, Currency curMax, bool blnMachigai,
                          std::vector<MachigaiCounter>& bytMachigai)
{
    try {
        if (lngSCount < 1 || curMin < Currency() || lngGrade < 0 || lngGrade > 2) {
            return;
        }
        if (blnMachigai && bytMachigai.size() < static_cast<std::size_t>(lngSCount)) {
            m_err.Report("MoneySakugen", "条件間違い数の配列が不足しています");
            return;
        }
        const Currency curUpper = curMax == Currency::FromInt(9'999'999'999) ? kNoLimitMax : curMax;
        RaiseBegin();
        std::int32_t lngKept = 0;
        std::int32_t lngDone = 0;
        std::int32_t* pList = lngSingle.data();
        const std::int32_t lngStep = (lngSCount - 1) / 100 + 1;
        std::vector<Currency> curMoney(static_cast<std::size_t>(lngStep));
        const std::span<Currency> curAll(curMoney);
        Steps(lngSCount, lngDone, [&](std::int32_t lngFrom, std::int32_t lngTo) {
            const auto lngLen = static_cast<std::size_t>(lngTo - lngFrom);
            const std::span<Currency> curOut = curAll.first(lngLen);
            const std::span<Currency> curNone;
            m_money.GetMoneyList(std::span<const std::int32_t>(pList + lngFrom, lngLen),
                                 lngGrade == 0 ? curOut : curNone, lngGrade == 1 ? curOut : curNone,
                                 lngGrade == 2 ? curOut : curNone);
            for (std::int32_t i = lngFrom; i < lngTo; ++i) {
                const Currency c = curMoney[static_cast<std::size_t>(i - lngFrom)];
                const bool blnIn = curMin <= c && c <= curUpper;
                if (blnMachigai) {
                    bytMachigai[static_cast<std::size_t>(i)] += blnIn ? 0 : 1;
                } else {
                    pList[lngKept] = pList[i];
                    lngKept += blnIn ? 1 : 0;
                }
            }
        });
        RaiseEnd();
        if (!blnMachigai) {
            lngSCount = lngKept;
            lngSingle.resize(static_cast<std::size_t>(lngKept));
        }
    } catch (const std::exception& e) {
        m_err.ReportException("MoneySakugen", e);
    }
}

clsTDeme clsTX1::MakeDeme(const ConditionTableEntry& entry, std::int32_t lngRow) const
{
    clsTDeme deme;
    deme.SetMulti(m_marks);
    deme.SetNinkiRanks(m_ranks);
    deme.SetGameFlg(entry.MatchFlags);
    deme.SetMarkFlg(entry.ResultFlags);
    if (lngRow >= 0 && static_cast<std::size_t>(lngRow) < entry.RowCategories.size()) {
        deme.SetPlusFlg(entry.RowCategories[static_cast<std::size_t>(lngRow)]);
    }
    return deme;
}

void clsTX1::JoukenSakugen(JoukenKind kind, std::int32_t& lngSCount,
                           std::vector<std::int32_t>& lngSingle, std::int32_t lngRow,
                           const ConditionTableEntry& entry, bool blnMachigai,
                           std::vector<MachigaiCounter>& bytMachigai,
                           std::vector<MachigaiCounter>& bytKyoyou)
{
    try {
        if (lngSCount < 1 || m_cancel) {
            return;
        }
        if (blnMachigai && (bytMachigai.size() < static_cast<std::size_t>(lngSCount) ||
                            bytKyoyou.size() < static_cast<std::size_t>(lngSCount))) {
            m_err.Report("JoukenSakugen", "条件間違い数の配列が不足しています");
            return;
        }
        const clsTDeme::CountTable table = MakeDeme(entry, lngRow).BuildTable(kind);
        // Counts run 0..13; the rest of the 32 entries stay "keep" for safety.
        std::array<std::uint8_t, 32> bytKeep{};
        std::array<std::uint8_t, 32> bytTolerated{};
        bytKeep.fill(1);
        for (std::int32_t t = 0; t < kCountColumns; ++t) {
            const std::uint8_t b = entry.Mark(t, lngRow);
            bytKeep[static_cast<std::size_t>(t)] = b == kCountBlank ? 1 : 0;
            bytTolerated[static_cast<std::size_t>(t)] = b == kCountTolerate ? 1 : 0;
        }
        RaiseBegin();
        std::int32_t lngKept = 0;
        std::int32_t lngDone = 0;
        std::int32_t* pList = lngSingle.data();
        if (blnMachigai) {
            Steps(lngSCount, lngDone, [&](std::int32_t lngFrom, std::int32_t lngTo) {
                for (std::int32_t i = lngFrom; i < lngTo; ++i) {
                    const auto t = static_cast<std::size_t>(table.Count(pList[i]));
                    const std::uint32_t lngMiss = bytKeep[t] ^ 1U;
                    bytMachigai[static_cast<std::size_t>(i)] += lngMiss;
                    bytKyoyou[static_cast<std::size_t>(i)] += lngMiss & bytTolerated[t];
                }
            });
        } else {
            Steps(lngSCount, lngDone, [&](std::int32_t lngFrom, std::int32_t lngTo) {
                for (std::int32_t i = lngFrom; i < lngTo; ++i) {
                    const std::int32_t n = pList[i];
                    pList[lngKept] = n;
                    lngKept += bytKeep[static_cast<std::size_t>(table.Count(n))];
                }
            });
        }
        RaiseEnd();
        if (!blnMachigai) {
            lngSCount = lngKept;
            lngSingle.resize(static_cast<std::size_t>(lngKept));
        }
    } catch (const std::exception& e) {
        m_err.ReportException("JoukenSakugen", e);
    }
}

std::int32_t clsTX1::CountRowMarks(std::int32_t lngRow, const ConditionTableEntry& entry) const
{
    return entry.CountRowMarks(lngRow);
}

void clsTX1::CountDistribution(JoukenKind kind, std::array<std::int32_t, 14>& lngHist,
                               std::int32_t lngRow, const ConditionTableEntry& entry)
{
    try {
        std::int32_t lngCount = 0;
        std::vector<std::int32_t> lngSingle;
        GetMulti(lngCount, lngSingle);
        const clsTDeme::CountTable table = MakeDeme(entry, lngRow).BuildTable(kind);
        for (std::int32_t i = 0; i < lngCount; ++i) {
            const std::int32_t t = table.Count(lngSingle[static_cast<std::size_t>(i)]);
            if (t < 14) {
                ++lngHist[static_cast<std::size_t>(t)];
            }
        }
    } catch (const std::exception& e) {
        m_err.ReportException("CountDistribution", e);
    }
}
