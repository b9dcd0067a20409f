#include "tickets/clsTSingleList.h"

#include "base/clsQuickSort.h"
#include "lottery/clsToto.h"

#include <exception>
#include <stdexcept>
#include <vector>

clsTSingleList::clsTSingleList(clsIMessage& message)
    : m_err(message, "clsTSingleList")
    , m_money(message)
{}

void clsTSingleList::SetVoteRecord(const VoteRecord& vote)
{
    try {
        m_money.SetVote(vote);
        m_hasRanks = vote.Kaisaikai != 0 && ComputeRanks(m_err.Message(), vote, m_rank);
    } catch (const std::exception& e) {
        m_err.ReportException("SetVoteRecord", e);
    }
}

bool clsTSingleList::ComputeRanks(clsIMessage& message, const VoteRecord& vote, Ranks& bytRank)
{
    clsQuickSort sort(message);
    for (std::size_t m = 0; m < clsToto::kMatchCount; ++m) {
        std::vector<Currency> key = {vote.Match[m].Votes[0], vote.Match[m].Votes[1],
                                     vote.Match[m].Votes[2]};
        std::vector<std::int32_t> index;
        if (!sort.CurrencyIndexSort(key, index, true)) {
            return false;
        }
        for (std::size_t k = 0; k < 3; ++k) {
            bytRank[m][static_cast<std::size_t>(index[k])] = static_cast<std::uint8_t>(2 - k);
        }
    }
    return true;
}

void clsTSingleList::SetData(std::int32_t Index, std::int32_t lngValue)
{
    try {
        if (Index < 0 || Index >= kColumns - 1) {
            throw std::out_of_range("clsTSingleList: column");
        }
        auto& col = m_text[static_cast<std::size_t>(Index)];
        if (lngValue < 0) {
            col = {};
            return;
        }
        clsTNumber::LongKousei k{};
        clsTNumber::NoToLong(lngValue, k);
        col[0] = MoneyText(m_money.GetMoney1(k));
        col[1] = MoneyText(m_money.GetMoney2(k));
        col[2] = MoneyText(m_money.GetMoney3(k));
        col[3] = MarkText(k);
        col[4] = m_hasRanks ? NinkiText(k, m_rank) : std::string();
    } catch (const std::exception& e) {
        m_err.ReportException("SetData", e);
    }
}

std::string clsTSingleList::CellText(std::int32_t lngRow, std::int32_t lngColumn) const
{
    if (lngRow < 0 || lngRow >= kRows || lngColumn < 0 || lngColumn >= kColumns) {
        throw std::out_of_range("clsTSingleList: cell");
    }
    if (lngColumn == 0) {
        return RowHeading(lngRow);
    }
    return m_text[static_cast<std::size_t>(lngColumn - 1)][static_cast<std::size_t>(lngRow)];
}

const char* clsTSingleList::RowHeading(std::int32_t lngRow)
{
    static constexpr const char* kHead[kRows] = {"１等推定金額", "２等推定金額", "３等推定金額",
                                                 "1-0-2マーク", "1-2-3番人気"};
    if (lngRow < 0 || lngRow >= kRows) {
        throw std::out_of_range("clsTSingleList: row");
    }
    return kHead[lngRow];
}

std::string clsTSingleList::MoneyText(Currency curValue)
{
    constexpr std::int64_t yen = Currency::Scale;
    const std::int64_t raw = curValue.Raw();
    if (raw <= 0) {
        return "";
    }
    if (raw < 10000 * yen) {
        return curValue.ToString() + "円";
    }
    if (raw < 100000 * yen) {
        return (curValue / 10000).FormatNumber(2, false) + "万";
    }
    if (raw < 100000000 * yen) {
        return std::to_string(curValue.ToInt64() / 10000) + "万";
    }
    if (raw < 1000000000 * yen) {
        // Cut (not rounded) to hundredths of an oku, then written in its shortest form.
        const std::int64_t hundredths = raw / (1000000 * yen);
        return Currency::FromRaw(hundredths * (yen / 100)).ToString() + "億";
    }
    // Long shots keep to four figures and a unit, the room "9999万" takes.
    constexpr std::int64_t chou = 1000000000000LL * yen;
    if (raw < chou) {
        return std::to_string(raw / (100000000 * yen)) + "億";
    }
    if (raw < 10 * chou) {
        const std::int64_t hundredths = raw / (chou / 100);
        return Currency::FromRaw(hundredths * (yen / 100)).ToString() + "兆";
    }
    return std::to_string(raw / chou) + "兆";
}

std::string clsTSingleList::MarkText(const clsTNumber::LongKousei& lngKousei)
{
    std::array<std::int32_t, 3> n{};
    for (const auto c : lngKousei) {
        ++n[static_cast<std::size_t>(c)];
    }
    return std::to_string(n[1]) + "-" + std::to_string(n[0]) + "-" + std::to_string(n[2]);
}

std::string clsTSingleList::NinkiText(const clsTNumber::LongKousei& lngKousei, const Ranks& bytRank)
{
    std::array<std::int32_t, 3> n{};
    for (std::size_t m = 0; m < clsToto::kMatchCount; ++m) {
        ++n[bytRank[m][static_cast<std::size_t>(lngKousei[m])]];
    }
    return std::to_string(n[0]) + "-" + std::to_string(n[1]) + "-" + std::to_string(n[2]);
}
