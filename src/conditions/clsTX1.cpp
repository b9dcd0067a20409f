#include "conditions/clsTX1.h"

#include "lottery/clsTMultiPattern.h"
#include "lottery/clsTNumber.h"
#include "lottery/clsToto.h"

#include <algorithm>
#include <stdexcept>

namespace {
// A maximum of 9,999,999,999 means no upper limit; estimates reach 99,999,999,999.
constexpr Currency kNoLimitMax = Currency::FromInt(100'000'000'000);
} // namespace

clsTX1::clsTX1(clsIMessage& objMessage)
    : m_err(objMessage, "clsTX1")
    , m_money(objMessage)
    , m_value(objMessage)
{}

void clsTX1::SetVoteRecord(const VoteRecord& vote)
{
    try {
        m_vote = vote;
        m_valueVoteStale = true;
        m_money.SetVote(vote);
        ReleasePayoutCache();
        m_ranks = clsTDeme::NinkiRanks(vote, m_err.Message());
    } catch (const std::exception& e) {
        m_err.ReportException("SetVoteRecord", e);
    }
}

void clsTX1::SetProbability(const std::optional<ProbabilityRecord>& prob)
{
    try {
        m_hasProbability = prob.has_value() && m_value.SetProbability(*prob);
    } catch (const std::exception& e) {
        m_hasProbability = false;
        m_err.ReportException("SetProbability", e);
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
        const auto lngN = static_cast<std::size_t>(lngSCount);
        std::int32_t* pList = lngSingle.data();
        const std::span<const std::int32_t> lngList(pList, lngN);
        if (!PayoutCacheHolds(lngList) || !m_payoutValid[static_cast<std::size_t>(lngGrade)]) {
            FillPayoutCache(lngList, lngGrade);
        }
        const Currency* pMoney = m_payout[static_cast<std::size_t>(lngGrade)].data();
        // The passes go by grade, so only the estimates of later grades travel with the list;
        // the earlier ones are not read again.
        std::array<Currency*, 3> pLater{};
        std::size_t lngLaterCount = 0;
        for (std::size_t g = static_cast<std::size_t>(lngGrade) + 1; g < 3; ++g) {
            if (m_payoutValid[g]) {
                pLater[lngLaterCount++] = m_payout[g].data();
            }
        }
        RaiseBegin();
        std::int32_t lngKept = 0;
        std::int32_t lngDone = 0;
        Steps(lngSCount, lngDone, [&](std::int32_t lngFrom, std::int32_t lngTo) {
            for (std::int32_t i = lngFrom; i < lngTo; ++i) {
                const Currency c = pMoney[i];
                const bool blnIn = curMin <= c && c <= curUpper;
                if (blnMachigai) {
                    bytMachigai[static_cast<std::size_t>(i)] += blnIn ? 0 : 1;
                } else {
                    // The estimates move with their singles, so the next grade's pass finds
                    // them in place.
                    pList[lngKept] = pList[i];
                    for (std::size_t g = 0; g < lngLaterCount; ++g) {
                        pLater[g][lngKept] = pLater[g][i];
                    }
                    lngKept += blnIn ? 1 : 0;
                }
            }
        });
        if (!blnMachigai) {
            m_payoutList.assign(pList, pList + lngKept);
            for (std::size_t g = 0; g < 3; ++g) {
                m_payoutValid[g] = m_payoutValid[g] && g > static_cast<std::size_t>(lngGrade);
                if (m_payoutValid[g]) {
                    m_payout[g].resize(static_cast<std::size_t>(lngKept));
                } else {
                    m_payout[g] = {};
                }
            }
        }
        RaiseEnd();
        if (!blnMachigai) {
            lngSCount = lngKept;
            lngSingle.resize(static_cast<std::size_t>(lngKept));
        }
    } catch (const std::exception& e) {
        m_err.ReportException("MoneySakugen", e);
    }
}

void clsTX1::ValueSakugen(ValueKind kind, std::int32_t& lngSCount,
                          std::vector<std::int32_t>& lngSingle, double dblMin, double dblMax,
                          bool blnMachigai, std::vector<MachigaiCounter>& bytMachigai)
{
    try {
        if (lngSCount < 1 || !m_hasProbability) {
            return;
        }
        if (blnMachigai && bytMachigai.size() < static_cast<std::size_t>(lngSCount)) {
            m_err.Report("ValueSakugen", "条件間違い数の配列が不足しています");
            return;
        }
        if (kind == ValueKind::EV && m_valueVoteStale) {
            m_value.SetVote(m_vote);
            m_valueVoteStale = false;
        }
        std::int32_t* pList = lngSingle.data();
        // Every way to fail comes before the list is touched: a pass that stopped half-way
        // would leave it half compacted.
        for (std::int32_t i = 0; i < lngSCount; ++i) {
            if (!clsTNumber::IsValidNo(pList[i])) {
                throw clsTNumber::NoOutOfRange();
            }
        }
        if (kind == ValueKind::EV && !m_value.GetEVList({}, {})) {
            return; // the tables could not be built; reported
        }
        std::vector<double> dblValue;
        RaiseBegin();
        std::int32_t lngKept = 0;
        std::int32_t lngDone = 0;
        // Values by progress step, so that the bar moves while the expected values are summed.
        Steps(lngSCount, lngDone, [&](std::int32_t lngFrom, std::int32_t lngTo) {
            const std::span<const std::int32_t> lngChunk(pList + lngFrom,
                                                         static_cast<std::size_t>(lngTo - lngFrom));
            dblValue.resize(lngChunk.size());
            if (kind == ValueKind::EV) {
                m_value.GetEVList(lngChunk, dblValue);
            } else {
                m_value.GetPList(lngChunk, dblValue);
            }
            for (std::int32_t i = lngFrom; i < lngTo; ++i) {
                const double v = dblValue[static_cast<std::size_t>(i - lngFrom)];
                const bool blnIn = dblMin <= v && v <= dblMax;
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
        m_err.ReportException("ValueSakugen", e);
    }
}

bool clsTX1::PayoutCacheHolds(std::span<const std::int32_t> lngList) const
{
    return !m_payoutList.empty() && m_payoutList.size() == lngList.size() &&
           std::equal(lngList.begin(), lngList.end(), m_payoutList.begin());
}

void clsTX1::FillPayoutCache(std::span<const std::int32_t> lngList, std::int32_t lngGrade)
{
    // One call for the whole list: the estimator shares partial products between singles that
    // agree on their first matches, which a list cut into progress steps would not give it.
    // The grades the run will filter by come out of the same call.
    ReleasePayoutCache();
    std::array<std::span<Currency>, 3> curOut{};
    for (std::size_t g = 0; g < 3; ++g) {
        m_payoutValid[g] = m_plan[g] || g == static_cast<std::size_t>(lngGrade);
        if (m_payoutValid[g]) {
            m_payout[g].resize(lngList.size());
            curOut[g] = m_payout[g];
        }
    }
    if (!m_money.GetMoneyList(lngList, curOut[0], curOut[1], curOut[2])) {
        ReleasePayoutCache();
        throw std::runtime_error("payout estimates failed");
    }
    m_payoutList.assign(lngList.begin(), lngList.end());
}

void clsTX1::ReleasePayoutCache()
{
    m_payoutList = {};
    for (auto& v : m_payout) {
        v = {};
    }
    m_payoutValid.fill(false);
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

void clsTX1::CountDistribution(JoukenKind kind,
                               std::array<std::int32_t, clsToto::kMatchCount + 1>& lngHist,
                               std::int32_t lngRow, const ConditionTableEntry& entry)
{
    try {
        std::int32_t lngCount = 0;
        std::vector<std::int32_t> lngSingle;
        GetMulti(lngCount, lngSingle);
        CountDistribution(
            kind, lngHist, lngRow, entry,
            std::span<const std::int32_t>(lngSingle.data(), static_cast<std::size_t>(lngCount)));
    } catch (const std::exception& e) {
        m_err.ReportException("CountDistribution", e);
    }
}

void clsTX1::CountDistribution(JoukenKind kind,
                               std::array<std::int32_t, clsToto::kMatchCount + 1>& lngHist,
                               std::int32_t lngRow, const ConditionTableEntry& entry,
                               std::span<const std::int32_t> lngSingle)
{
    try {
        const clsTDeme::CountTable table = MakeDeme(entry, lngRow).BuildTable(kind);
        for (const std::int32_t single : lngSingle) {
            const std::int32_t t = table.Count(single);
            if (t < clsToto::kMatchCount + 1) {
                ++lngHist[static_cast<std::size_t>(t)];
            }
        }
    } catch (const std::exception& e) {
        m_err.ReportException("CountDistribution", e);
    }
}
