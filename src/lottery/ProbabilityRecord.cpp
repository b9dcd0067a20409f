#include "lottery/ProbabilityRecord.h"

#include "lottery/clsToto.h"

#include <algorithm>
#include <cmath>

namespace {

const char* const kOutcomeLabel[3] = {"0", "1", "2"};

// Hundredths of a percent from three non-negative weights with a positive sum, so that the
// three add up to exactly 10,000: every share is rounded down, and the units still missing
// (at most two) go to the shares with the largest remainders, the lower outcome code first on
// a tie. Each value therefore stays within one unit of its exact share.
template <class T, class Share>
std::array<std::int32_t, 3> Apportion(const std::array<T, 3>& rem, Share share)
{
    std::array<std::int32_t, 3> v{};
    std::int32_t sum = 0;
    for (int k = 0; k < 3; ++k) {
        v[k] = share(k);
        sum += v[k];
    }
    std::array<int, 3> order = {0, 1, 2};
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return rem[a] > rem[b]; });
    for (int i = 0; sum < ProbabilityRecord::Total && i < 3; ++i, ++sum) {
        ++v[order[i]];
    }
    return v;
}

} // namespace

std::string ProbabilityRecord::Check() const
{
    for (int m = 0; m < clsToto::kMatchCount; ++m) {
        std::string fault = CheckMatch(Value, m);
        if (!fault.empty()) {
            return fault;
        }
    }
    return {};
}

std::string ProbabilityRecord::CheckMatch(const OutcomeTable<std::int32_t>& lngValue, int lngMatch)
{
    const auto m = static_cast<std::size_t>(lngMatch);
    std::int64_t sum = 0;
    for (int k = 0; k < 3; ++k) {
        const std::int32_t v = lngValue.at(static_cast<std::size_t>(k)).at(m);
        if (v < 0 || v > Total) {
            return std::to_string(lngMatch + 1) + "試合目の「" + kOutcomeLabel[k] + "」の確率 " +
                   std::to_string(v) + " が 0～10000 の範囲にありません。";
        }
        sum += v;
    }
    if (sum != Total) {
        return std::to_string(lngMatch + 1) + "試合目の確率の合計が " + std::to_string(sum) +
               " です（10000 になるように入力して下さい）。";
    }
    return {};
}

std::optional<ProbabilityRecord> ProbabilityRecord::FromOdds(const OutcomeTable<double>& dblOdds,
                                                             std::string& strReason)
{
    ProbabilityRecord rec;
    for (int m = 0; m < clsToto::kMatchCount; ++m) {
        std::array<double, 3> w{};
        for (int k = 0; k < 3; ++k) {
            const double o = dblOdds[k][m];
            if (!std::isfinite(o) || o < 1.0) {
                strReason = std::to_string(m + 1) + "試合目の「" + kOutcomeLabel[k] +
                            "」のオッズが正しくありません（1 以上の小数オッズを入力して下さい）。";
                return std::nullopt;
            }
            w[k] = 1.0 / o;
        }
        const auto v = Shares(w);
        for (int k = 0; k < 3; ++k) {
            rec.Value[k][m] = v[k];
        }
    }
    strReason.clear();
    return rec;
}

std::array<std::int32_t, 3> ProbabilityRecord::Shares(const std::array<double, 3>& dblWeight)
{
    const double sum = dblWeight[0] + dblWeight[1] + dblWeight[2];
    std::array<double, 3> exact{};
    std::array<double, 3> rem{};
    for (int k = 0; k < 3; ++k) {
        exact[k] = dblWeight[k] / sum * Total;
        rem[k] = exact[k] - std::floor(exact[k]);
    }
    return Apportion(rem, [&](int k) {
        return std::clamp(static_cast<std::int32_t>(std::floor(exact[k])), 0, Total);
    });
}

std::optional<ProbabilityRecord> ProbabilityRecord::FromVoteRates(const VoteRecord& vote,
                                                                  std::string& strReason)
{
    ProbabilityRecord rec;
    for (int m = 0; m < clsToto::kMatchCount; ++m) {
        // Whole arithmetic on the rates' own units, so the scaling itself rounds nothing.
        std::array<std::int64_t, 3> raw{};
        std::int64_t sum = 0;
        for (int k = 0; k < 3; ++k) {
            raw[k] = vote.Match[m].Rate[k].Raw();
            // Above 100 % a rate is no rate; the bound also keeps the products below in range.
            if (raw[k] < 0 || raw[k] > 100 * Currency::Scale) {
                strReason = std::to_string(m + 1) + "試合目の投票率が正しくありません。";
                return std::nullopt;
            }
            sum += raw[k];
        }
        if (sum == 0) {
            strReason = std::to_string(m + 1) + "試合目の投票率がありません。";
            return std::nullopt;
        }
        std::array<std::int64_t, 3> rem{};
        for (int k = 0; k < 3; ++k) {
            rem[k] = raw[k] * Total % sum;
        }
        const auto v =
            Apportion(rem, [&](int k) { return static_cast<std::int32_t>(raw[k] * Total / sum); });
        for (int k = 0; k < 3; ++k) {
            rec.Value[k][m] = v[k];
        }
    }
    strReason.clear();
    return rec;
}
