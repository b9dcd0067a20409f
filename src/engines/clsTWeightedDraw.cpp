#include "engines/clsTWeightedDraw.h"

#include <cmath>

clsTWeightedDraw::clsTWeightedDraw(std::span<const double> dblWeight)
{
    while (m_leaves < dblWeight.size()) {
        m_leaves *= 2;
    }
    m_sum.assign(2 * m_leaves, 0.0);
    for (std::size_t i = 0; i < dblWeight.size(); ++i) {
        const double w = dblWeight[i];
        m_sum[m_leaves + i] = std::isfinite(w) && w > 0.0 ? w : 0.0;
    }
    for (std::size_t k = m_leaves - 1; k >= 1; --k) {
        m_sum[k] = m_sum[2 * k] + m_sum[2 * k + 1];
    }
}

std::vector<std::size_t> clsTWeightedDraw::Draw(std::int32_t lngCount, clsTRandom& random)
{
    std::vector<std::size_t> out;
    if (lngCount < 1) {
        return out;
    }
    out.reserve(static_cast<std::size_t>(lngCount));
    while (out.size() < static_cast<std::size_t>(lngCount) && m_sum[1] > 0.0) {
        double target = random.Next() * m_sum[1];
        std::size_t k = 1;
        while (k < m_leaves) {
            const double left = m_sum[2 * k];
            // A half without weight is never entered, whatever rounding did to the target: a
            // positive sum always has a positive half, so the walk ends on a weighted item.
            if (left > 0.0 && (target < left || m_sum[2 * k + 1] <= 0.0)) {
                k = 2 * k;
            } else {
                target -= left;
                k = 2 * k + 1;
            }
        }
        out.push_back(k - m_leaves);
        m_sum[k] = 0.0;
        for (k /= 2; k >= 1; k /= 2) {
            m_sum[k] = m_sum[2 * k] + m_sum[2 * k + 1];
        }
    }
    return out;
}
