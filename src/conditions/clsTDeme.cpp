#include "conditions/clsTDeme.h"

#include "base/clsQuickSort.h"
#include "lottery/clsToto.h"

clsTDeme::MarkArray clsTDeme::NinkiRanks(const VoteRecord& vote, clsIMessage& objMessage)
{
    MarkArray ranks{};
    if (vote.Kaisaikai == 0) {
        return ranks;
    }
    const clsQuickSort sorter(objMessage);
    for (std::size_t m = 0; m < clsToto::kMatchCount; ++m) {
        std::array<Currency, 3> keys = vote.Match[m].Votes;
        std::vector<std::int32_t> index;
        if (!sorter.CurrencyIndexSort(keys, index, true) || index.size() != 3) {
            continue;
        }
        for (std::size_t k = 0; k < 3; ++k) {
            ranks[static_cast<std::size_t>(index[k])][m] = static_cast<std::int32_t>(2 - k);
        }
    }
    return ranks;
}

std::int32_t clsTDeme::Category(JoukenKind kind, std::size_t c, std::size_t m) const
{
    switch (kind) {
    case JoukenKind::Honmei:
        return m_multi[c][m] - 1; // an unmarked outcome has no category
    case JoukenKind::Ninki:
        return m_ranks[c][m];
    case JoukenKind::Mark:
        return static_cast<std::int32_t>(c);
    }
    return -1;
}

clsTDeme::Weights clsTDeme::GetWeights(JoukenKind kind) const
{
    Weights w{};
    for (std::size_t m = 0; m < clsToto::kMatchCount; ++m) {
        if (!m_game[m]) {
            continue;
        }
        for (std::size_t c = 0; c < 3; ++c) {
            if (!m_result[c]) {
                continue;
            }
            const std::int32_t k = Category(kind, c, m);
            if (k >= 0 && static_cast<std::size_t>(k) < m_plus.size() &&
                m_plus[static_cast<std::size_t>(k)]) {
                w[c][m] = 1;
            }
        }
    }
    return w;
}

std::int32_t clsTDeme::GetCount(JoukenKind kind, const clsTNumber::ByteKousei& bytSingle) const
{
    const Weights w = GetWeights(kind);
    std::int32_t t = 0;
    for (std::size_t m = 0; m < clsToto::kMatchCount; ++m) {
        const std::size_t c = bytSingle[m];
        if (c < 3) {
            t += w[c][m];
        }
    }
    return t;
}

std::int32_t clsTDeme::GetHonmei(const clsTNumber::ByteKousei& bytSingle) const
{
    return GetCount(JoukenKind::Honmei, bytSingle);
}

std::int32_t clsTDeme::GetNinki(const clsTNumber::ByteKousei& bytSingle) const
{
    return GetCount(JoukenKind::Ninki, bytSingle);
}

std::int32_t clsTDeme::GetMark(const clsTNumber::ByteKousei& bytSingle) const
{
    return GetCount(JoukenKind::Mark, bytSingle);
}

clsTDeme::CountTable clsTDeme::BuildTable(JoukenKind kind) const
{
    const Weights w = GetWeights(kind);
    CountTable table;
    // Each table entry is the count of the previous third of the table plus one digit, built
    // digit by digit as the powers of three grow.
    auto fill = [&w](std::uint8_t* pOut, std::size_t lngFirstMatch, std::size_t lngDigits) {
        pOut[0] = 0;
        std::size_t lngSize = 1;
        for (std::size_t d = 0; d < lngDigits; ++d) {
            const std::size_t m = lngFirstMatch + d;
            for (std::size_t c = 2; c >= 1; --c) {
                for (std::size_t i = 0; i < lngSize; ++i) {
                    pOut[c * lngSize + i] = static_cast<std::uint8_t>(pOut[i] + w[c][m]);
                }
            }
            for (std::size_t i = 0; i < lngSize; ++i) {
                pOut[i] = static_cast<std::uint8_t>(pOut[i] + w[0][m]);
            }
            lngSize *= 3;
        }
    };
    fill(table.Low.data(), 0, 7);
    fill(table.High.data(), 7, 6);
    return table;
}
