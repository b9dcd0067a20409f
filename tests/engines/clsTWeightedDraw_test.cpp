#include "engines/clsTWeightedDraw.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <map>
#include <set>
#include <utility>
#include <vector>

// The draws against the definition, by frequency over many seeded draws. The seed is fixed,
// so the outcome is the same on every run; the tolerances are about six standard deviations
// wide, so a correct draw would pass them for any seed.
TEST(clsTWeightedDraw, OneDrawTakesAnItemInProportionToItsWeight)
{
    const std::vector<double> w = {1, 2, 3, 4, 0};
    clsTRandom random(7);
    std::vector<int> hits(w.size(), 0);
    const int n = 40000;
    for (int i = 0; i < n; ++i) {
        clsTWeightedDraw draw(w);
        const auto got = draw.Draw(1, random);
        ASSERT_EQ(got.size(), 1u);
        ++hits[got[0]];
    }
    for (std::size_t i = 0; i < w.size(); ++i) {
        const double p = w[i] / 10.0;
        EXPECT_NEAR(hits[i] / static_cast<double>(n), p, 6 * std::sqrt(0.25 / n)) << i;
    }
    EXPECT_EQ(hits[4], 0) << "weight 0 is never drawn";
}

TEST(clsTWeightedDraw, LaterDrawsAreWeightedAmongTheItemsLeft)
{
    const std::vector<double> w = {5, 1, 3, 1};
    double total = 0;
    for (const double x : w) {
        total += x;
    }
    clsTRandom random(11);
    std::map<std::pair<std::size_t, std::size_t>, int> hits;
    const int n = 60000;
    for (int i = 0; i < n; ++i) {
        clsTWeightedDraw draw(w);
        const auto got = draw.Draw(2, random);
        ASSERT_EQ(got.size(), 2u);
        ASSERT_NE(got[0], got[1]);
        ++hits[std::make_pair(got[0], got[1])];
    }
    // P(i, then j) = w_i / W x w_j / (W - w_i).
    for (std::size_t i = 0; i < w.size(); ++i) {
        for (std::size_t j = 0; j < w.size(); ++j) {
            if (i == j) {
                continue;
            }
            const double p = w[i] / total * w[j] / (total - w[i]);
            const int count = hits[std::make_pair(i, j)];
            EXPECT_NEAR(count / static_cast<double>(n), p, 6 * std::sqrt(0.25 / n))
                << i << "," << j;
        }
    }
}

TEST(clsTWeightedDraw, DrawsStopWhenNoWeightIsLeft)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const std::vector<double> w = {0, 2, -1, nan, 1e-300, inf, 3, 0};
    clsTRandom random(3);
    clsTWeightedDraw draw(w);
    const auto got = draw.Draw(8, random);
    EXPECT_EQ(std::set<std::size_t>(got.begin(), got.end()), (std::set<std::size_t>{1, 4, 6}));
    EXPECT_EQ(got.size(), 3u);
    EXPECT_TRUE(draw.Draw(1, random).empty()) << "nothing comes back";

    clsTWeightedDraw none(std::vector<double>{});
    EXPECT_TRUE(none.Draw(3, random).empty());
    clsTWeightedDraw some(w);
    EXPECT_TRUE(some.Draw(0, random).empty());
    EXPECT_TRUE(some.Draw(-5, random).empty());
    clsTWeightedDraw one(std::vector<double>{0.5});
    EXPECT_EQ(one.Draw(2, random), (std::vector<std::size_t>{0}));
}

// Weights as far apart as a single's chances are, over the whole ticket space: every draw is a
// new item of weight above 0, however small the sums left around it have become.
TEST(clsTWeightedDraw, ThousandsOfDrawsFromTheWholeSpaceNeverRepeat)
{
    std::vector<double> w(1594323, 0.0);
    for (std::size_t i = 0; i < w.size(); ++i) {
        if (i % 3 != 0) {
            w[i] = std::ldexp(1.0 + static_cast<double>(i % 7), -static_cast<int>(i % 900));
        }
    }
    clsTRandom random(5);
    clsTWeightedDraw draw(w);
    const auto got = draw.Draw(9999, random);
    ASSERT_EQ(got.size(), 9999u);
    EXPECT_EQ(std::set<std::size_t>(got.begin(), got.end()).size(), got.size());
    for (const std::size_t i : got) {
        ASSERT_GT(w[i], 0.0) << i;
    }
}
