#include "lottery/clsTMultiPattern.h"

#include "lottery/clsTNumber.h"
#include "lottery/clsToto.h"

clsTMultiPattern::clsTMultiPattern(clsIMessage& message)
    : m_err(message, "clsTMultiPattern")
{}

std::int32_t clsTMultiPattern::MultiCount() const
{
    std::int32_t n = 1;
    for (int m = 0; m < clsToto::kMatchCount; ++m) {
        std::int32_t k = 0;
        for (int c = 0; c < 3; ++c) {
            k += m_value[c][m] > 0 ? 1 : 0;
        }
        n *= k;
    }
    return n;
}

void clsTMultiPattern::GetMulti(std::int32_t& lngCount, std::vector<std::int32_t>& lngPattern) const
{
    try {
        lngCount = MultiCount();
        if (lngCount == 0) {
            return;
        }
        lngPattern.resize(static_cast<std::size_t>(lngCount));
        // Per match, the marked codes ascending, as digit values. Match 13 is the most
        // significant digit, so an odometer with match 1 turning fastest yields the singles in
        // ascending order.
        std::array<std::array<std::int32_t, 3>, clsToto::kMatchCount> add{};
        std::array<int, clsToto::kMatchCount> size{};
        for (int m = 0; m < clsToto::kMatchCount; ++m) {
            for (int c = 0; c < 3; ++c) {
                if (m_value[c][m] > 0) {
                    add[m][size[m]++] = c * clsTNumber::P[m];
                }
            }
        }
        std::array<int, clsToto::kMatchCount> pos{};
        // Partial sums of matches m..13: upper[m] = add of matches m..12 at their positions.
        std::array<std::int32_t, clsToto::kMatchCount + 1> upper{};
        for (int m = clsToto::kMatchCount - 1; m >= 1; --m) {
            upper[m] = upper[m + 1] + add[m][0];
        }
        std::int32_t* out = lngPattern.data();
        for (;;) {
            const std::int32_t base = upper[1];
            for (int i = 0; i < size[0]; ++i) {
                *out++ = base + add[0][i];
            }
            int m = 1;
            while (m < clsToto::kMatchCount && ++pos[m] == size[m]) {
                pos[m] = 0;
                ++m;
            }
            if (m == clsToto::kMatchCount) {
                break;
            }
            for (int k = m; k >= 1; --k) {
                upper[k] = upper[k + 1] + add[k][pos[k]];
            }
        }
    } catch (const std::exception& e) {
        lngCount = 0;
        m_err.ReportException("GetMulti", e);
    }
}
