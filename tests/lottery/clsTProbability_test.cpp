#include "lottery/clsTNumber.h"
#include "lottery/clsTProbability.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <random>
#include <vector>

namespace {

using List = std::vector<std::int32_t>;

int Distance(std::int32_t a, std::int32_t b)
{
    int n = 0;
    for (int i = 0; i < 13; ++i, a /= 3, b /= 3) {
        n += (a % 3) != (b % 3);
    }
    return n;
}

List Tousen(const List& base, const List& chosen)
{
    clsTProbability p;
    List t(6, -1);
    EXPECT_TRUE(p.GetTousen(base, chosen, t));
    return t;
}

TEST(clsTProbability, ChosenSetEqualToTheBase)
{
    const List s = {0, 1, 5, 797161, 1594322};
    const List t = Tousen(s, s);
    EXPECT_EQ(5, t[0]);
    EXPECT_EQ(5, t[1]);
    EXPECT_EQ(5, t[4]);
    EXPECT_EQ(5, t[5]);
    EXPECT_EQ(2, t[2]); // 0 and 1 differ in match 1 only
    // 5 (match 1 away, match 2 home) is two matches from both 0 and 1.
    EXPECT_EQ(3, t[3]);
}

TEST(clsTProbability, GuaranteesShowInTheCombinedCounts)
{
    std::array<std::int32_t, 27> l12;
    clsTNumber::Get12List(643348, l12);
    List t = Tousen(List(l12.begin(), l12.end()), {643348});
    EXPECT_EQ((List{27, 1, 26, 0, 27, 27}), t);

    std::array<std::int32_t, 339> l123;
    clsTNumber::Get123List(643348, l123);
    t = Tousen(List(l123.begin(), l123.end()), {643348});
    EXPECT_EQ((List{339, 1, 26, 312, 27, 339}), t);
}

TEST(clsTProbability, FlagsAddUpAndDuplicatesCount)
{
    // 0 is chosen and also at distance 1 from the chosen 1.
    EXPECT_EQ((List{1, 1, 1, 0, 1, 1}), Tousen({0}, {0, 1}));
    EXPECT_EQ((List{3, 3, 3, 0, 3, 3}), Tousen({0, 0, 0}, {0, 1}));
}

TEST(clsTProbability, MatchesDistancesOnRandomSets)
{
    std::mt19937 rng(5);
    for (int trial = 0; trial < 5; ++trial) {
        // Singles close together, so every grade occurs.
        List chosen(40);
        List base(3000);
        const std::int32_t centre = static_cast<std::int32_t>(rng() % clsTNumber::SingleCount);
        auto near = [&] {
            std::int32_t v = centre;
            for (int i = 0; i < 4; ++i) {
                const int m = static_cast<int>(rng() % 13);
                const std::int32_t d = (v / clsTNumber::P[m]) % 3;
                v += (static_cast<std::int32_t>(rng() % 3) - d) * clsTNumber::P[m];
            }
            return v;
        };
        for (auto& c : chosen) {
            c = near();
        }
        for (auto& b : base) {
            b = near();
        }
        List expect(6, 0);
        expect[0] = static_cast<std::int32_t>(base.size());
        for (std::int32_t b : base) {
            bool h[4] = {false, false, false, false};
            for (std::int32_t c : chosen) {
                const int d = Distance(b, c);
                if (d <= 2) {
                    h[d + 1] = true;
                }
            }
            expect[1] += h[1];
            expect[2] += h[2];
            expect[3] += h[3];
            expect[4] += h[1] || h[2];
            expect[5] += h[1] || h[2] || h[3];
        }
        EXPECT_EQ(expect, Tousen(base, chosen));
        EXPECT_GT(expect[3], 0);
    }
}

// The counts as first written: the flags set from clsTNumber's neighbour lists.
List ListTousen(const List& base, const List& chosen)
{
    std::vector<std::uint8_t> hit(clsTNumber::SingleCount, 0);
    std::array<std::int32_t, clsTNumber::List2Size> l2;
    std::array<std::int32_t, clsTNumber::List3Size> l3;
    for (const std::int32_t s : chosen) {
        hit[static_cast<std::size_t>(s)] |= 1;
        clsTNumber::Get2List(s, l2);
        for (const std::int32_t v : l2) {
            hit[static_cast<std::size_t>(v)] |= 2;
        }
        clsTNumber::Get3List(s, l3);
        for (const std::int32_t v : l3) {
            hit[static_cast<std::size_t>(v)] |= 4;
        }
    }
    List n(6, 0);
    n[0] = static_cast<std::int32_t>(base.size());
    for (const std::int32_t m : base) {
        const std::uint8_t h = hit[static_cast<std::size_t>(m)];
        n[1] += (h & 1) != 0;
        n[2] += (h & 2) != 0;
        n[3] += (h & 4) != 0;
        n[4] += (h & 3) != 0;
        n[5] += h != 0;
    }
    return n;
}

TEST(clsTProbability, SameCountsAsTheNeighbourListsOnLargeSets)
{
    List all(clsTNumber::SingleCount);
    for (std::int32_t i = 0; i < clsTNumber::SingleCount; ++i) {
        all[static_cast<std::size_t>(i)] = i;
    }
    std::mt19937 rng(11);
    for (const std::size_t size : {1u, 500u, 60000u}) {
        List chosen(size);
        for (auto& c : chosen) {
            c = static_cast<std::int32_t>(rng() % clsTNumber::SingleCount);
        }
        // The corners of the table, where a ball's offsets all point one way.
        chosen.push_back(0);
        chosen.push_back(clsTNumber::SingleCount - 1);
        List base(all.begin(), all.begin() + static_cast<std::ptrdiff_t>(all.size() / size));
        for (const List& b : {all, base, chosen}) {
            EXPECT_EQ(ListTousen(b, chosen), Tousen(b, chosen)) << size;
        }
    }
}

TEST(clsTProbability, BadInputLeavesTheResultAndGivesTheReason)
{
    clsTProbability p;
    List t(6, -1);
    EXPECT_FALSE(p.GetTousen(List{1, 1594323}, List{1}, t));
    EXPECT_EQ(List(6, -1), t);
    EXPECT_EQ(9, p.LastError().Number);
    EXPECT_FALSE(p.GetTousen(List{1}, List{-1}, t));
    EXPECT_EQ(List(6, -1), t);
    List shortList(5, -1);
    EXPECT_FALSE(p.GetTousen(List{1}, List{1}, shortList));
    EXPECT_EQ(List(5, -1), shortList);
    EXPECT_TRUE(p.GetTousen(List{1}, List{1}, t));
    EXPECT_EQ(0, p.LastError().Number);
}

} // namespace
