#include "tickets/clsTSingleSort.h"

#include "base/clsIBusy.h"
#include "lottery/clsTNumber.h"
#include "lottery/clsTValue.h"
#include "lottery/clsToto.h"
#include "tickets/clsTSingleList.h"

#include <algorithm>
#include <exception>
#include <numeric>
#include <span>

clsTSingleSort::clsTSingleSort(clsIMessage& message, clsIBusy& busy)
    : m_err(message, "clsTSingleSort")
    , m_busy(busy)
    , m_money(message)
    , m_sort(message)
{}

void clsTSingleSort::SetPump(clsIPump* pump)
{
    m_pump = pump;
    m_sort.SetPump(pump);
    m_money.SetPump(pump);
}

void clsTSingleSort::SetVoteRecord(const VoteRecord& vote)
{
    try {
        m_money.SetVote(vote);
        m_vote = vote;
        if (vote.Kaisaikai != 0) {
            auto ranks = m_rank;
            if (clsTSingleList::ComputeRanks(m_err.Message(), vote, ranks)) {
                m_rank = ranks;
            }
        }
    } catch (const std::exception& e) {
        m_err.ReportException("SetVoteRecord", e);
    }
}

bool clsTSingleSort::CheckSortType(const char* strOperation, std::int32_t SortType) const
{
    if (SortType < 0 || SortType > 2) {
        m_err.Report(strOperation,
                     "並べ替えの種類が正しくありません（" + std::to_string(SortType) + "）。");
        return false;
    }
    return true;
}

void clsTSingleSort::Reorder(std::vector<std::int32_t>& lngSingle,
                             const std::vector<std::int32_t>& lngIndex)
{
    std::vector<std::int32_t> sorted(lngSingle.size());
    for (std::size_t i = 0; i < sorted.size(); ++i) {
        sorted[i] = lngSingle[static_cast<std::size_t>(lngIndex[i])];
    }
    lngSingle = std::move(sorted);
}

bool clsTSingleSort::MoneySort(std::vector<std::int32_t>& lngSingle, std::int32_t SortType,
                               bool Sorted)
{
    BusyScope busy(m_busy);
    try {
        if (!CheckSortType("MoneySort", SortType)) {
            return false;
        }
        std::vector<Currency> key(lngSingle.size());
        const std::span<Currency> none;
        const std::span<Currency> all(key);
        if (!m_money.GetMoneyList(lngSingle, SortType == 0 ? all : none, SortType == 1 ? all : none,
                                  SortType == 2 ? all : none)) {
            return false;
        }
        if (m_pump != nullptr) {
            m_pump->DoEvents();
        }
        std::vector<std::int32_t> index;
        if (!m_sort.CurrencyIndexSort(key, index, Sorted)) {
            return false;
        }
        Reorder(lngSingle, index);
        return true;
    } catch (const std::exception& e) {
        m_err.ReportException("MoneySort", e);
        return false;
    }
}

bool clsTSingleSort::MarkSort(std::vector<std::int32_t>& lngSingle, std::int32_t SortType,
                              bool Sorted)
{
    return CountSort("MarkSort", lngSingle, SortType, Sorted, false);
}

bool clsTSingleSort::NinkiSort(std::vector<std::int32_t>& lngSingle, std::int32_t SortType,
                               bool Sorted)
{
    return CountSort("NinkiSort", lngSingle, SortType, Sorted, true);
}

bool clsTSingleSort::CountSort(const char* strOperation, std::vector<std::int32_t>& lngSingle,
                               std::int32_t SortType, bool Sorted, bool blnByRank)
{
    BusyScope busy(m_busy);
    try {
        if (!CheckSortType(strOperation, SortType)) {
            return false;
        }
        // MarkSort counts home wins, draws, away wins for SortType 0, 1, 2 (codes 1, 0, 2).
        static constexpr std::array<std::size_t, 3> kCode = {1, 0, 2};
        const std::size_t which = blnByRank ? static_cast<std::size_t>(SortType)
                                            : kCode[static_cast<std::size_t>(SortType)];
        std::vector<std::int32_t> key(lngSingle.size());
        std::vector<std::int32_t> index(lngSingle.size());
        clsTNumber::LongKousei k{};
        for (std::size_t i = 0; i < lngSingle.size(); ++i) {
            if (!clsTNumber::IsValidNo(lngSingle[i])) {
                m_err.Report(strOperation, std::to_string(i + 1) +
                                               " 番目のシングル番号が範囲外です（" +
                                               std::to_string(lngSingle[i]) + "）。");
                return false;
            }
            clsTNumber::NoToLong(lngSingle[i], k);
            std::array<std::int32_t, 3> tally{};
            for (std::size_t m = 0; m < clsToto::kMatchCount; ++m) {
                const auto c = static_cast<std::size_t>(k[m]);
                ++tally[blnByRank ? m_rank[m][c] : c];
            }
            key[i] = tally[which];
            index[i] = static_cast<std::int32_t>(i);
            if (m_pump != nullptr && (i + 1) % 262144 == 0) {
                m_pump->DoEvents();
            }
        }
        if (!m_sort.LongIndexSort(key, index, Sorted)) {
            return false;
        }
        Reorder(lngSingle, index);
        return true;
    } catch (const std::exception& e) {
        m_err.ReportException(strOperation, e);
        return false;
    }
}

bool clsTSingleSort::ValueSort(std::vector<std::int32_t>& lngSingle, const ProbabilityRecord& prob,
                               std::int32_t SortType, bool Sorted)
{
    clsTValue value(m_err.Message());
    value.SetPump(m_pump);
    if (!value.SetProbability(prob) || (SortType == 0 && !value.SetVote(m_vote))) {
        return false;
    }
    return ValueSort(lngSingle, value, SortType, Sorted);
}

bool clsTSingleSort::ValueSort(std::vector<std::int32_t>& lngSingle, clsTValue& value,
                               std::int32_t SortType, bool Sorted)
{
    BusyScope busy(m_busy);
    try {
        if (SortType < 0 || SortType > 1) {
            m_err.Report("ValueSort",
                         "並べ替えの種類が正しくありません（" + std::to_string(SortType) + "）。");
            return false;
        }
        if (lngSingle.empty()) {
            m_err.Report("ValueSort", "並べ替えるシングルがありません。");
            return false;
        }
        std::vector<double> key(lngSingle.size());
        if (SortType == 0 ? !value.GetEVList(lngSingle, key) : !value.GetPList(lngSingle, key)) {
            return false;
        }
        std::vector<std::int32_t> index;
        if (!m_sort.StableIndexSort(key, index, Sorted)) {
            return false;
        }
        Reorder(lngSingle, index);
        return true;
    } catch (const std::exception& e) {
        m_err.ReportException("ValueSort", e);
        return false;
    }
}
