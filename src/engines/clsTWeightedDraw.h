#pragma once
// Draws items without replacement, each draw taking one of the items left with a chance in
// proportion to its weight: the extraction "確率で抽出", weighted by the chance of each single
// to be the result. A sum tree keeps a draw at log n steps, so thousands of draws from all
// 1,594,323 singles stay cheap; its sums are recomputed from their two halves after each
// draw, so no rounding residue builds up and a drawn item can never come back.

#include "engines/clsTRandom.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

class clsTWeightedDraw
{
public:
    // Weights below 0 or not finite count as 0; an item of weight 0 is never drawn.
    explicit clsTWeightedDraw(std::span<const double> dblWeight);

    // Up to lngCount positions of the weights, in the order drawn: fewer when fewer items with
    // a weight are left.
    std::vector<std::size_t> Draw(std::int32_t lngCount, clsTRandom& random);

private:
    std::size_t m_leaves = 1;
    std::vector<double> m_sum; // node k holds k's two halves 2k and 2k + 1; leaves from m_leaves
};
