#include "base/clsQuickSort.h"
#include "support/RecordingHost.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>
#include <vector>

namespace {

// The two schemes exactly as written down step by step, recursion and all; the class must
// give the same keys and the same index order.
template <class K, class Before>
void LiteralH(std::vector<K>& key, std::vector<std::int32_t>& idx, long lo, long hi, Before before)
{
    if (lo >= hi) {
        return;
    }
    const K p = key[(lo + hi) / 2];
    long i = lo;
    long j = hi;
    for (;;) {
        while (before(key[i], p)) {
            i = i + 1;
        }
        while (before(p, key[j])) {
            j = j - 1;
        }
        if (i >= j) {
            break;
        }
        std::swap(key[i], key[j]);
        std::swap(idx[i], idx[j]);
        i = i + 1;
        j = j - 1;
    }
    LiteralH(key, idx, lo, i - 1, before);
    LiteralH(key, idx, j + 1, hi, before);
}

template <class K, class Before>
void LiteralL(std::vector<K>& key, std::vector<std::int32_t>& idx, long lo, long hi, Before before)
{
    if (lo >= hi) {
        return;
    }
    const long mid = (lo + hi) / 2;
    const K p = key[mid];
    const std::int32_t q = idx[mid];
    key[mid] = key[lo];
    idx[mid] = idx[lo];
    long i = lo;
    for (long j = lo + 1; j <= hi; ++j) {
        if (before(key[j], p)) {
            i = i + 1;
            std::swap(key[i], key[j]);
            std::swap(idx[i], idx[j]);
        }
    }
    key[lo] = key[i];
    idx[lo] = idx[i];
    key[i] = p;
    idx[i] = q;
    LiteralL(key, idx, lo, i - 1, before);
    LiteralL(key, idx, i + 1, hi, before);
}

std::vector<Currency> Money(std::initializer_list<std::int64_t> v)
{
    std::vector<Currency> c;
    for (auto x : v) {
        c.push_back(Currency::FromInt(x));
    }
    return c;
}

TEST(clsQuickSort, SchemeLKeepsThreeEqualKeysAsOneZeroTwo)
{
    RecordingHost host;
    clsQuickSort qs(host);
    auto keys = Money({5, 5, 5});
    std::vector<std::int32_t> idx = {7, 7};
    ASSERT_TRUE(qs.CurrencyIndexSort(keys, idx, true));
    EXPECT_EQ((std::vector<std::int32_t>{1, 0, 2}), idx);
    // So by vote order: ◎ away win (code 2), ○ draw (0), ▲ home win (1).
    EXPECT_EQ(2, idx[2]);
}

TEST(clsQuickSort, SchemeHExchangesEqualKeys)
{
    RecordingHost host;
    clsQuickSort qs(host);
    std::vector<std::int32_t> k2 = {4, 4};
    std::vector<std::int32_t> i2 = {0, 1};
    ASSERT_TRUE(qs.LongIndexSort(k2, i2, true));
    EXPECT_EQ((std::vector<std::int32_t>{1, 0}), i2);
    std::vector<std::int32_t> k3 = {4, 4, 4};
    std::vector<std::int32_t> i3 = {0, 1, 2};
    ASSERT_TRUE(qs.LongIndexSort(k3, i3, true));
    EXPECT_EQ((std::vector<std::int32_t>{2, 1, 0}), i3);
    // A second sort brings the tied entries back.
    ASSERT_TRUE(qs.LongIndexSort(k3, i3, true));
    EXPECT_EQ((std::vector<std::int32_t>{0, 1, 2}), i3);

    std::vector<std::int32_t> inc = {1, 2, 3, 4, 5, 6, 7};
    std::vector<std::int32_t> ii = {10, 11, 12, 13, 14, 15, 16};
    ASSERT_TRUE(qs.LongIndexSort(inc, ii, true));
    EXPECT_EQ((std::vector<std::int32_t>{10, 11, 12, 13, 14, 15, 16}), ii);
    ASSERT_TRUE(qs.LongIndexSort(inc, ii, false));
    EXPECT_EQ((std::vector<std::int32_t>{7, 6, 5, 4, 3, 2, 1}), inc);
    EXPECT_EQ((std::vector<std::int32_t>{16, 15, 14, 13, 12, 11, 10}), ii);
    EXPECT_TRUE(host.Messages.empty());
}

TEST(clsQuickSort, OneElementStaysAndEmptyArraysAreReported)
{
    RecordingHost host;
    clsQuickSort qs(host);
    auto one = Money({3});
    std::vector<std::int32_t> idx;
    ASSERT_TRUE(qs.CurrencyIndexSort(one, idx, false));
    EXPECT_EQ(std::vector<std::int32_t>{0}, idx);

    std::vector<Currency> none;
    std::vector<std::int32_t> keep = {9};
    EXPECT_FALSE(qs.CurrencyIndexSort(none, keep, true));
    EXPECT_EQ(std::vector<std::int32_t>{9}, keep);
    std::vector<std::int32_t> noLong;
    EXPECT_FALSE(qs.LongSort(noLong, true));
    std::vector<std::string> noText;
    EXPECT_FALSE(qs.StringSort(noText, true));
    EXPECT_FALSE(qs.LongIndexSort(noLong, noLong, true));
    ASSERT_EQ(4u, host.Messages.size());
    const char* ops[] = {"CurrencyIndexSort", "LongSort", "StringSort", "LongIndexSort"};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(MsgIcon::Error, host.Messages[i].Icon);
        EXPECT_EQ(std::string("Kelvra / clsQuickSort / ") + ops[i], host.Messages[i].Caption);
        EXPECT_NE(std::string::npos, host.Messages[i].Text.find("( 9 )"));
    }
    // A mismatched index array is refused without touching the keys.
    std::vector<std::int32_t> k = {3, 1, 2};
    std::vector<std::int32_t> shortIdx = {0, 1};
    EXPECT_FALSE(qs.LongIndexSort(k, shortIdx, true));
    EXPECT_EQ((std::vector<std::int32_t>{3, 1, 2}), k);
}

TEST(clsQuickSort, ValueSortsBothDirections)
{
    RecordingHost host;
    clsQuickSort qs(host);
    std::vector<std::int32_t> v = {5, -2, 9, 5, 0};
    ASSERT_TRUE(qs.LongSort(v, false));
    EXPECT_EQ((std::vector<std::int32_t>{9, 5, 5, 0, -2}), v);
    ASSERT_TRUE(qs.LongSort(v, true));
    EXPECT_EQ((std::vector<std::int32_t>{-2, 0, 5, 5, 9}), v);
    // Binary comparison: upper case before lower case, bytes above 0x7F last.
    std::vector<std::string> s = {"b", "鹿島", "B", "a", ""};
    ASSERT_TRUE(qs.StringSort(s, true));
    EXPECT_EQ((std::vector<std::string>{"", "B", "a", "b", "鹿島"}), s);
    ASSERT_TRUE(qs.StringSort(s, false));
    EXPECT_EQ((std::vector<std::string>{"鹿島", "b", "a", "B", ""}), s);
}

TEST(clsQuickSort, IndexSortsMatchTheLiteralSchemesOnArraysWithTies)
{
    RecordingHost host;
    clsQuickSort qs(host);
    std::mt19937 rng(12345);
    for (int t = 0; t < 20000; ++t) {
        const int n = 1 + static_cast<int>(rng() % (t < 15000 ? 12 : 300));
        const int distinct = 1 + static_cast<int>(rng() % 4);
        const bool asc = (t % 2) == 0;
        std::vector<Currency> ck(n);
        std::vector<std::int32_t> lk(n);
        for (int i = 0; i < n; ++i) {
            const std::int64_t v = static_cast<std::int64_t>(rng() % distinct) - 1;
            ck[i] = Currency::FromRaw(v * 2500);
            lk[i] = static_cast<std::int32_t>(v);
        }
        std::vector<Currency> ckRef = ck;
        std::vector<std::int32_t> ciRef(n);
        std::iota(ciRef.begin(), ciRef.end(), 0);
        if (asc) {
            LiteralL(ckRef, ciRef, 0, n - 1, std::less<>());
        } else {
            LiteralL(ckRef, ciRef, 0, n - 1, std::greater<>());
        }
        std::vector<std::int32_t> ci;
        ASSERT_TRUE(qs.CurrencyIndexSort(ck, ci, asc));
        ASSERT_EQ(ciRef, ci) << "scheme L, trial " << t;
        ASSERT_EQ(ckRef, ck);

        std::vector<std::int32_t> lkRef = lk;
        std::vector<std::int32_t> liRef(n);
        std::iota(liRef.begin(), liRef.end(), 100);
        std::vector<std::int32_t> li = liRef;
        if (asc) {
            LiteralH(lkRef, liRef, 0, n - 1, std::less<>());
        } else {
            LiteralH(lkRef, liRef, 0, n - 1, std::greater<>());
        }
        ASSERT_TRUE(qs.LongIndexSort(lk, li, asc));
        ASSERT_EQ(liRef, li) << "scheme H, trial " << t;
        ASSERT_EQ(lkRef, lk);
    }
}

TEST(clsQuickSort, SchemeLOnLongRunsOfEqualKeysKeepsTheLiteralOrder)
{
    // Mostly one value (a payout that is 0 or capped for most singles) with a few others.
    RecordingHost host;
    clsQuickSort qs(host);
    std::mt19937 rng(99);
    for (int t = 0; t < 40; ++t) {
        const int n = 3000 + static_cast<int>(rng() % 2000);
        std::vector<Currency> k(n);
        for (auto& c : k) {
            const unsigned r = rng() % 100;
            c = Currency::FromInt(r < 85 ? 0 : (r < 95 ? 99999999999 : r));
        }
        std::vector<Currency> ref = k;
        std::vector<std::int32_t> refIdx(n);
        std::iota(refIdx.begin(), refIdx.end(), 0);
        if (t % 2 == 0) {
            LiteralL(ref, refIdx, 0, n - 1, std::less<>());
        } else {
            LiteralL(ref, refIdx, 0, n - 1, std::greater<>());
        }
        std::vector<std::int32_t> idx;
        ASSERT_TRUE(qs.CurrencyIndexSort(k, idx, t % 2 == 0));
        ASSERT_EQ(refIdx, idx);
        ASSERT_EQ(ref, k);
    }
}

TEST(clsQuickSort, SchemeLSortsAMillionEqualKeysWithoutDeepRecursion)
{
    RecordingHost host;
    clsQuickSort qs(host);
    std::vector<Currency> k(1000000, Currency::FromInt(7));
    std::vector<std::int32_t> idx;
    ASSERT_TRUE(qs.CurrencyIndexSort(k, idx, true));
    // Still a permutation, and the pattern of one step per entry (first and middle exchanged).
    std::vector<std::int32_t> sorted = idx;
    std::sort(sorted.begin(), sorted.end());
    for (int i = 0; i < 1000000; ++i) {
        ASSERT_EQ(i, sorted[i]);
    }
    EXPECT_EQ(499999, idx[0]);
}

} // namespace

// The stable sort over runs and merges gives std::stable_sort's order, across run boundaries
// and in both directions; with a pump every sort processes events on long arrays and still
// gives the order it gives without one.
TEST(clsQuickSort, PumpedSortsKeepTheirOrder)
{
    RecordingHost host;
    clsQuickSort plain(host);
    clsQuickSort pumped(host);
    pumped.SetPump(&host);
    std::mt19937 rng(7);
    for (const int n : {1, 5, 32768, 32769, 200001}) {
        std::vector<double> key(static_cast<std::size_t>(n));
        for (auto& k : key) {
            k = static_cast<double>(rng() % 50) / 7.0; // many ties
        }
        for (const bool asc : {true, false}) {
            std::vector<std::int32_t> expect(key.size());
            std::iota(expect.begin(), expect.end(), 0);
            std::stable_sort(expect.begin(), expect.end(), [&](std::int32_t a, std::int32_t b) {
                const double ka = key[static_cast<std::size_t>(a)];
                const double kb = key[static_cast<std::size_t>(b)];
                return asc ? ka < kb : kb < ka;
            });
            std::vector<std::int32_t> got = {42}; // replaced, whatever it held
            ASSERT_TRUE(pumped.StableIndexSort(key, got, asc));
            ASSERT_EQ(expect, got) << n << (asc ? " ascending" : " descending");
        }
    }
    EXPECT_GT(host.DoEventsCount, 0);

    const std::size_t n = 600000;
    std::vector<Currency> ck(n);
    std::vector<std::int32_t> lk(n);
    for (std::size_t i = 0; i < n; ++i) {
        const unsigned r = rng() % 1000;
        ck[i] = Currency::FromInt(r < 700 ? 0 : r);
        lk[i] = static_cast<std::int32_t>(r % 13);
    }
    std::vector<Currency> ck2 = ck;
    std::vector<std::int32_t> lk2 = lk;
    std::vector<std::int32_t> li(n);
    std::iota(li.begin(), li.end(), 0);
    std::vector<std::int32_t> li2 = li;
    std::vector<std::int32_t> ci;
    std::vector<std::int32_t> ci2;
    const auto before = host.DoEventsCount;
    ASSERT_TRUE(plain.CurrencyIndexSort(ck, ci, false));
    ASSERT_TRUE(plain.LongIndexSort(lk, li, true));
    EXPECT_EQ(host.DoEventsCount, before);
    ASSERT_TRUE(pumped.CurrencyIndexSort(ck2, ci2, false));
    const auto afterL = host.DoEventsCount;
    ASSERT_TRUE(pumped.LongIndexSort(lk2, li2, true));
    EXPECT_GT(afterL, before) << "scheme L processed no events";
    EXPECT_GT(host.DoEventsCount, afterL) << "scheme H processed no events";
    EXPECT_EQ(ci, ci2);
    EXPECT_EQ(li, li2);

    std::vector<std::int32_t> none;
    EXPECT_FALSE(pumped.StableIndexSort({}, none, true));
    EXPECT_EQ(host.Messages.size(), 1u);
}
