#pragma once
// Counts, for one row of a condition tab, how many matches of a single count (本命, 人気 or 勝敗).
// The extraction run makes one per condition pass; the composition analysis one per histogram.

#include "base/clsIMessage.h"
#include "conditions/ConditionTableEntry.h"
#include "lottery/MarkArray.h"
#include "lottery/VoteRecord.h"
#include "lottery/clsTNumber.h"
#include "lottery/clsToto.h"

#include <array>
#include <cstdint>
#include <vector>

class clsTDeme
{
public:
    using MarkArray = ::MarkArray; // [outcome code][match]
    using Weights = OutcomeTable<std::uint8_t>;

    // A single's count read from two tables: the low seven digits of its number and the high
    // six. Both fit in the cache, so a pass costs two loads per single.
    struct CountTable
    {
        static constexpr std::int32_t kLowSize = 2187; // 3^7
        static constexpr std::int32_t kHighSize = 729; // 3^6
        std::array<std::uint8_t, kLowSize> Low{};
        std::array<std::uint8_t, kHighSize> High{};

        std::int32_t Count(std::int32_t lngNo) const
        {
            return Low[static_cast<std::size_t>(lngNo % kLowSize)] +
                   High[static_cast<std::size_t>(lngNo / kLowSize)];
        }
    };

    void SetMulti(const MarkArray& lngValue) { m_multi = lngValue; }
    // Popularity rank per outcome and match, 0 = most votes; all 0 without a vote status.
    void SetNinkiRanks(const MarkArray& lngRanks) { m_ranks = lngRanks; }
    void SetVoteRecord(const VoteRecord& vote, clsIMessage& objMessage)
    {
        m_ranks = NinkiRanks(vote, objMessage);
    }
    // Rank 2 - position after sorting a match's three vote counts ascending with the program's
    // index sort, whose order of equal counts users see; all 0 when the record holds no round.
    static MarkArray NinkiRanks(const VoteRecord& vote, clsIMessage& objMessage);
    void SetGameFlg(const std::array<bool, clsToto::kMatchCount>& blnFlg) { m_game = blnFlg; }
    void SetMarkFlg(const std::array<bool, 3>& blnFlg) { m_result = blnFlg; }
    void SetPlusFlg(const std::vector<bool>& blnFlg) { m_plus = blnFlg; }

    std::int32_t GetHonmei(const clsTNumber::ByteKousei& bytSingle) const;
    std::int32_t GetNinki(const clsTNumber::ByteKousei& bytSingle) const;
    std::int32_t GetMark(const clsTNumber::ByteKousei& bytSingle) const;
    std::int32_t GetCount(JoukenKind kind, const clsTNumber::ByteKousei& bytSingle) const;

    // 1 where outcome c of match m counts for the row, else 0.
    Weights GetWeights(JoukenKind kind) const;
    CountTable BuildTable(JoukenKind kind) const;

private:
    // The category outcome c of match m falls in, or -1 when it has none for the kind.
    std::int32_t Category(JoukenKind kind, std::size_t c, std::size_t m) const;

    MarkArray m_multi{};
    MarkArray m_ranks{};
    std::array<bool, clsToto::kMatchCount> m_game{};
    std::array<bool, 3> m_result{};
    std::vector<bool> m_plus;
};
