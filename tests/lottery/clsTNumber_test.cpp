#include "lottery/clsTNumber.h"
#include "support/RecordingHost.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>
#include <vector>

namespace {

int Distance(std::int32_t a, std::int32_t b)
{
    int n = 0;
    for (int i = 0; i < 13; ++i) {
        n += (a % 3) != (b % 3);
        a /= 3;
        b /= 3;
    }
    return n;
}

TEST(clsTNumber, CornerNumbersOpenIntoUniformCompositions)
{
    RecordingHost host;
    clsTNumber num(host);
    std::vector<std::uint8_t> b(13);
    ASSERT_TRUE(num.NoToByte(0, b));
    EXPECT_EQ(std::vector<std::uint8_t>(13, 0), b);
    ASSERT_TRUE(num.NoToByte(797161, b));
    EXPECT_EQ(std::vector<std::uint8_t>(13, 1), b);
    ASSERT_TRUE(num.NoToByte(1594322, b));
    EXPECT_EQ(std::vector<std::uint8_t>(13, 2), b);
    EXPECT_EQ(1594323, clsTNumber::P[13]);
    EXPECT_TRUE(host.Messages.empty());
}

TEST(clsTNumber, CompositionWithMatchOneFirstRoundTrips)
{
    RecordingHost host;
    clsTNumber num(host);
    const std::vector<std::int32_t> k = {1, 0, 2, 1, 1, 1, 0, 0, 2, 2, 1, 0, 1};
    std::int32_t no = -1;
    ASSERT_TRUE(num.LongToNo(k, no));
    EXPECT_EQ(643348, no);
    std::vector<std::int32_t> back(13, 9);
    ASSERT_TRUE(num.NoToLong(643348, back));
    EXPECT_EQ(k, back);

    std::vector<std::uint8_t> kb(k.begin(), k.end());
    no = -1;
    ASSERT_TRUE(num.ByteToNo(kb, no));
    EXPECT_EQ(643348, no);
}

TEST(clsTNumber, FixedAndCheckedFormsAgreeOnEveryNumber)
{
    RecordingHost host;
    clsTNumber num(host);
    clsTNumber::LongKousei lk;
    clsTNumber::ByteKousei bk;
    for (std::int32_t n = 0; n < clsTNumber::SingleCount; n += 7) {
        clsTNumber::NoToLong(n, lk);
        clsTNumber::NoToByte(n, bk);
        ASSERT_EQ(n, clsTNumber::LongToNo(lk));
        ASSERT_EQ(n, clsTNumber::ByteToNo(bk));
        for (int i = 0; i < 13; ++i) {
            ASSERT_EQ(lk[i], (n / clsTNumber::P[i]) % 3);
        }
    }
}

TEST(clsTNumber, Distance1ListOfZeroFollowsMatchOrder)
{
    RecordingHost host;
    clsTNumber num(host);
    std::vector<std::int32_t> l(26, -1);
    ASSERT_TRUE(num.Get2List(0, l));
    const std::vector<std::int32_t> head = {1, 2, 3, 6, 9, 18};
    EXPECT_TRUE(std::equal(head.begin(), head.end(), l.begin()));
    EXPECT_EQ(531441, l[24]);
    EXPECT_EQ(1062882, l[25]);
}

TEST(clsTNumber, Distance2ListOfZeroFollowsPairOrder)
{
    RecordingHost host;
    clsTNumber num(host);
    std::vector<std::int32_t> l(312, -1);
    ASSERT_TRUE(num.Get3List(0, l));
    const std::vector<std::int32_t> head = {4, 7, 5, 8, 10, 19, 11, 20};
    EXPECT_TRUE(std::equal(head.begin(), head.end(), l.begin()));
    // The last pair is matches 12 and 13, codes 2/2.
    EXPECT_EQ(2 * 177147 + 2 * 531441, l[311]);
}

TEST(clsTNumber, ListsHoldExactlyTheSinglesAtTheirDistance)
{
    RecordingHost host;
    clsTNumber num(host);
    std::mt19937 rng(7);
    std::uniform_int_distribution<std::int32_t> pick(0, clsTNumber::SingleCount - 1);
    std::vector<std::int32_t> l(339);
    for (int t = 0; t < 200; ++t) {
        const std::int32_t v = t == 0 ? 0 : (t == 1 ? 1594322 : pick(rng));
        ASSERT_TRUE(num.Get123List(v, l));
        EXPECT_EQ(v, l[0]);
        std::set<std::int32_t> s(l.begin(), l.end());
        EXPECT_EQ(339u, s.size());
        for (int k = 1; k < 27; ++k) {
            ASSERT_EQ(1, Distance(v, l[k]));
        }
        for (int k = 27; k < 339; ++k) {
            ASSERT_EQ(2, Distance(v, l[k]));
            ASSERT_TRUE(clsTNumber::IsValidNo(l[k]));
        }
        // The distance-2 part is ordered by (first match, second match, codes).
        auto pairOf = [v](std::int32_t x) {
            std::vector<int> d;
            for (int i = 0; i < 13; ++i, x /= 3) {
                if (x % 3 != (v / clsTNumber::P[i]) % 3) {
                    d.push_back(i);
                }
            }
            return std::make_pair(d[0], d[1]);
        };
        for (int k = 28; k < 339; ++k) {
            const auto a = pairOf(l[k - 1]);
            const auto b = pairOf(l[k]);
            ASSERT_LE(a, b);
            if (a == b) {
                // Within a pair: first match's code, then second match's code, ascending.
                auto codes = [&](std::int32_t x) {
                    return std::make_pair((x / clsTNumber::P[a.first]) % 3,
                                          (x / clsTNumber::P[a.second]) % 3);
                };
                ASSERT_LT(codes(l[k - 1]), codes(l[k]));
            }
        }
        std::array<std::int32_t, 339> fixed;
        clsTNumber::Get123List(v, fixed);
        EXPECT_TRUE(std::equal(fixed.begin(), fixed.end(), l.begin()));
        std::array<std::int32_t, 27> f12;
        clsTNumber::Get12List(v, f12);
        EXPECT_TRUE(std::equal(f12.begin(), f12.end(), l.begin()));
    }
    EXPECT_TRUE(host.Messages.empty());
}

TEST(clsTNumber, ShortArraysStopAndReportTheStepName)
{
    RecordingHost host;
    clsTNumber num(host);
    std::vector<std::int32_t> l(10, -1);
    EXPECT_FALSE(num.Get2List(0, l));
    ASSERT_EQ(1u, host.Messages.size());
    EXPECT_EQ(MsgIcon::Error, host.Messages[0].Icon);
    EXPECT_EQ("Kelvra / clsTNumber / Get2List_Sub", host.Messages[0].Caption);
    // What fitted stays written.
    EXPECT_EQ(1, l[0]);
    EXPECT_EQ(3, l[2]);

    std::vector<std::int32_t> l2(100, -1);
    EXPECT_FALSE(num.Get123List(0, l2));
    EXPECT_EQ("Kelvra / clsTNumber / Get3List_Sub", host.Messages.back().Caption);
    EXPECT_EQ(0, l2[0]);
    EXPECT_EQ(1062882, l2[26]);
    EXPECT_EQ(4, l2[27]);
    EXPECT_NE(-1, l2[99]);

    std::vector<std::uint8_t> b(12, 7);
    EXPECT_FALSE(num.NoToByte(5, b));
    EXPECT_EQ("Kelvra / clsTNumber / NoToArray", host.Messages.back().Caption);
    std::vector<std::int32_t> lk(12, 0);
    std::int32_t no = 42;
    EXPECT_FALSE(num.LongToNo(lk, no));
    EXPECT_EQ("Kelvra / clsTNumber / ArrayToNo_Long", host.Messages.back().Caption);
    EXPECT_EQ(42, no);
    EXPECT_FALSE(num.NoToLong(5, lk));
    EXPECT_EQ("Kelvra / clsTNumber / NoToArray_Long", host.Messages.back().Caption);
    EXPECT_FALSE(num.ByteToNo(b, no));
    EXPECT_EQ("Kelvra / clsTNumber / ArrayToNo", host.Messages.back().Caption);
}

} // namespace
