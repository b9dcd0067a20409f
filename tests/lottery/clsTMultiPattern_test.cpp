#include "lottery/clsTMultiPattern.h"
#include "lottery/clsTNumber.h"
#include "lottery/clsTSingleFrame.h"
#include "support/RecordingHost.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace {

MarkArray Full(std::int32_t lngMark)
{
    MarkArray a;
    for (auto& row : a) {
        row.fill(lngMark);
    }
    return a;
}

TEST(clsTMultiPattern, OneOutcomePerMatchIsOneSingle)
{
    RecordingHost host;
    clsTMultiPattern p(host);
    MarkArray a{};
    const std::int32_t codes[13] = {1, 0, 2, 1, 1, 1, 0, 0, 2, 2, 1, 0, 1};
    for (int m = 0; m < 13; ++m) {
        a[codes[m]][m] = 4;
    }
    p.SetValue(a);
    std::int32_t n = -1;
    std::vector<std::int32_t> out;
    p.GetMulti(n, out);
    EXPECT_EQ(1, n);
    EXPECT_EQ(std::vector<std::int32_t>{643348}, out);
}

TEST(clsTMultiPattern, MatchWithoutMarksGivesNothingAndLeavesTheList)
{
    RecordingHost host;
    clsTMultiPattern p(host);
    MarkArray a = Full(1);
    a[0][9] = a[1][9] = a[2][9] = 0;
    p.SetValue(a);
    std::int32_t n = -1;
    std::vector<std::int32_t> out = {5, 6};
    p.GetMulti(n, out);
    EXPECT_EQ(0, n);
    EXPECT_EQ((std::vector<std::int32_t>{5, 6}), out);
}

TEST(clsTMultiPattern, DrawAndAwayInMatchOne)
{
    RecordingHost host;
    clsTMultiPattern p(host);
    MarkArray a{};
    for (int m = 0; m < 13; ++m) {
        a[1][m] = 1;
    }
    a[1][0] = 0;
    a[0][0] = 2;
    a[2][0] = 6;
    p.SetValue(a);
    std::int32_t n = 0;
    std::vector<std::int32_t> out(100, -1); // shrinks to the count
    p.GetMulti(n, out);
    EXPECT_EQ(2, n);
    EXPECT_EQ((std::vector<std::int32_t>{797160, 797162}), out);
}

TEST(clsTMultiPattern, FullMultiIsEverySingleAscending)
{
    RecordingHost host;
    clsTMultiPattern p(host);
    p.SetValue(Full(3));
    std::int32_t n = 0;
    std::vector<std::int32_t> out;
    p.GetMulti(n, out);
    ASSERT_EQ(1594323, n);
    ASSERT_EQ(1594323u, out.size());
    for (std::int32_t i = 0; i < n; ++i) {
        ASSERT_EQ(i, out[static_cast<std::size_t>(i)]);
    }
}

TEST(clsTMultiPattern, RandomMultisMatchABruteForceFilter)
{
    RecordingHost host;
    clsTMultiPattern p(host);
    std::mt19937 rng(3);
    for (int t = 0; t < 30; ++t) {
        MarkArray a{};
        for (int m = 0; m < 13; ++m) {
            for (int k = 0; k < 3; ++k) {
                a[k][m] = (rng() % 3 == 0) ? static_cast<std::int32_t>(rng() % 7) : 0;
            }
            a[rng() % 3][m] = 1 + static_cast<std::int32_t>(rng() % 6); // at least one
        }
        p.SetValue(a);
        std::vector<std::int32_t> expect;
        clsTNumber::LongKousei k;
        for (std::int32_t v = 0; v < clsTNumber::SingleCount; ++v) {
            clsTNumber::NoToLong(v, k);
            bool in = true;
            for (int m = 0; m < 13 && in; ++m) {
                in = a[k[m]][m] > 0;
            }
            if (in) {
                expect.push_back(v);
            }
        }
        std::int32_t n = 0;
        std::vector<std::int32_t> out;
        p.GetMulti(n, out);
        ASSERT_EQ(static_cast<std::int32_t>(expect.size()), n);
        ASSERT_EQ(expect, out);
        ASSERT_EQ(n, p.MultiCount());
    }
}

TEST(clsTSingleFrame, RowsSumToTheCountAndMatchTheCompositions)
{
    RecordingHost host;
    clsTSingleFrame f(host);
    std::mt19937 rng(11);
    std::vector<std::int32_t> s(5000);
    for (auto& v : s) {
        v = static_cast<std::int32_t>(rng() % clsTNumber::SingleCount);
    }
    s[0] = 0;
    s[1] = 1594322;
    SingleFrame expect{};
    const std::int32_t count = 4000; // only the first part of the list counts
    clsTNumber::LongKousei k;
    for (std::int32_t t = 0; t < count; ++t) {
        clsTNumber::NoToLong(s[static_cast<std::size_t>(t)], k);
        for (int m = 0; m < 13; ++m) {
            ++expect[k[m]][m];
        }
    }
    SingleFrame frame;
    ASSERT_TRUE(f.GetSingleFrame(count, s, frame));
    EXPECT_EQ(expect, frame);
    for (int m = 0; m < 13; ++m) {
        EXPECT_EQ(count, frame[0][m] + frame[1][m] + frame[2][m]);
    }
    ASSERT_TRUE(f.GetSingleFrame(0, s, frame));
    EXPECT_EQ(SingleFrame{}, frame);
}

TEST(clsTSingleFrame, BadInputIsReportedWithAnEmptyFrame)
{
    RecordingHost host;
    clsTSingleFrame f(host);
    const std::vector<std::int32_t> s = {5, 1594323};
    SingleFrame frame;
    frame[0][0] = 9;
    EXPECT_FALSE(f.GetSingleFrame(2, s, frame));
    EXPECT_EQ(SingleFrame{}, frame);
    EXPECT_FALSE(f.GetSingleFrame(3, std::vector<std::int32_t>{1, 2}, frame));
    ASSERT_EQ(2u, host.Messages.size());
    EXPECT_EQ("Kelvra / clsTSingleFrame / GetSingleFrame", host.Messages[0].Caption);
    EXPECT_TRUE(f.GetSingleFrame(1, s, frame)); // the bad number lies beyond the count
}

} // namespace
